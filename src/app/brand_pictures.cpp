#include "brand_pictures.h"

#include <array>
#include <cmath>

namespace orvanta {

namespace {

constexpr Colour night = Colour::rgb(24, 38, 58);
constexpr Colour concrete = Colour::rgb(196, 202, 210);
constexpr Colour concreteShade = Colour::rgb(120, 130, 145);
constexpr Colour ground = Colour::rgb(110, 84, 60);
constexpr Colour swayOrange = Colour::rgb(255, 150, 40);
constexpr Colour force = Colour::rgb(255, 220, 80);
constexpr Colour massRed = Colour::rgb(230, 60, 60);
constexpr Colour stiffnessGreen = Colour::rgb(60, 210, 110);

// Arrow pointing right with its tip at `tip`.
void arrowRight(Drawing& d, TwipsPoint tip, double length, Colour colour) {
    d.line({tip.x - length, tip.y}, tip, colour);
    d.line(tip, {tip.x - 110, tip.y - 60}, colour);
    d.line(tip, {tip.x - 110, tip.y + 60}, colour);
}

} // namespace

Drawing startupPicture() {
    Drawing d({7200, 6000}, night);

    constexpr int storeys = 4;
    constexpr double baseY = 5300;
    constexpr double storeyHeight = 1050;
    constexpr std::array<double, 4> columnX{1700, 3200, 4700, 6200};
    constexpr double columnHalf = 70;
    constexpr double beamDepth = 110;
    auto levelY = [](int k) { return baseY - storeyHeight * k; };
    // Sway of floor k: the first mode of a shear frame, growing towards the top.
    auto swayAt = [](int k) { return 430.0 * std::sin(1.5707963 * k / storeys); };

    // Ground and foundation beams.
    d.filledBox({500, baseY}, {7000, baseY + 140}, ground);
    d.setPenWidth(1);
    for (double x = 600; x < 7000; x += 220)
        d.line({x, baseY + 140}, {x - 120, baseY + 300}, ground);

    // The undeformed frame: columns and beams as concrete members.
    for (int k = 1; k <= storeys; ++k) {
        for (const double x : columnX)
            d.filledBox({x - columnHalf, levelY(k)}, {x + columnHalf, levelY(k - 1)}, concrete);
        d.filledBox({columnX.front() - columnHalf, levelY(k)},
                    {columnX.back() + columnHalf, levelY(k) + beamDepth}, concrete);
        d.line({columnX.front() - columnHalf, levelY(k) + beamDepth},
               {columnX.back() + columnHalf, levelY(k) + beamDepth}, concreteShade);
    }

    // Triangular storey forces, longer towards the top.
    d.setPenWidth(2);
    for (int k = 1; k <= storeys; ++k) {
        const double length = 250 + 230.0 * k;
        arrowRight(d, {columnX.front() - 180, levelY(k) + beamDepth / 2}, length, force);
    }

    // The deformed axes of the columns and the swayed floors.
    for (const double x : columnX) {
        for (int k = 1; k <= storeys; ++k)
            d.line({x + swayAt(k - 1), levelY(k - 1)}, {x + swayAt(k), levelY(k)}, swayOrange);
    }
    for (int k = 1; k <= storeys; ++k)
        d.line({columnX.front() + swayAt(k), levelY(k)}, {columnX.back() + swayAt(k), levelY(k)},
               swayOrange);

    // Centre of mass and partial centre of stiffness of the top floor, in plan symbols.
    d.setPenWidth(1);
    const double topY = levelY(storeys) - 330;
    d.filledCircle({3950, topY}, 90, massRed, massRed);
    d.setPenWidth(3);
    d.line({4150, topY - 200}, {4150, topY + 200}, stiffnessGreen);
    d.setPenWidth(1);
    d.setFontSize(9);
    d.text({3600, topY - 430}, "C.M.", concrete);
    d.text({4230, topY - 430}, "C.P.R.", concrete);
    return d;
}

Drawing logoPicture() {
    Drawing d({1440, 1440}, night);
    d.filledBox({250, 330}, {1190, 450}, concrete);
    d.filledBox({290, 450}, {390, 1150}, concrete);
    d.filledBox({1050, 450}, {1150, 1150}, concrete);
    d.filledBox({170, 1150}, {1270, 1230}, ground);
    d.setPenWidth(2);
    d.line({340, 1150}, {470, 390}, swayOrange);
    d.line({1100, 1150}, {1230, 390}, swayOrange);
    d.line({470, 390}, {1230, 390}, swayOrange);
    d.setPenWidth(1);
    d.filledCircle({640, 800}, 70, massRed, massRed);
    d.setPenWidth(3);
    d.line({800, 620}, {800, 980}, stiffnessGreen);
    return d;
}

} // namespace orvanta
