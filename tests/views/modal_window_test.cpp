// The window of the modal analysis and the code's regularity: the criteria with their figures and
// verdicts, the modes with their participating masses, and what it shows when nothing can be
// computed.

#include "accessibility_check.h"
#include "modal_window.h"
#include "number_format.h"
#include "sample_models.h"
#include "view_controls.h"
#include "view_host.h"

#include <QDir>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>
#include <memory>

namespace orvanta {

using testing::control;
using testing::ViewHost;

class ModalWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewHost> host;

private slots:
    void init() {
        testing::useItalianNumbers();
        host = std::make_unique<ViewHost>();
    }

    void theCriteriaAndTheModesOfAnExample() {
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
        ModalWindow window(*host);
        const ModalStudy& study = window.study();
        QVERIFY(study.computed);
        auto* modes = control<QTableWidget>(window, "mfgModiPartecipanti");
        QCOMPARE(modes->rowCount(), 12);
        // The cumulated masses reach 100 % with every mode.
        QCOMPARE(modes->item(11, 4)->text(), QStringLiteral("100,0"));
        QCOMPARE(modes->item(11, 5)->text(), QStringLiteral("100,0"));

        auto* criteria = control<QTableWidget>(window, "mfgRegolarita");
        // (d), 3 mass pairs, stiffness (3 pairs or one exemption row per axis), (f), 3 setback
        // storeys per axis, the distribution of masses, 4 × (b), 4 × (a), (c).
        QVERIFY(criteria->rowCount() >= 1 + 3 + 2 + 1 + 6 + 1 + 8 + 1);
        QCOMPARE(criteria->item(0, 3)->text(), QStringLiteral("per costruzione"));
        const QString verdict = control<QLabel>(window, "lblRegolarita")->text();
        QVERIFY(verdict.startsWith(QStringLiteral("Secondo NTC 2018 §7.2.1 l'edificio è ")));
        QCOMPARE(verdict.contains(QStringLiteral("è regolare in altezza")),
                 study.regularity.regularInElevation());
        QCOMPARE(testing::unnamedControls(window), QStringList{});

        // Without the site's parameters, no modal response and a word on where to give them.
        QVERIFY(!window.hasAction());
        QCOMPARE(control<QTableWidget>(window, "mfgPianiModale")->rowCount(), 0);
        QVERIFY(control<QLabel>(window, "lblMetodo")->text().contains("Azione Sismica"));
    }

    void theModalResponseUnderTheSitesAction() {
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
        NtcParameters p;
        p.hazard = {SiteHazard{0.06, 2.5, 0.25}, SiteHazard{0.08, 2.5, 0.27},
                    SiteHazard{0.2, 2.4, 0.3}};
        writeNtcParameters(host->session().model().settings, p);
        ModalWindow window(*host);
        QVERIFY(window.hasAction());
        const NtcAnalysis& a = window.analysis();
        QVERIFY(a.computed);
        auto* storeys = control<QTableWidget>(window, "mfgPianiModale");
        QCOMPARE(storeys->rowCount(), 4);
        // The base shear along X in kN, as the CQC gives it.
        QCOMPARE(storeys->item(0, 3)->text(), QString::fromStdString(orvanta::formatNumber(
                                                  a.modal.slv[0].total.shearX[0] / 1000, 1)));
        const QString method = control<QLabel>(window, "lblMetodo")->text();
        QVERIFY(method.startsWith(QStringLiteral("Governa l'analisi ")));
        QCOMPARE(method.contains(QStringLiteral("(modale)")),
                 a.method.method == GoverningMethod::modal);
        QVERIFY(control<QTableWidget>(window, "mfgRittiModale")->rowCount() > 0);
        QCOMPARE(testing::unnamedControls(window), QStringList{});

        window.show();
        QDir().mkpath(QStringLiteral(ORVANTA_TEST_OUTPUT_DIR));
        QVERIFY(window.grab().save(QStringLiteral(ORVANTA_TEST_OUTPUT_DIR "/analisi-modale.png")));
    }

    void aModelWithoutLoadsSaysWhyNothingIsComputed() {
        Model m = testing::fullFrame(2, 2, 1);
        m.gyrationRadius(1) = 1000;
        // No slab, and members without weight: nothing has mass.
        m.settings.setNumber(settingKey::unitWeight, 0);
        host->useAndCalculate(std::move(m));
        ModalWindow window(*host);
        QVERIFY(!window.study().computed);
        QCOMPARE(control<QTableWidget>(window, "mfgRegolarita")->rowCount(), 0);
        QVERIFY(control<QLabel>(window, "lblRegolarita")
                    ->text()
                    .startsWith(QStringLiteral("Il piano 1 non ha massa sismica")));
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::ModalWindowTest)
#include "modal_window_test.moc"
