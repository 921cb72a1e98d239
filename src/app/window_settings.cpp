#include "window_settings.h"

#include "twips.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

constexpr const char* group = "Settings";
constexpr const char* leftKey = "MainLeft";
constexpr const char* topKey = "MainTop";
constexpr const char* widthKey = "MainWidth";
constexpr const char* heightKey = "MainHeight";

constexpr int grabWidth = 50;
constexpr int grabHeight = 30;

double readTwips(QSettings& settings, const char* key, double fallback, bool mustBePositive) {
    bool isNumber = false;
    const double value = settings.value(key).toString().trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value) || (mustBePositive && value <= 0))
        return fallback;
    return value;
}

QString twipsText(double twips) {
    return QString::number(std::llround(twips));
}

} // namespace

std::unique_ptr<QSettings> SettingsStore::open() const {
    if (path_.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Orvanta"), QStringLiteral("Orvanta"));
    return std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

WindowPlacementTwips readMainPlacement(QSettings& settings) {
    const WindowPlacementTwips defaults;
    settings.beginGroup(group);
    const WindowPlacementTwips placement{
        readTwips(settings, leftKey, defaults.left, false),
        readTwips(settings, topKey, defaults.top, false),
        readTwips(settings, widthKey, defaults.width, true),
        readTwips(settings, heightKey, defaults.height, true),
    };
    settings.endGroup();
    return placement;
}

void writeMainPlacement(QSettings& settings, const WindowPlacementTwips& placement) {
    settings.beginGroup(group);
    settings.setValue(leftKey, twipsText(placement.left));
    settings.setValue(topKey, twipsText(placement.top));
    settings.setValue(widthKey, twipsText(placement.width));
    settings.setValue(heightKey, twipsText(placement.height));
    settings.endGroup();
    settings.sync();
}

QRect placementToPixels(const WindowPlacementTwips& placement, double dpiX, double dpiY) {
    return {twipsToPixels(placement.left, dpiX), twipsToPixels(placement.top, dpiY),
            std::max(1, twipsToPixels(placement.width, dpiX)),
            std::max(1, twipsToPixels(placement.height, dpiY))};
}

WindowPlacementTwips pixelsToPlacement(const QRect& frame, double dpiX, double dpiY) {
    return {pixelsToTwips(frame.x(), dpiX), pixelsToTwips(frame.y(), dpiY),
            pixelsToTwips(frame.width(), dpiX), pixelsToTwips(frame.height(), dpiY)};
}

QRect keepOnScreens(const QRect& frame, const QList<QRect>& screens, const QRect& primary,
                    const QPoint& fallbackTopLeft) {
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(frame);
        if (shown.width() >= std::min(grabWidth, frame.width()) &&
            shown.height() >= std::min(grabHeight, frame.height()) && !shown.isEmpty())
            return frame;
    }
    QRect moved(primary.topLeft() + fallbackTopLeft, frame.size());
    moved.setWidth(std::min(moved.width(), primary.right() - moved.left() + 1));
    moved.setHeight(std::min(moved.height(), primary.bottom() - moved.top() + 1));
    if (moved.width() < grabWidth || moved.height() < grabHeight)
        moved = QRect(primary.topLeft(), frame.size().boundedTo(primary.size()));
    return moved;
}

} // namespace orvanta
