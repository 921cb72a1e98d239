// The main window's stored position and size: defaults on a first start, twips text written on
// closing, nothing written when closed minimised, bad values and lost windows recovered.

#include "main_window.h"
#include "scripted_interaction.h"
#include "test_paths.h"
#include "twips.h"

#include <QScreen>
#include <QSettings>
#include <QtTest>
#include <memory>

namespace orvanta {

using testing::ScriptedAsker;
using testing::ScriptedFileChooser;

class WindowSettingsTest : public QObject {
    Q_OBJECT

private:
    QString settingsPath;
    ScriptedAsker asker;
    ScriptedFileChooser chooser;

    std::unique_ptr<MainWindow> makeWindow() {
        return std::make_unique<MainWindow>(asker, chooser, SettingsStore::file(settingsPath));
    }
    void store(const QString& left, const QString& top, const QString& width,
               const QString& height) const {
        QSettings settings(settingsPath, QSettings::IniFormat);
        settings.setValue("Settings/MainLeft", left);
        settings.setValue("Settings/MainTop", top);
        settings.setValue("Settings/MainWidth", width);
        settings.setValue("Settings/MainHeight", height);
    }
    QStringList stored() const {
        QSettings settings(settingsPath, QSettings::IniFormat);
        QStringList values;
        for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            values << settings.value(QStringLiteral("Settings/") + key).toString();
        return values;
    }
    static double dpiX() { return QGuiApplication::primaryScreen()->logicalDotsPerInchX(); }
    static double dpiY() { return QGuiApplication::primaryScreen()->logicalDotsPerInchY(); }
    static QString twipsText(int pixels, double dpi) {
        return QString::number(std::llround(pixelsToTwips(pixels, dpi)));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        const auto folder =
            testing::outputFolder(std::string("settings-") + QTest::currentTestFunction());
        settingsPath = QString::fromStdString((folder / "Orvanta.ini").string());
    }

    void aFirstStartUsesTheDefaults() {
        const auto window = makeWindow();
        QCOMPARE(window->pos(), QPoint(twipsToPixels(1000, dpiX()), twipsToPixels(1000, dpiY())));
        QCOMPARE(window->size(), QSize(twipsToPixels(6500, dpiX()), twipsToPixels(6500, dpiY())));
    }

    void closingStoresThePlacementAsTwipsText() {
        const auto window = makeWindow();
        window->show();
        window->move(150, 120);
        window->resize(700, 520);
        QVERIFY(window->close());

        QCOMPARE(stored(), (QStringList{twipsText(150, dpiX()), twipsText(120, dpiY()),
                                        twipsText(700, dpiX()), twipsText(520, dpiY())}));

        // The next start opens where this one closed.
        const auto next = makeWindow();
        QCOMPARE(next->pos(), QPoint(150, 120));
        QCOMPARE(next->size(), QSize(700, 520));
    }

    void closingMinimisedLeavesTheStoredPlacement() {
        store("2000", "1500", "9000", "7000");
        const auto window = makeWindow();
        window->show();
        window->move(300, 300);
        window->showMinimized();
        QVERIFY(window->isMinimized());
        QVERIFY(window->close());
        QCOMPARE(stored(), (QStringList{"2000", "1500", "9000", "7000"}));
    }

    void valuesThatAreNotUsableFallBackToTheirDefaults() {
        store("abc", "1500", "-20", "");
        const auto window = makeWindow();
        QCOMPARE(window->pos(), QPoint(twipsToPixels(1000, dpiX()), twipsToPixels(1500, dpiY())));
        QCOMPARE(window->size(), QSize(twipsToPixels(6500, dpiX()), twipsToPixels(6500, dpiY())));
    }

    void decimalTwipsAreAccepted() {
        store("1500.0", "1.5E+03", "6000", "6000");
        const auto window = makeWindow();
        QCOMPARE(window->pos(), QPoint(twipsToPixels(1500, dpiX()), twipsToPixels(1500, dpiY())));
    }

    void aWindowStoredOffEveryScreenComesBackToThePrimaryOne() {
        store("9000000", "-9000000", "6500", "6500");
        const auto window = makeWindow();
        const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(primary.contains(QRect(window->pos(), window->size())));
    }

    void keepOnScreensLeavesAReachableWindowAlone() {
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        const QRect primary = screens.front();
        const QPoint fallback(67, 67);

        const QRect onSecond(2500, 400, 800, 600);
        QCOMPARE(keepOnScreens(onSecond, screens, primary, fallback), onSecond);
        const QRect overlapping(1800, 100, 300, 300); // straddles the two screens
        QCOMPARE(keepOnScreens(overlapping, screens, primary, fallback), overlapping);
        const QRect corner(-700, -570, 800, 600); // 100 × 30 pixels still shown
        QCOMPARE(keepOnScreens(corner, screens, primary, fallback), corner);

        const QRect sliver(-795, 100, 800, 600); // 5 pixels wide: out of reach
        QCOMPARE(keepOnScreens(sliver, screens, primary, fallback), QRect(67, 67, 800, 600));
        const QRect huge(5000, 5000, 4000, 3000); // shrunk to fit the primary screen
        QCOMPARE(keepOnScreens(huge, screens, primary, fallback), QRect(67, 67, 1853, 1013));
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::WindowSettingsTest)
#include "window_settings_test.moc"
