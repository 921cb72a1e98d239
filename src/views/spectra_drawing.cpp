#include "spectra_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace orvanta {

namespace {

constexpr TwipsPoint origin{1100, 5800};
constexpr double axisWidth = 10000;
constexpr double axisHeight = 5000;
constexpr int samples = 400;
constexpr Colour axisColour = colours::black;
constexpr Colour periodColour = Colour::rgb(120, 120, 120);

struct Scale {
    double periodMax = 4;   // s
    double ordinateMax = 1; // g

    TwipsPoint at(double period, double ordinate) const {
        return {origin.x + axisWidth * period / periodMax,
                origin.y - axisHeight * ordinate / ordinateMax};
    }
};

// A tick step of 1, 2 or 5 times a power of ten giving about `count` ticks up to `top`.
double tickStep(double top, int count) {
    const double raw = top / count;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10 * power;
}

void drawAxes(Drawing& d, const Scale& s, const NumberFormat& format) {
    d.setPenWidth(1);
    d.line(origin, {origin.x + axisWidth + 200, origin.y}, axisColour);
    d.line(origin, {origin.x, origin.y - axisHeight - 200}, axisColour);
    const double tStep = tickStep(s.periodMax, 8);
    for (double t = tStep; t <= s.periodMax + 1e-9; t += tStep) {
        const TwipsPoint p = s.at(t, 0);
        d.line(p, {p.x, p.y + 80}, axisColour);
        d.text({p.x - 150, p.y + 120}, formatNumber(t, tStep < 1 ? 1 : 0, format), axisColour);
    }
    const double sStep = tickStep(s.ordinateMax, 5);
    const int decimals = sStep < 0.1 ? 2 : 1;
    for (double v = sStep; v <= s.ordinateMax + 1e-9; v += sStep) {
        const TwipsPoint p = s.at(0, v);
        d.line({p.x - 80, p.y}, p, axisColour);
        d.text({p.x - 700, p.y - 110}, formatNumber(v, decimals, format), axisColour);
    }
    d.text({origin.x + axisWidth - 200, origin.y + 420}, "T [s]", axisColour);
    d.text({origin.x - 700, origin.y - axisHeight - 500}, "S [g]", axisColour);
}

template <class Ordinate>
void drawCurve(Drawing& d, const Scale& s, Colour colour, Ordinate ordinate) {
    TwipsPoint last = s.at(0, ordinate(0));
    for (int i = 1; i <= samples; ++i) {
        const double t = s.periodMax * i / samples;
        const TwipsPoint next = s.at(t, ordinate(t));
        d.line(last, next, colour);
        last = next;
    }
}

void drawPeriod(Drawing& d, const Scale& s, const AxisAction& a, const char* axis, int row,
                const NumberFormat& format) {
    const TwipsPoint foot = s.at(a.period, 0);
    for (double y = 0; y < axisHeight; y += 240)
        d.line({foot.x, foot.y - y}, {foot.x, foot.y - std::min(y + 140, axisHeight)},
               periodColour);
    d.text({foot.x + 60, origin.y - axisHeight + 60 + row * 220},
           std::string("T1,") + axis + " = " + formatNumber(a.period, 3, format) + " s",
           periodColour);
}

void drawLegend(Drawing& d, const LinearStaticResults& r, const NumberFormat& format) {
    const std::string q = formatNumber(r.behaviour.q, 2, format);
    const std::pair<Colour, std::string> entries[] = {{sloColour, "Se SLO"},
                                                      {sldColour, "Se SLD"},
                                                      {slvColour, "Se SLV"},
                                                      {designColour, "Sd SLV (q = " + q + ")"}};
    double y = origin.y - axisHeight;
    for (const auto& [colour, caption] : entries) {
        const double x = origin.x + axisWidth - 2600;
        d.setPenWidth(2);
        d.line({x, y + 110}, {x + 400, y + 110}, colour);
        d.setPenWidth(1);
        d.text({x + 500, y}, caption, colour);
        y += 230;
    }
}

} // namespace

void drawSpectra(Drawing& d, const LinearStaticResults& r, const NumberFormat& format) {
    d.clear();
    d.setExtent(spectraExtent);
    d.setBackground(colours::white);
    d.setFontSize(8);
    if (!r.computed)
        return;
    Scale s;
    s.periodMax = std::max({4.0, 1.2 * r.axes[0].period, 1.2 * r.axes[1].period});
    double highest = 0;
    for (const LimitState state : allLimitStates)
        highest = std::max(highest, elasticSpectrum(r.spectrum(state), r.spectrum(state).tc));
    s.ordinateMax = 1.15 * highest;

    drawAxes(d, s, format);
    d.setPenWidth(2);
    const std::pair<LimitState, Colour> elastic[] = {
        {LimitState::SLO, sloColour}, {LimitState::SLD, sldColour}, {LimitState::SLV, slvColour}};
    for (const auto& [state, colour] : elastic) {
        const SpectrumShape& shape = r.spectrum(state);
        drawCurve(d, s, colour, [&shape](double t) { return elasticSpectrum(shape, t); });
    }
    const SpectrumShape& slv = r.spectrum(LimitState::SLV);
    const double q = r.behaviour.q;
    drawCurve(d, s, designColour, [&slv, q](double t) { return designSpectrum(slv, q, t); });
    d.setPenWidth(1);
    drawPeriod(d, s, r.axis(ActionAxis::X), "X", 0, format);
    drawPeriod(d, s, r.axis(ActionAxis::Y), "Y", 1, format);
    drawLegend(d, r, format);
}

} // namespace orvanta
