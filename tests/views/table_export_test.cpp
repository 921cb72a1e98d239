// Tables out of the result windows: Ctrl+C and the context menu copy the selection or the whole
// table with exact numbers, and the CSV file follows the user's locale. The numbers read back
// from the clipboard equal the results they were shown from.

#include "centres_window.h"
#include "family_window.h"
#include "matrix_window.h"
#include "normalised_matrix.h"
#include "sample_models.h"
#include "stiffness_centres.h"
#include "table_export.h"
#include "view_controls.h"
#include "view_host.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

namespace orvanta {

using testing::control;
using testing::ViewHost;

namespace {

QStringList linesOf(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A number as a spreadsheet in the locale reads it: decimal sign and exponent, no grouping.
double spreadsheetNumber(QString text, QChar decimalSign) {
    text.replace(decimalSign, QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok); // C locale: point, no grouping
    if (!ok)
        qWarning() << "not a number:" << text;
    return value;
}

// A frame of 3 × 2 lines and two storeys, calculated, with the centres of its families.
std::unique_ptr<ViewHost> calculatedFrame() {
    auto host = std::make_unique<ViewHost>();
    Model m = testing::fullFrame(3, 2, 2);
    m.massCentre(1, 1) = 5000;
    m.massCentre(1, 2) = 2000;
    m.massCentre(2, 1) = 5000.125;
    m.massCentre(2, 2) = 1999.5;
    host->useAndCalculate(std::move(m));
    computeStiffnessCentres(host->session().model(), host->results());
    return host;
}

QString copied(QTableView& table) {
    QApplication::clipboard()->clear();
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text();
}

} // namespace

class TableExportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::useItalianNumbers(); }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // Every term of the normalised matrix leaves at full precision: 1000·K(r,c)/K(1,1) exactly.
    void familyMatrixCopiedWholeReadsBackAsTheResults() {
        auto host = calculatedFrame();
        FamilyWindow window(*host, Direction::orthogonalToX);
        auto* table = control<QTableView>(window, "mfgRitto1");
        const QStringList lines = linesOf(copied(*table));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Piano\t1\t2"));
        const int ritto = control<QLineEdit>(window, "txtRitto1")->text().toInt();
        const Array3<double>& k = host->results()[Direction::orthogonalToX].ritMatrix;
        for (int r = 1; r <= 2; ++r) {
            const QStringList cells = lines[r].split(QLatin1Char('\t'));
            QCOMPARE(cells.size(), 3);
            QCOMPARE(cells[0], QString::number(r));
            for (int c = 1; c <= 2; ++c)
                QCOMPARE(spreadsheetNumber(cells[c], QLatin1Char(',')),
                         normalisedTerm(k(ritto, r, c), k(ritto, 1, 1)));
        }
        // Term (1, 1) is shown "1.000" and leaves as a number a spreadsheet reads: "1000".
        QCOMPARE(lines[1].split(QLatin1Char('\t'))[1], QStringLiteral("1000"));
    }

    void selectionCopiesOnlyTheSelectedCells() {
        auto host = calculatedFrame();
        MatrixWindow window(*host);
        auto* table = control<QTableView>(window, "mfgKxy");
        table->selectionModel()->select(table->model()->index(1, 0), QItemSelectionModel::Select);
        table->selectionModel()->select(table->model()->index(1, 1), QItemSelectionModel::Select);
        const QStringList lines = linesOf(copied(*table));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Piano\t1\t2"));
        const QStringList cells = lines[1].split(QLatin1Char('\t'));
        QCOMPARE(cells[0], QStringLiteral("2"));
        // Row 2 of Kxy: storey 2's X translation against the Y translations (columns 3, 4).
        QCOMPARE(spreadsheetNumber(cells[1], QLatin1Char(',')),
                 100 * host->results().globalStiffness(2, 3));
        QCOMPARE(spreadsheetNumber(cells[2], QLatin1Char(',')),
                 100 * host->results().globalStiffness(2, 4));
    }

    void copyAllIgnoresTheSelection() {
        auto host = calculatedFrame();
        MatrixWindow window(*host);
        auto* table = control<QTableView>(window, "mfgKxx");
        table->selectionModel()->select(table->model()->index(0, 0), QItemSelectionModel::Select);
        auto* copyAll = table->findChild<QAction*>("mnuCopiaTutto");
        QVERIFY(copyAll);
        QVERIFY(table->findChild<QAction*>("mnuEsportaCsv"));
        copyAll->trigger();
        QCOMPARE(linesOf(QApplication::clipboard()->text()).size(), 3);
    }

    void centresCopiedReadBackAsTheComputedCentres() {
        auto host = calculatedFrame();
        CentresWindow window(*host);
        const QStringList mass = linesOf(copied(*control<QTableView>(window, "mfgBaricentri")));
        QCOMPARE(mass.size(), 3);
        QCOMPARE(mass[0], QStringLiteral("Piano\tC.M. X [mm]\tC.M. Y [mm]"));
        QCOMPARE(mass[2], QStringLiteral("2\t5000,125\t1999,5"));
        const QStringList stiffness =
            linesOf(copied(*control<QTableView>(window, "mfgCentriRigidezza")));
        QCOMPARE(stiffness.size(), 2);
        const QStringList cells = stiffness[1].split(QLatin1Char('\t'));
        QCOMPARE(spreadsheetNumber(cells[1], QLatin1Char(',')),
                 host->results()[Direction::orthogonalToX].stiffnessCentre(1));
        QCOMPARE(spreadsheetNumber(cells[3], QLatin1Char(',')),
                 host->results()[Direction::orthogonalToY].stiffnessCentre(1));
    }

    void csvFollowsTheItalianAndTheEnglishLocale() {
        auto host = calculatedFrame();
        CentresWindow window(*host);
        auto* table = control<QTableView>(window, "mfgBaricentri");
        const std::filesystem::path folder = testing::outputFolder("table-csv");
        const QString italian = QString::fromStdString((folder / "it.csv").string());
        QCOMPARE(exportTableCsv(*table, italian), QString());
        QCOMPARE(QString::fromStdString(exportedTable(*table, true).name),
                 QStringLiteral("frmCentri-mfgBaricentri"));
        QCOMPARE(testing::readBytes(folder / "it.csv"),
                 std::string("\xEF\xBB\xBFPiano;C.M. X [mm];C.M. Y [mm]\r\n1;5000;2000\r\n"
                             "2;5000,125;1999,5\r\n"));

        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString english = QString::fromStdString((folder / "en.csv").string());
        QCOMPARE(exportTableCsv(*table, english), QString());
        QCOMPARE(testing::readBytes(folder / "en.csv"),
                 std::string("\xEF\xBB\xBFPiano,C.M. X [mm],C.M. Y [mm]\r\n1,5000,2000\r\n"
                             "2,5000.125,1999.5\r\n"));
    }

    void aFailedCsvNamesTheFileAndTheReason() {
        auto host = calculatedFrame();
        MatrixWindow window(*host);
        const QString path = QStringLiteral("/cartella-che-non-esiste/k.csv");
        const QString error = exportTableCsv(*control<QTableView>(window, "mfgKxx"), path);
        QVERIFY2(error.contains(path), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("non esiste")), qPrintable(error));
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::TableExportTest)
#include "table_export_test.moc"
