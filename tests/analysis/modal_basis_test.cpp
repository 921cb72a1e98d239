#include "generated_buildings.h"
#include "modal_basis.h"
#include "sample_models.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace orvanta {
namespace {

// One storey with its stored centre of mass at the origin, ρ = 1000 mm, and the seismic mass m
// (N·s²/mm) at (x*, y*) with the radius of gyration ls.
struct OneStorey {
    Model model = testing::fullFrame(2, 2, 1);
    std::vector<StoreySeismicMass> masses;

    OneStorey(double m, double xStar, double yStar, double ls) {
        model.massCentre(1, 1) = 0;
        model.massCentre(1, 2) = 0;
        model.gyrationRadius(1) = 1000;
        masses = {{m * gravity, xStar, yStar, ls}};
    }
};

Array2<double> diagonal(std::initializer_list<double> terms) {
    const int n = static_cast<int>(terms.size());
    Array2<double> k(1, n, 1, n);
    int i = 1;
    for (const double t : terms) {
        k(i, i) = t;
        ++i;
    }
    return k;
}

TEST(ModalBasis, MassAtTheStoredCentreGivesTheClosedFormModesAndFullParticipation) {
    // m = 100, K/E = diag(4, 9, 16), E = 28 500: ω² = 28 500·k/100, the softest (X) first.
    const OneStorey one(100, 0, 0, 1000);
    const Array2<double> mass = seismicMassMatrix(one.model, one.masses);
    EXPECT_EQ(mass(1, 1), 100);
    EXPECT_EQ(mass(3, 3), 100);
    EXPECT_EQ(mass(1, 3), 0);
    const std::optional<ModalBasis> basis = modalBasis(diagonal({4, 9, 16}), mass, 28500);
    ASSERT_TRUE(basis);
    ASSERT_EQ(basis->modes.size(), 3u);
    EXPECT_NEAR(basis->modes[0].period, 2 * std::numbers::pi / std::sqrt(1140), 1e-12);
    EXPECT_NEAR(basis->modes[1].period, 2 * std::numbers::pi / std::sqrt(2565), 1e-12);
    // Φ = 0.1 so that Φᵀ·M·Φ = 1; Γ_X = 100·0.1 = 10 (either sign); Γ² = Σm.
    EXPECT_NEAR(std::fabs(basis->modes[0].shape[0]), 0.1, 1e-12);
    EXPECT_NEAR(std::fabs(basis->modes[0].participationX), 10, 1e-10);
    EXPECT_NEAR(basis->modes[0].massRatioX, 1, 1e-12);
    EXPECT_NEAR(basis->modes[0].massRatioY, 0, 1e-12);
    EXPECT_NEAR(basis->modes[1].massRatioY, 1, 1e-12);
    EXPECT_NEAR(basis->modes[2].massRatioX + basis->modes[2].massRatioY, 0, 1e-12);
    EXPECT_EQ(basis->totalMass, 100);
}

TEST(ModalBasis, AMassOffsetAlongXCouplesYWithTheRotation) {
    // G* at x* = 1000 from the stored centre, ls = ρ = 1000: M_vφ = m·1000/1000 = m and
    // M_φφ = m·(1000² + 1000²)/1000² = 2m; along X nothing changes (dy = 0).
    const OneStorey one(100, 1000, 0, 1000);
    const Array2<double> mass = seismicMassMatrix(one.model, one.masses);
    EXPECT_EQ(mass(2, 3), 100);
    EXPECT_EQ(mass(3, 2), 100);
    EXPECT_EQ(mass(1, 3), 0);
    EXPECT_EQ(mass(3, 3), 200);
    // K = k·I on (v, φ): det(K − λM) = λ²m² − 3kmλ + k² = 0, λ = (k/m)·(3 ∓ √5)/2.
    const double k = 10, e = 1000, m = 100;
    const std::optional<ModalBasis> basis = modalBasis(diagonal({1000, k, k}), mass, e);
    ASSERT_TRUE(basis);
    const double slow = e * k / m * (3 - std::sqrt(5.0)) / 2;
    const double fast = e * k / m * (3 + std::sqrt(5.0)) / 2;
    EXPECT_NEAR(basis->modes[0].angularFrequency, std::sqrt(slow), 1e-10);
    EXPECT_NEAR(basis->modes[1].angularFrequency, std::sqrt(fast), 1e-10);
    EXPECT_NEAR(basis->modes[2].massRatioX, 1, 1e-12);
    // Both coupled modes share the Y mass.
    EXPECT_NEAR(basis->modes[0].massRatioY + basis->modes[1].massRatioY, 1, 1e-12);
    EXPECT_GT(basis->modes[0].massRatioY, 0.5);
    EXPECT_LT(basis->modes[1].massRatioY, 0.5);
}

TEST(ModalBasis, TheParticipatingMassesOfEveryModeAddUpToTheWholeBuilding) {
    const Model m = testing::regularBuilding(4, 3, 5);
    const int n = m.counts.nStoreys;
    // A shear building in each of the three freedoms, storey stiffness kk(s) growing downwards,
    // u and φ of each storey lightly coupled.
    Array2<double> k(1, 3 * n, 1, 3 * n);
    for (const int block : {0, n, 2 * n}) {
        const auto kk = [&](int s) { return 100.0 * (n + 1 - s) + block; };
        for (int s = 1; s <= n; ++s) {
            k(block + s, block + s) = kk(s) + (s < n ? kk(s + 1) : 0);
            if (s < n)
                k(block + s, block + s + 1) = k(block + s + 1, block + s) = -kk(s + 1);
        }
    }
    for (int s = 1; s <= n; ++s)
        k(s, 2 * n + s) = k(2 * n + s, s) = 5;
    std::vector<StoreySeismicMass> masses;
    for (int s = 1; s <= n; ++s)
        masses.push_back({1e6 * s, m.massCentre(s, 1) + 300, m.massCentre(s, 2) - 200,
                          m.gyrationRadius(s) * 0.9});
    const std::optional<ModalBasis> basis = modalBasis(k, seismicMassMatrix(m, masses), 30000);
    ASSERT_TRUE(basis);
    ASSERT_EQ(basis->modes.size(), static_cast<std::size_t>(3 * n));
    double x = 0, y = 0;
    for (const ModalShape& mode : basis->modes) {
        x += mode.massRatioX;
        y += mode.massRatioY;
        EXPECT_GT(mode.period, 0);
    }
    EXPECT_NEAR(x, 1, 1e-10);
    EXPECT_NEAR(y, 1, 1e-10);
    for (std::size_t j = 1; j < basis->modes.size(); ++j)
        EXPECT_GE(basis->modes[j - 1].period, basis->modes[j].period);
}

} // namespace
} // namespace orvanta
