// The seismic windows: the parameters typed, checked and kept with the project; the static
// analysis on them with its tables, spectra and ritto shares.

#include "accessibility_check.h"
#include "ntc_parameters.h"
#include "picture_box.h"
#include "sample_models.h"
#include "seismic_action_window.h"
#include "share_drawing.h"
#include "static_analysis_window.h"
#include "view_controls.h"
#include "view_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace orvanta {

using testing::control;
using testing::ViewHost;

namespace {

void type(QWidget& window, const char* box, const QString& text) {
    control<QLineEdit>(window, box)->setText(text);
}

void typeSite(QWidget& window) {
    const char* const values[][4] = {{"SLO", "0,06", "2,5", "0,25"},
                                     {"SLD", "0,08", "2,5", "0,27"},
                                     {"SLV", "0,2", "2,4", "0,3"}};
    for (const auto& v : values) {
        const QString state = QLatin1String(v[0]);
        type(window, ("txtAg" + state).toLatin1(), QLatin1String(v[1]));
        type(window, ("txtF0" + state).toLatin1(), QLatin1String(v[2]));
        type(window, ("txtTc" + state).toLatin1(), QLatin1String(v[3]));
    }
}

} // namespace

class StaticAnalysisWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewHost> host;

private slots:
    void init() {
        testing::useItalianNumbers();
        host = std::make_unique<ViewHost>();
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
    }

    // A value out of range is refused naming its box, and nothing is kept; valid values are
    // kept in the project and the analysis opens on them.
    void parametersAreCheckedThenKept() {
        SeismicActionWindow window(*host);
        typeSite(window);
        type(window, "txtAgSLV", "2,5");
        control<QPushButton>(window, "cmdCalcola")->click();
        QCOMPARE(host->messages().messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(host->messages().messages[0].text()).contains("ag (SLV)"));
        QVERIFY(!readNtcParameters(host->session().model().settings));

        type(window, "txtAgSLV", "0,2");
        control<QPushButton>(window, "cmdCalcola")->click();
        const std::optional<NtcParameters> kept =
            readNtcParameters(host->session().model().settings);
        QVERIFY(kept.has_value());
        QCOMPARE(kept->at(LimitState::SLV).ag, 0.2);
        QCOMPARE(kept->at(LimitState::SLD).tcStar, 0.27);
        QVERIFY(!kept->behaviourFactor);
        QCOMPARE(host->closed.back(), QString("frmAnalisiStatica"));
        QCOMPARE(testing::unnamedControls(window), QStringList{});
    }

    void theAnalysisShowsEveryStoreyAndTheShares() {
        NtcParameters p;
        p.hazard = {SiteHazard{0.06, 2.5, 0.25}, SiteHazard{0.08, 2.5, 0.27},
                    SiteHazard{0.2, 2.4, 0.3}};
        writeNtcParameters(host->session().model().settings, p);
        StaticAnalysisWindow window(*host);
        QVERIFY(window.analysis().computed);
        QVERIFY(control<QLabel>(window, "lblEsito")->text().startsWith("q = "));
        QCOMPARE(control<QTableView>(window, "mfgPiani")->model()->rowCount(), 4);
        QCOMPARE(control<QTableView>(window, "mfgSpostamenti")->model()->rowCount(), 4);
        // Storey 4 on the first row; its force in kN with one decimal.
        QCOMPARE(
            control<QTableView>(window, "mfgPiani")->model()->index(0, 2).data().toString(),
            QString::fromStdString(formatNumber(window.analysis().axes[0].forcesSLV(4) / 1000, 1)));
        const Drawing& plan = control<PictureBox>(window, "pctPianta")->drawing();
        int shares = 0;
        for (const Text& t : plan.all<Text>())
            shares += t.text.find('%') != std::string::npos;
        int ritti = 0;
        for (const std::int16_t top : host->results().ritStoreys.values())
            ritti += top >= 1;
        QCOMPARE(shares, 2 * ritti); // two labels for each ritto of storey 1
        QVERIFY(!control<PictureBox>(window, "pctSpettri")->drawing().all<Line>().empty());
        QCOMPARE(testing::unnamedControls(window), QStringList{});
    }

    void withoutParametersItSaysWhatIsMissing() {
        StaticAnalysisWindow window(*host);
        QVERIFY(!window.analysis().computed);
        QVERIFY(control<QLabel>(window, "lblEsito")->text().contains("Parametri Sismici"));
        QCOMPARE(control<QTableView>(window, "mfgPiani")->model()->rowCount(), 0);
    }

    void shareColoursRunFromGreenToRed() {
        QCOMPARE(shareColour(0), Colour::rgb(0, 200, 0));
        QCOMPARE(shareColour(1), Colour::rgb(255, 0, 0));
        QCOMPARE(shareColour(2), Colour::rgb(255, 0, 0));
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::StaticAnalysisWindowTest)
#include "static_analysis_window_test.moc"
