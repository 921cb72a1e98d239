// The picture box: primitives drawn in twips, painted scaled to fit with the aspect kept,
// exported as images.

#include "display_locale.h"
#include "drawing_geometry.h"
#include "picture_box.h"
#include "twips.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace orvanta {

namespace {

constexpr Colour blue = Colour::rgb(0, 0, 255);

QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

bool isColour(const QColor& c, Colour expected) {
    return c.red() == expected.red && c.green() == expected.green && c.blue() == expected.blue;
}

// A 1000 × 1000 twips square filled blue on a white background.
Drawing blueSquare() {
    Drawing d({1000, 1000}, colours::white);
    d.filledBox({0, 0}, {1000, 1000}, blue);
    return d;
}

} // namespace

class PictureBoxTest : public QObject {
    Q_OBJECT

private slots:
    // Numbers follow the user's locale; the bare C locale reads as Italian.
    void numbersFollowTheLocaleWithItalianForC() {
        QLocale::setDefault(QLocale::c());
        QCOMPARE(formatNumber(1234567.25, 2, numberFormatOf(displayLocale())),
                 std::string("1.234.567,25"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(formatNumber(-1234.5, 1, numberFormatOf(displayLocale())),
                 std::string("-1,234.5"));
        QLocale::setDefault(QLocale::system());
    }

    void fittingKeepsTheAspectAndCentres() {
        const DrawingViewport v = fitDrawing({12000, 10000}, QRectF(0, 0, 600, 300));
        QCOMPARE(v.scale, 0.03);
        QCOMPARE(v.offset, QPointF(120, 0));
        QCOMPARE(v.toPixels({12000, 10000}), QPointF(480, 300));

        const DrawingViewport tall = fitDrawing({1000, 1000}, QRectF(0, 0, 100, 300));
        QCOMPARE(tall.scale, 0.1);
        QCOMPARE(tall.offset, QPointF(0, 100));
    }

    void aWideAreaLetterboxesTheDrawing() {
        const QImage image = renderDrawing(blueSquare(), {200, 100});
        QVERIFY(isColour(pixel(image, 45, 50), colours::white));
        QVERIFY(isColour(pixel(image, 55, 50), blue));
        QVERIFY(isColour(pixel(image, 145, 50), blue));
        QVERIFY(isColour(pixel(image, 155, 50), colours::white));
    }

    void primitivesLandWhereTheirTwipsSay() {
        Drawing d({1000, 1000}, colours::black);
        d.filledCircle({250, 250}, 100, colours::red, colours::red);
        d.circle({750, 250}, 100, colours::cyan);
        d.line({0, 750}, {1000, 750}, colours::cyan);
        d.box({600, 600}, {900, 900}, colours::green);
        const QImage image = renderDrawing(d, {100, 100});

        QVERIFY(isColour(pixel(image, 25, 25), colours::red));   // filled centre
        QVERIFY(isColour(pixel(image, 75, 25), colours::black)); // hollow centre
        QVERIFY(pixel(image, 85, 25).green() > 100);             // on its smoothed rim
        QVERIFY(isColour(pixel(image, 30, 75), colours::cyan));  // on the line
        QVERIFY(isColour(pixel(image, 30, 70), colours::black));
        QVERIFY(isColour(pixel(image, 75, 60), colours::green)); // outline of the box
        QVERIFY(isColour(pixel(image, 75, 68), colours::black)); // inside the box
    }

    // Pen widths are pixels on screen, whatever the scale.
    void penWidthStaysInPixels() {
        Drawing d({10000, 10000}, colours::black);
        d.setPenWidth(3);
        d.line({0, 5000}, {10000, 5000}, colours::white);
        const QImage image = renderDrawing(d, {100, 100});
        QVERIFY(isColour(pixel(image, 50, 49), colours::white));
        QVERIFY(isColour(pixel(image, 50, 50), colours::white));
        QVERIFY(isColour(pixel(image, 50, 51), colours::white));
        QVERIFY(isColour(pixel(image, 50, 53), colours::black));
    }

    void textIsPrintedBelowAndRightOfItsPoint() {
        Drawing d({2000, 1000}, colours::black);
        d.setFontSize(12);
        d.text({1000, 500}, "XYZ", colours::white);
        const QImage image = renderDrawing(d, {400, 200});
        int inkLeft = 400;
        int inkTop = 200;
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 400; ++x) {
                if (pixel(image, x, y).lightness() > 128) {
                    inkLeft = std::min(inkLeft, x);
                    inkTop = std::min(inkTop, y);
                }
            }
        }
        QVERIFY2(inkLeft >= 199 && inkLeft < 215, qPrintable(QString::number(inkLeft)));
        QVERIFY2(inkTop >= 99 && inkTop < 125, qPrintable(QString::number(inkTop)));
    }

    void theWidgetPaintsItsDrawingScaled() {
        PictureBox box("pctPianta", {1000, 1000});
        box.setDrawing(blueSquare());
        box.resize(200, 100);
        QCOMPARE(box.viewport().scale, 0.1);
        QCOMPARE(box.viewport().offset, QPointF(50, 0));
        const QImage shown = box.grab().toImage();
        QVERIFY(isColour(pixel(shown, 45, 50), colours::white));
        QVERIFY(isColour(pixel(shown, 55, 50), blue));
    }

    void editingKeepsThePrimitivesForTests() {
        PictureBox box("pctElevazione", {4000, 4000});
        box.edit().setBackground(colours::black);
        drawAxisSymbol(box.edit(), {500, 3500}, "X", "Z");
        box.edit().circle({2000, 2600}, 50, colours::cyan);
        QCOMPARE(box.objectName(), QString("pctElevazione"));
        QCOMPARE(box.drawing().all<Line>().size(), size_t{6});
        QCOMPARE(box.drawing().all<Circle>().at(0).radius, 50.0);
        box.edit().clear();
        QVERIFY(box.drawing().primitives().empty());
        QCOMPARE(box.drawing().background(), colours::black);
    }

    // The plan bitmap is the extent at the screen's resolution.
    void theImageHasTheNaturalSizeOfTheExtent() {
        PictureBox box("pctPianta", {14400, 7200});
        box.edit().filledBox({0, 0}, {7200, 7200}, colours::red);
        const QImage image = box.toImage();
        QCOMPARE(image.width(), twipsToPixels(14400, box.logicalDpiX()));
        QCOMPARE(image.height(), twipsToPixels(7200, box.logicalDpiY()));
        QVERIFY(isColour(pixel(image, 2, 2), colours::red));
        QVERIFY(isColour(pixel(image, image.width() - 3, 2), colours::white));
        QCOMPARE(box.sizeHint(), image.size());
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::PictureBoxTest)
#include "picture_box_test.moc"
