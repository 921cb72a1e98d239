#pragma once

// The main window's stored position and size.
//
// Per-user settings of the application "Orvanta", group "Settings", keys "MainLeft",
// "MainTop", "MainWidth" and "MainHeight", each the decimal text of a length in twips
// (1440 per inch): left and top of the window's frame on the desktop, width and height of the
// window. Defaults 1000, 1000, 6500, 6500: on a 96 dpi screen (15 twips per pixel) the window
// opens at (67, 67) pixels, 433 × 433 pixels large.

#include <QList>
#include <QRect>
#include <QString>
#include <memory>

class QSettings;

namespace orvanta {

struct WindowPlacementTwips {
    double left = 1000;
    double top = 1000;
    double width = 6500;
    double height = 6500;
    bool operator==(const WindowPlacementTwips&) const = default;
};

// Where the settings live: the user's own store, or an INI file chosen by a test.
class SettingsStore {
public:
    static SettingsStore perUser() { return SettingsStore(QString()); }
    static SettingsStore file(const QString& path) { return SettingsStore(path); }

    std::unique_ptr<QSettings> open() const;

private:
    explicit SettingsStore(QString path) : path_(std::move(path)) {}
    QString path_; // empty: the user's store
};

// Reads the four keys. A key that is missing, or holds no finite number, takes its default;
// so does a width or height that is not positive.
WindowPlacementTwips readMainPlacement(QSettings& settings);
// Writes the four keys as whole twips.
void writeMainPlacement(QSettings& settings, const WindowPlacementTwips& placement);

// Twips to a pixel rectangle at the given resolution, and back.
QRect placementToPixels(const WindowPlacementTwips& placement, double dpiX, double dpiY);
WindowPlacementTwips pixelsToPlacement(const QRect& frame, double dpiX, double dpiY);

// A window frame that no screen shows enough of to be grabbed (at least 50 × 30 pixels) is
// moved to `fallbackTopLeft` on the primary screen and shrunk to fit it; any other frame is
// returned as it is. Screens are their available areas in desktop pixels.
QRect keepOnScreens(const QRect& frame, const QList<QRect>& screens, const QRect& primary,
                    const QPoint& fallbackTopLeft);

} // namespace orvanta
