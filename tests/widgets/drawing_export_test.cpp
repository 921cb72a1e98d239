// Drawings out of the windows: an SVG that Qt's own renderer reads back at the drawing's size
// with one element for each primitive, a PNG at the resolution asked over the printed size, and
// the colours of white paper.

#include "accessibility_check.h"
#include "drawing_export.h"
#include "image_export_dialog.h"
#include "test_paths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QtTest>

namespace orvanta {

namespace {

// A plan as the windows draw it: black paper, white columns, cyan grid, a hidden line.
Drawing smallPlan() {
    Drawing d({12000, 10000}, colours::black);
    d.line({500, 9500}, {11000, 9500}, colours::cyan);
    d.line({500, 500}, {500, 9500}, colours::cyan);
    d.line({500, 500}, {11000, 500}, colours::black); // drawn over to hide a line
    d.filledBox({350, 9350}, {650, 9650}, colours::white);
    d.filledCircle({4000, 5000}, 100, colours::red, colours::red);
    d.text({200, 200}, "Piano 1", colours::red);
    return d;
}

int count(const QString& text, const QString& pattern) {
    return static_cast<int>(text.count(QRegularExpression(pattern)));
}

} // namespace

class DrawingExportTest : public QObject {
    Q_OBJECT

private slots:
    void svgReadsBackAtTheDrawingSizeWithEveryPrimitive() {
        const auto file = testing::outputFolder("drawing-svg") / "pianta.svg";
        const QString path = QString::fromStdString(file.string());
        QCOMPARE(exportDrawing(smallPlan(), path, {ImageFormat::svg, 300, false}), QString());
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        // 12000 × 10000 twips drawn at 96 pixels an inch, on a page of the printed size: 8,33 ×
        // 6,94 inches, which SVG readers take at 90 pixels an inch.
        QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 800, 667));
        QCOMPARE(renderer.defaultSize(), printedPixels({12000, 10000}, 90));
        const QString svg = QString::fromUtf8(testing::readBytes(file));
        QCOMPARE(count(svg, QStringLiteral("<text\\b")), 1);
        QVERIFY(svg.contains(QStringLiteral("Piano 1")));
        QCOMPARE(count(svg, QStringLiteral("<ellipse\\b|<circle\\b")), 1);
        // Three lines, the box and the paper: one drawing element each.
        QCOMPARE(count(svg, QStringLiteral("<polyline\\b|<line\\b|<path\\b|<rect\\b|<polygon\\b")),
                 5);
    }

    void pngAtTheChosenResolutionOverThePrintedSize() {
        QCOMPARE(printedPixels({12000, 10000}, defaultExportDpi), QSize(2500, 2083));
        QCOMPARE(printedPixels({1440, 720}, 150), QSize(150, 75));
        const auto file = testing::outputFolder("drawing-png") / "pianta.png";
        const QString path = QString::fromStdString(file.string());
        QCOMPARE(exportDrawing(smallPlan(), path, {ImageFormat::png, 150, true}), QString());
        const QImage image(path);
        QCOMPARE(image.size(), QSize(1250, 1042));
        QCOMPARE(image.dotsPerMeterX(), 5906);                     // 150 dpi
        QCOMPARE(image.pixelColor(1200, 1000), QColor(Qt::white)); // white paper
        // The column square, white on the screen, is black on paper.
        QCOMPARE(image.pixelColor(52, 1041 - 52), QColor(Qt::black));
    }

    void whitePaperSwapsOnlyWhiteAndTheBackground() {
        const Drawing paper = onWhitePaper(smallPlan());
        QCOMPARE(paper.background(), colours::white);
        const std::vector<Line> lines = paper.all<Line>();
        QCOMPARE(lines[0].colour, colours::cyan);
        QCOMPARE(lines[2].colour, colours::white); // still hidden
        QCOMPARE(paper.all<Box>()[0].colour, colours::black);
        QCOMPARE(*paper.all<Circle>()[0].fill, colours::red);
        QCOMPARE(paper.all<Text>()[0].fontSize, 8.0);
        QCOMPARE(paper.primitives().size(), smallPlan().primitives().size());
    }

    void theDialogOffersPngAt300DpiOnWhitePaperFirst() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        ImageExportDialog dialog({12000, 10000});
        QCOMPARE(dialog.options(), (ImageExport{ImageFormat::png, 300, true}));
        auto* pixels = dialog.findChild<QLabel*>("lblDimensioni");
        QCOMPARE(pixels->text(), QStringLiteral("2500 × 2083 pixel, stampa 21,2 × 17,6 cm"));
        dialog.findChild<QSpinBox*>("txtRisoluzione")->setValue(150);
        QVERIFY(pixels->text().startsWith(QStringLiteral("1250 × 1042 pixel")));
        dialog.findChild<QComboBox*>("cmbFormato")->setCurrentIndex(1);
        dialog.findChild<QCheckBox*>("chkSfondoBianco")->setChecked(false);
        QCOMPARE(dialog.options(), (ImageExport{ImageFormat::svg, 150, false}));
        QVERIFY(!dialog.findChild<QSpinBox*>("txtRisoluzione")->isEnabled());
        QCOMPARE(testing::unnamedControls(dialog), QStringList{});
    }

    void pngLinesAsThickInPrintAsOnTheScreen() {
        const Drawing at300 = drawingToExport(smallPlan(), {ImageFormat::png, 300, false});
        QCOMPARE(at300.all<Line>()[0].penWidth, 3);
        QCOMPARE(at300.background(), colours::black);
        QCOMPARE(at300.all<Box>()[0].colour, colours::white);
        QCOMPARE(drawingToExport(smallPlan(), {ImageFormat::png, 72, true}).all<Line>()[0].penWidth,
                 1);
        QCOMPARE(
            drawingToExport(smallPlan(), {ImageFormat::svg, 300, true}).all<Line>()[0].penWidth, 1);
    }

    void aFailedExportNamesTheFileAndTheReason() {
        const QString path = QStringLiteral("/cartella-che-non-esiste/p.png");
        const QString error = exportDrawing(smallPlan(), path, {});
        QVERIFY2(error.contains(path) && error.contains(QStringLiteral("non esiste")),
                 qPrintable(error));
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::DrawingExportTest)
#include "drawing_export_test.moc"
