#include "response_spectrum.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

SpectrumShape site(SoilCategory soil, double ag = 0.25, double f0 = 2.5, double tc = 0.30,
                   TopographicCategory t = TopographicCategory::T1) {
    return spectrumShape({ag, f0, tc}, soil, t, 5);
}

struct SoilCase {
    SoilCategory soil;
    double ss; // hand: clamp of the table's line at a = ag·F0 = 0.625
    double cc; // Tab. 3.2.IV, TC = CC·Tc*
};

// Every soil class at ag 0.25 g, F0 2.5, Tc* 0.30 s: SS and TC by hand from Tab. 3.2.IV, the
// ordinates at the corner periods from the four branches.
TEST(ResponseSpectrum, EverySoilClassAtItsCornerPeriods) {
    const SoilCase cases[] = {
        {SoilCategory::A, 1.0, 1.0},
        {SoilCategory::B, 1.40 - 0.40 * 0.625, 1.10 * 1.2722596},  // 0.30^−0.20
        {SoilCategory::C, 1.70 - 0.60 * 0.625, 1.05 * 1.4878186},  // 0.30^−0.33
        {SoilCategory::D, 2.40 - 1.50 * 0.625, 1.25 * 1.8257419},  // 0.30^−0.50
        {SoilCategory::E, 2.00 - 1.10 * 0.625, 1.15 * 1.6186446}}; // 0.30^−0.40
    for (const SoilCase& c : cases) {
        SCOPED_TRACE(soilName(c.soil));
        const SpectrumShape s = site(c.soil);
        EXPECT_NEAR(s.amplification, c.ss, 1e-12);
        EXPECT_NEAR(s.tc, c.cc * 0.30, 1e-6);
        EXPECT_NEAR(s.tb, s.tc / 3, 1e-12);
        EXPECT_NEAR(s.td, 2.6, 1e-12);
        const double plateau = 0.25 * c.ss * 2.5;
        EXPECT_NEAR(elasticSpectrum(s, 0), 0.25 * c.ss, 1e-12);
        EXPECT_NEAR(elasticSpectrum(s, s.tb), plateau, 1e-12);
        EXPECT_NEAR(elasticSpectrum(s, s.tc), plateau, 1e-12);
        EXPECT_NEAR(elasticSpectrum(s, 2 * s.tc), plateau / 2, 1e-12);
        EXPECT_NEAR(elasticSpectrum(s, 2 * s.td), plateau * s.tc / s.td / 4, 1e-12);
    }
}

TEST(ResponseSpectrum, SoilFactorsAreClampedAtTheTableBounds) {
    // Soil B at a = 0.125: the line gives 1.35, the table stops at 1.20.
    EXPECT_DOUBLE_EQ(site(SoilCategory::B, 0.05, 2.5, 0.25).soilFactor, 1.20);
    // Soil D at a = 1.25: the line gives 0.525, the table stops at 0.90.
    EXPECT_DOUBLE_EQ(site(SoilCategory::D, 0.5, 2.5, 0.40).soilFactor, 0.90);
    // Soil C at a = 1.25: 0.95 is below the floor of 1.00.
    EXPECT_DOUBLE_EQ(site(SoilCategory::C, 0.5, 2.5, 0.40).soilFactor, 1.00);
}

TEST(ResponseSpectrum, TopographyMultipliesTheSoilFactor) {
    const double st[] = {1.0, 1.2, 1.2, 1.4};
    const TopographicCategory ts[] = {TopographicCategory::T1, TopographicCategory::T2,
                                      TopographicCategory::T3, TopographicCategory::T4};
    for (int i = 0; i < 4; ++i) {
        const SpectrumShape s = site(SoilCategory::B, 0.25, 2.5, 0.30, ts[i]);
        EXPECT_DOUBLE_EQ(s.topographyFactor, st[i]);
        EXPECT_DOUBLE_EQ(s.amplification, 1.15 * st[i]);
    }
}

TEST(ResponseSpectrum, DampingChangesTheEtaFactorDownToItsFloor) {
    EXPECT_DOUBLE_EQ(
        spectrumShape({0.2, 2.5, 0.3}, SoilCategory::A, TopographicCategory::T1, 5).eta, 1.0);
    // ξ = 10 %: √(10/15).
    EXPECT_NEAR(spectrumShape({0.2, 2.5, 0.3}, SoilCategory::A, TopographicCategory::T1, 10).eta,
                0.8164966, 1e-7);
    // ξ = 30 %: √(10/35) = 0.5345 is below the floor 0.55.
    EXPECT_DOUBLE_EQ(
        spectrumShape({0.2, 2.5, 0.3}, SoilCategory::A, TopographicCategory::T1, 30).eta, 0.55);
}

TEST(ResponseSpectrum, DesignSpectrumDividesThePlateauByQAndKeepsTheFloor) {
    const SpectrumShape s = site(SoilCategory::B); // plateau 0.71875 g
    EXPECT_NEAR(designSpectrum(s, 3.9, s.tc), 0.71875 / 3.9, 1e-12);
    // At T = 0 the design spectrum starts from ag·S, as the elastic one does.
    EXPECT_NEAR(designSpectrum(s, 3.9, 0), 0.25 * 1.15, 1e-12);
    // Far along the tail the ordinate would drop under 0.2·ag = 0.05 g: it stays there.
    EXPECT_NEAR(designSpectrum(s, 3.9, 3.0), 0.05, 1e-12);
    const double tail = 0.71875 / 3.9 * s.tc / 1.0;
    EXPECT_NEAR(designSpectrum(s, 3.9, 1.0), tail, 1e-12);
    EXPECT_GT(tail, 0.05);
}

} // namespace
} // namespace orvanta
