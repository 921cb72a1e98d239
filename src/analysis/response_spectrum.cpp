#include "response_spectrum.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

struct SoilCoefficients {
    double ss;
    double cc;
};

SoilCoefficients soilCoefficients(SoilCategory soil, double ag, double f0, double tcStar) {
    const double a = ag * f0;
    switch (soil) {
    case SoilCategory::A:
        return {1.0, 1.0};
    case SoilCategory::B:
        return {std::clamp(1.40 - 0.40 * a, 1.00, 1.20), 1.10 * std::pow(tcStar, -0.20)};
    case SoilCategory::C:
        return {std::clamp(1.70 - 0.60 * a, 1.00, 1.50), 1.05 * std::pow(tcStar, -0.33)};
    case SoilCategory::D:
        return {std::clamp(2.40 - 1.50 * a, 0.90, 1.80), 1.25 * std::pow(tcStar, -0.50)};
    case SoilCategory::E:
        return {std::clamp(2.00 - 1.10 * a, 1.00, 1.60), 1.15 * std::pow(tcStar, -0.40)};
    }
    return {1.0, 1.0};
}

double topographyFactor(TopographicCategory t) {
    switch (t) {
    case TopographicCategory::T1:
        return 1.0;
    case TopographicCategory::T2:
    case TopographicCategory::T3:
        return 1.2;
    case TopographicCategory::T4:
        return 1.4;
    }
    return 1.0;
}

// The spectrum's four branches with the plateau's reduction `eta`.
double spectrumOrdinate(const SpectrumShape& s, double eta, double period) {
    const double t = std::max(period, 0.0);
    const double plateau = s.ag * s.amplification * eta * s.f0;
    if (t < s.tb)
        return plateau * (t / s.tb + (1 - t / s.tb) / (eta * s.f0));
    if (t < s.tc)
        return plateau;
    if (t < s.td)
        return plateau * s.tc / t;
    return plateau * s.tc * s.td / (t * t);
}

} // namespace

SpectrumShape spectrumShape(const SiteHazard& h, SoilCategory soil, TopographicCategory topography,
                            double dampingPercent) {
    SpectrumShape s;
    s.ag = h.ag;
    s.f0 = h.f0;
    s.tcStar = h.tcStar;
    const SoilCoefficients c = soilCoefficients(soil, h.ag, h.f0, h.tcStar);
    s.soilFactor = c.ss;
    s.periodFactor = c.cc;
    s.topographyFactor = topographyFactor(topography);
    s.amplification = s.soilFactor * s.topographyFactor;
    s.tc = c.cc * h.tcStar;
    s.tb = s.tc / 3;
    s.td = 4.0 * h.ag + 1.6;
    s.eta = std::max(std::sqrt(10 / (5 + dampingPercent)), 0.55);
    return s;
}

double elasticSpectrum(const SpectrumShape& shape, double period) {
    return spectrumOrdinate(shape, shape.eta, period);
}

double designSpectrum(const SpectrumShape& shape, double q, double period) {
    return std::max(spectrumOrdinate(shape, 1 / q, period), 0.2 * shape.ag);
}

} // namespace orvanta
