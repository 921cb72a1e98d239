#include "calculation.h"
#include "deformed_shape.h"
#include "generated_buildings.h"
#include "load_distribution.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "seismic_response.h"
#include "vibration_modes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

// One storey over a 6000 × 4000 mm bay whose global matrix is written about (xG, yG) with the
// radius ρ. Its seismic mass is a slab of weight W alone (γ = 0), centred on the bay at
// (3000, 2000), with square record sides ρ·√6 so that its own ls is ρ.
Model oneStorey(double xG, double yG, double rho, double load) {
    Model m = testing::fullFrame(2, 2, 1);
    testing::setGrid(m, {0, 6000}, {0, 4000}, {0, 3000});
    m.massCentre(1, 1) = xG;
    m.massCentre(1, 2) = yG;
    m.gyrationRadius(1) = rho;
    m.settings.setNumber(settingKey::unitWeight, 0);
    const double side = rho * std::sqrt(6.0);
    setSlab(m, 1, 1, {true, SlabSpan::alongY, load / (side * side), 0, 0, side, side});
    return m;
}

// A vertical element at (x, y) resisting kx along X and ky along Y (per unit E, mm) added to the
// global matrix of a one-storey model: the rigid floor turns about the centre of mass, and the
// rotation freedom is ρ·θ.
void addColumn(Array2<double>& k, const Model& m, double x, double y, double kx, double ky) {
    const double rho = m.gyrationRadius(1);
    const double ax = (x - m.massCentre(1, 1)) / rho;
    const double ay = (y - m.massCentre(1, 2)) / rho;
    k(1, 1) += kx;
    k(2, 2) += ky;
    k(1, 3) -= ay * kx;
    k(3, 1) -= ay * kx;
    k(2, 3) += ax * ky;
    k(3, 2) += ax * ky;
    k(3, 3) += ay * ay * kx + ax * ax * ky;
}

Array2<double> emptyMatrix(int storeys) {
    return Array2<double>(1, 3 * storeys, 1, 3 * storeys);
}

// Four columns at the corners of the bay, the one at (6000, 0) `factor` times as stiff as the
// others (10 mm both ways); the mass is a uniform slab, ρ = √((6000² + 4000²)/12) = 2081.67 mm.
SeismicResults cornerColumns(double factor, ScriptedAsker& asker) {
    const Model m = oneStorey(3000, 2000, std::sqrt((6000.0 * 6000 + 4000.0 * 4000) / 12), 1e6);
    Array2<double> k = emptyMatrix(1);
    addColumn(k, m, 0, 0, 10, 10);
    addColumn(k, m, 6000, 0, 10 * factor, 10 * factor);
    addColumn(k, m, 0, 4000, 10, 10);
    addColumn(k, m, 6000, 4000, 10, 10);
    return computeSeismicResponse(m, k, defaultConcreteClass, asker);
}

TEST(TorsionalRegularity, FourEqualCornerColumnsHaveTheirCentreInTheMiddleAndPass) {
    ScriptedAsker asker;
    const SeismicResults r = cornerColumns(1, asker);
    ASSERT_EQ(r.status, SeismicStatus::Complete);
    const StoreyRegularity& s = r.storeys(1);
    EXPECT_NEAR(s.rigidityCentreX, 3000, 1e-9);
    EXPECT_NEAR(s.rigidityCentreY, 2000, 1e-9);
    EXPECT_NEAR(s.lateralStiffnessX, 40, 1e-12);
    EXPECT_NEAR(s.lateralStiffnessY, 40, 1e-12);
    // kθ = Σ (x − xR)²·ky + (y − yR)²·kx = 4·10·(3000² + 2000²); r = half the diagonal.
    EXPECT_NEAR(s.torsionalStiffness, 5.2e8, 1e-4);
    EXPECT_NEAR(s.torsionalRadiusX, std::sqrt(1.3e7), 1e-9);
    EXPECT_NEAR(s.torsionalRadiusY, std::sqrt(1.3e7), 1e-9);
    EXPECT_NEAR(s.eccentricityX, 0, 1e-9);
    EXPECT_NEAR(s.gyrationRadius, std::sqrt(52e6 / 12), 1e-9);
    EXPECT_TRUE(s.passes());
    EXPECT_TRUE(r.regularInPlan);
    EXPECT_FALSE(r.torsionallyFlexible);
    EXPECT_TRUE(r.problem.empty());
    EXPECT_TRUE(asker.messages.empty());
}

TEST(TorsionalRegularity, AStiffenedColumnDrawsTheCentreAndFailsPastTheThreshold) {
    // Three times as stiff: Σk = 60, xR = 6000·(30 + 10)/60 = 4000, yR = 4000·(10 + 10)/60;
    // kθ = 2.08·10⁹/3, r = √(kθ/60) = 3399.35 and e0x = 1000 ≤ 0.30·r = 1019.8: it passes.
    ScriptedAsker asker;
    const SeismicResults three = cornerColumns(3, asker);
    ASSERT_TRUE(three.hasRegularity());
    EXPECT_NEAR(three.storeys(1).rigidityCentreX, 4000, 1e-9);
    EXPECT_NEAR(three.storeys(1).rigidityCentreY, 4000.0 / 3, 1e-9);
    EXPECT_NEAR(three.storeys(1).torsionalStiffness, 2.08e9 / 3, 1e-3);
    EXPECT_NEAR(three.storeys(1).torsionalRadiusX, 3399.34634239519, 1e-8);
    EXPECT_NEAR(three.storeys(1).eccentricityX, 1000, 1e-9);
    EXPECT_TRUE(three.storeys(1).eccentricityXPasses);
    EXPECT_TRUE(three.regularInPlan);

    // Four times: Σk = 70, xR = 6000·50/70 = 4285.71, yR = 80000/70, kθ = 5.2·10⁹/7,
    // r = 3257.64: e0x = 1285.71 > 977.29 fails, e0y = 857.14 still passes.
    const SeismicResults four = cornerColumns(4, asker);
    const StoreyRegularity& s = four.storeys(1);
    EXPECT_NEAR(s.rigidityCentreX, 30000.0 / 7, 1e-9);
    EXPECT_NEAR(s.rigidityCentreY, 8000.0 / 7, 1e-9);
    EXPECT_NEAR(s.torsionalRadiusX, 3257.6440717118226, 1e-8);
    EXPECT_NEAR(s.eccentricityX, 9000.0 / 7, 1e-9);
    EXPECT_FALSE(s.eccentricityXPasses);
    EXPECT_TRUE(s.eccentricityYPasses);
    EXPECT_TRUE(s.radiusXPasses && s.radiusYPasses);
    EXPECT_FALSE(four.regularInPlan);
    EXPECT_FALSE(four.torsionallyFlexible);
    EXPECT_TRUE(asker.messages.empty());
}

TEST(VibrationModes, OneStoreyOneMassVibratesWithTheClosedFormPeriods) {
    // W = 981 000 N, so m = 100 N·s²/mm; Rck 25 gives E = 28 500 N/mm². Uncoupled stiffnesses
    // 4, 9 and 16 mm: T = 2π·√(m/(E·k)), the softest first, each mode all of one direction.
    const Model m = oneStorey(3000, 2000, 1500, 981000);
    Array2<double> k = emptyMatrix(1);
    k(1, 1) = 4;
    k(2, 2) = 9;
    k(3, 3) = 16;
    ScriptedAsker asker;
    const SeismicResults r = computeSeismicResponse(m, k, 25, asker);
    ASSERT_EQ(r.status, SeismicStatus::Complete);
    // Rck 25: Ecm = 22000·((20.75 + 8)/10)^0.3 = 30 200 N/mm².
    const double e = 22000 * std::pow(2.875, 0.3);
    EXPECT_NEAR(r.youngModulus, e, 1e-9);
    EXPECT_NEAR(r.storeyMass(1), 100, 1e-9);
    ASSERT_EQ(r.modes.size(), 3u);
    const double expected[3] = {2 * std::numbers::pi * std::sqrt(100 / (e * 4.0)),
                                2 * std::numbers::pi * std::sqrt(100 / (e * 9.0)),
                                2 * std::numbers::pi * std::sqrt(100 / (e * 16.0))};
    for (int j = 1; j <= 3; ++j)
        EXPECT_NEAR(r.modes(j).period, expected[j - 1], 1e-12) << j;
    EXPECT_NEAR(r.modes(1).period, 0.1808, 1e-4);
    EXPECT_NEAR(r.modes(1).massRatioX, 1, 1e-12);
    EXPECT_NEAR(r.modes(2).massRatioY, 1, 1e-12);
    EXPECT_NEAR(r.modes(3).massRatioRotation, 1, 1e-12);
    EXPECT_NEAR(r.modes(3).rotationalShare, 1, 1e-12);
    EXPECT_FALSE(r.modes(1).isTorsional());
    EXPECT_TRUE(r.modes(3).isTorsional());
}

// A symmetric frame of 3 × 3 lines, `storeys` high, every slab spanning along Y: its centres of
// mass and of rigidity coincide on every floor.
SeismicResults symmetricFrame(std::int16_t storeys, ScriptedAsker& asker) {
    Model m = testing::fullFrame(3, 3, storeys);
    for (int s = 1; s <= storeys; ++s) {
        for (int iy = 1; iy <= 2; ++iy) {
            for (int ix = 1; ix <= 2; ++ix)
                testing::setSlab(m, s, ix, iy, SlabSpan::alongY, 0.005, 0.002, 0.3);
        }
    }
    EXPECT_TRUE(distributeLoads(m, asker));
    AnalysisResults results;
    runCalculation(m, results, asker);
    return computeSeismicResponse(m, results.globalStiffness, defaultConcreteClass, asker);
}

TEST(VibrationModes, ASymmetricBuildingTranslatesFirstWithoutTurning) {
    ScriptedAsker asker;
    const SeismicResults one = symmetricFrame(1, asker);
    ASSERT_EQ(one.status, SeismicStatus::Complete);
    EXPECT_NEAR(one.storeys(1).rigidityCentreX, 5000, 1e-6);
    EXPECT_NEAR(one.storeys(1).rigidityCentreY, 4000, 1e-6);
    EXPECT_TRUE(one.regularInPlan);
    // Columns of 300 × 500 are stiffer along Y: the first mode is the X translation.
    EXPECT_NEAR(one.modes(1).massRatioX, 1, 1e-9);
    EXPECT_NEAR(one.modes(2).massRatioY, 1, 1e-9);
    EXPECT_NEAR(one.modes(3).massRatioRotation, 1, 1e-9);
    for (int j = 1; j <= 2; ++j) {
        EXPECT_NEAR(one.modes(j).rotationalShare, 0, 1e-12) << j;
        EXPECT_NEAR(one.modes(j).massRatioRotation, 0, 1e-12) << j;
    }

    // Three storeys: the first two modes still translate without turning, and carry most of
    // their direction's mass.
    const SeismicResults three = symmetricFrame(3, asker);
    ASSERT_EQ(three.status, SeismicStatus::Complete);
    EXPECT_GT(three.modes(1).massRatioX, 0.8);
    EXPECT_GT(three.modes(2).massRatioY, 0.8);
    EXPECT_NEAR(three.modes(1).rotationalShare, 0, 1e-12);
    EXPECT_NEAR(three.modes(2).rotationalShare, 0, 1e-12);
    EXPECT_TRUE(asker.messages.empty());
}

TEST(VibrationModes, ATorsionallyFlexibleStoreyTwistsFirst) {
    // Four columns 1000 mm apart round the centre of a floor whose mass spreads to ρ = 3000 mm:
    // kθ = 4·500²·(10 + 20) = 3·10⁷, rx = √(kθ/80) = 612.4 and ry = √(kθ/40) = 866.0, both
    // below ls. The twist then has the lowest frequency: kθ/ρ² < kx < ky.
    const Model m = oneStorey(3000, 2000, 3000, 981000);
    Array2<double> k = emptyMatrix(1);
    for (const double x : {2500.0, 3500.0}) {
        for (const double y : {1500.0, 2500.0})
            addColumn(k, m, x, y, 10, 20);
    }
    ScriptedAsker asker;
    const SeismicResults r = computeSeismicResponse(m, k, defaultConcreteClass, asker);
    ASSERT_EQ(r.status, SeismicStatus::Complete);
    EXPECT_NEAR(r.storeys(1).torsionalRadiusX, std::sqrt(375000.0), 1e-9);
    EXPECT_NEAR(r.storeys(1).torsionalRadiusY, std::sqrt(750000.0), 1e-9);
    EXPECT_FALSE(r.storeys(1).radiusXPasses);
    EXPECT_FALSE(r.storeys(1).radiusYPasses);
    EXPECT_TRUE(r.storeys(1).eccentricityXPasses);
    EXPECT_TRUE(r.torsionallyFlexible);
    EXPECT_FALSE(r.regularInPlan);
    EXPECT_TRUE(r.modes(1).isTorsional());
    EXPECT_NEAR(r.modes(1).massRatioRotation, 1, 1e-12);
    EXPECT_NEAR(r.modes(2).massRatioX, 1, 1e-12);
}

TEST(SeismicResponse, AMatrixThatIsNotPositiveDefiniteComputesNothing) {
    struct Case {
        const char* what;
        Array2<double> k;
        std::string secondLine; // the part of the first line naming the freedom
    };
    const Model m = oneStorey(3000, 2000, 2000, 1e6);
    // A single column: its rotation is nothing but a combination of its two translations, so
    // rounding leaves a pivot near 1e-16 of the diagonal, which must not pass.
    Array2<double> single = emptyMatrix(1);
    addColumn(single, m, 700, 300, 10, 20);
    Array2<double> noRotation = emptyMatrix(1);
    noRotation(1, 1) = noRotation(2, 2) = 1;
    Array2<double> notANumber = emptyMatrix(1);
    notANumber(1, 1) = notANumber(2, 2) = notANumber(3, 3) = 1;
    notANumber(2, 3) = notANumber(3, 2) = std::nan("");
    const Case cases[] = {
        {"single column", single, "del piano 1 alla rotazione"},
        {"no rotation", noRotation, "del piano 1 alla rotazione"},
        {"not a number", notANumber, "del piano 1 alla traslazione lungo Y"},
    };
    for (const Case& c : cases) {
        ScriptedAsker asker;
        const SeismicResults r = computeSeismicResponse(m, c.k, defaultConcreteClass, asker);
        EXPECT_EQ(r.status, SeismicStatus::NotComputed) << c.what;
        EXPECT_TRUE(r.storeys.empty() && r.modes.empty()) << c.what;
        ASSERT_EQ(asker.messages.size(), 1u) << c.what;
        const Message& message = asker.messages[0];
        EXPECT_EQ(message.title, "Regolarità Torsionale");
        EXPECT_EQ(message.icon, MessageIcon::Critical);
        EXPECT_NE(message.text().find(c.secondLine), std::string::npos) << message.text();
        EXPECT_EQ(r.problem, message.lines) << c.what;
    }

    // A second storey with no stiffness at all is named by its first freedom.
    Model two = testing::fullFrame(2, 2, 2);
    two.gyrationRadius(1) = two.gyrationRadius(2) = 1000;
    Array2<double> k = emptyMatrix(2);
    k(1, 1) = k(3, 3) = k(5, 5) = 1;
    ScriptedAsker asker;
    EXPECT_FALSE(computeSeismicResponse(two, k, defaultConcreteClass, asker).hasRegularity());
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].lines[0], "La matrice di rigidezza globale non è definita "
                                          "positiva: la rigidezza del piano 2 alla traslazione "
                                          "lungo X");

    // A matrix of another building is no matrix of this one.
    ScriptedAsker stale;
    EXPECT_FALSE(computeSeismicResponse(m, k, defaultConcreteClass, stale).hasRegularity());
    ASSERT_EQ(stale.messages.size(), 1u);
    EXPECT_EQ(stale.messages[0].lines[1], "eseguire \"Calcola Matrici\" prima di procedere.");
}

TEST(SeismicResponse, ModesNeedAMassOnEveryStoreyAndAConcreteClass) {
    // Two storeys, uncoupled, weightless members (γ = 0): a slab of 4·9810 N on storey 2 only.
    Model m = testing::fullFrame(2, 2, 2);
    m.settings.setNumber(settingKey::unitWeight, 0);
    m.gyrationRadius(1) = m.gyrationRadius(2) = 2000;
    m.massCentre(1, 1) = m.massCentre(2, 1) = 2500;
    m.massCentre(1, 2) = m.massCentre(2, 2) = 2000;
    Array2<double> k = emptyMatrix(2);
    for (int i = 1; i <= 6; ++i)
        k(i, i) = 10;
    testing::setSlab(m, 2, 1, 1, SlabSpan::alongY, 4 * 9810 / 20e6, 0, 0);
    ScriptedAsker asker;
    const SeismicResults r = computeSeismicResponse(m, k, defaultConcreteClass, asker);
    EXPECT_EQ(r.status, SeismicStatus::WithoutModes);
    EXPECT_TRUE(r.hasRegularity());
    EXPECT_TRUE(r.modes.empty());
    EXPECT_EQ(r.storeyMass(1), 0);
    EXPECT_NEAR(r.storeyMass(2), 4, 1e-12);
    EXPECT_NEAR(r.storeys(2).rigidityCentreX, 2500, 1e-9);
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Modi di Vibrare");
    EXPECT_EQ(asker.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(asker.messages[0].lines[0],
              "Il piano 1 ha massa nulla: non porta solai, carichi sulle travi né peso proprio di "
              "elementi.");
    EXPECT_EQ(r.problem, asker.messages[0].lines);

    // Nothing on any floor.
    Model unloaded = m;
    setSlabPresent(unloaded, 2, 1, false);
    ScriptedAsker none;
    EXPECT_FALSE(computeSeismicResponse(unloaded, k, defaultConcreteClass, none).hasModes());
    ASSERT_EQ(none.messages.size(), 1u);
    EXPECT_EQ(none.messages[0].lines[0],
              "Nessun piano ha massa: non vi sono solai, carichi sulle travi né peso proprio degli "
              "elementi.");

    // With a slab on both floors, a class that is no positive number still stops them, and so
    // does a cracked factor outside 0.5 … 1.0.
    testing::setSlab(m, 1, 1, 1, SlabSpan::alongY, 4 * 9810 / 20e6, 0, 0);
    for (const double rck : {0.0, -30.0, std::nan("")}) {
        ScriptedAsker noClass;
        const SeismicResults without = computeSeismicResponse(m, k, rck, noClass);
        EXPECT_EQ(without.status, SeismicStatus::WithoutModes) << rck;
        EXPECT_EQ(without.youngModulus, 0) << rck;
        ASSERT_EQ(noClass.messages.size(), 1u) << rck;
        EXPECT_EQ(noClass.messages[0].lines[0],
                  "La classe del calcestruzzo Rck deve essere un numero positivo.");
    }
    for (const double factor : {0.49, 1.01}) {
        Model cracked = m;
        cracked.settings.setNumber(settingKey::crackedFactor, factor);
        ScriptedAsker outside;
        EXPECT_FALSE(computeSeismicResponse(cracked, k, 30, outside).hasModes()) << factor;
        ASSERT_EQ(outside.messages.size(), 1u);
    }
    ScriptedAsker sound;
    EXPECT_TRUE(computeSeismicResponse(m, k, 30, sound).hasModes());
    EXPECT_TRUE(sound.messages.empty());
}

TEST(SeismicResponse, TheCrackedFactorScalesEAndThePeriodsGrowByItsRoot) {
    const Model whole = oneStorey(3000, 2000, 1500, 981000);
    Model half = whole;
    half.settings.setNumber(settingKey::crackedFactor, 0.5);
    Array2<double> k = emptyMatrix(1);
    k(1, 1) = 4;
    k(2, 2) = 9;
    k(3, 3) = 16;
    ScriptedAsker asker;
    const SeismicResults a = computeSeismicResponse(whole, k, asker);
    const SeismicResults b = computeSeismicResponse(half, k, asker);
    ASSERT_TRUE(a.hasModes() && b.hasModes());
    EXPECT_NEAR(a.youngModulus, 31447.2, 0.1); // C25/30, the project's default
    EXPECT_NEAR(b.youngModulus, 0.5 * a.youngModulus, 1e-9);
    EXPECT_DOUBLE_EQ(b.crackedFactor, 0.5);
    EXPECT_NEAR(b.modes(1).period, std::sqrt(2.0) * a.modes(1).period, 1e-12);
}

TEST(VibrationModes, AMassOffTheMatrixCentreCouplesTranslationAndRotation) {
    // The matrix is written about (2000, 2000) with ρ = 2000; the slab's mass sits at (3000, 2000)
    // with ls = 2000: dx = 1000, dy = 0. m = 100: M_vφ = 100·1000/2000 = 50, M_uφ = 0,
    // M_φφ = 100·(2000² + 1000²)/2000² = 125.
    const Model m = oneStorey(2000, 2000, 2000, 981000);
    const std::vector<StoreySeismicMass> masses = seismicMasses(m);
    const Array2<double> mm = floorMassMatrix(masses, floorFrames(m));
    EXPECT_NEAR(mm(1, 1), 100, 1e-9);
    EXPECT_NEAR(mm(2, 2), 100, 1e-9);
    EXPECT_NEAR(mm(1, 3), 0, 1e-9);
    EXPECT_NEAR(mm(2, 3), 50, 1e-9);
    EXPECT_NEAR(mm(3, 2), 50, 1e-9);
    EXPECT_NEAR(mm(3, 3), 125, 1e-9);
    // A mass below the centre (dy < 0) couples u with the opposite sign of dx with v.
    const Model below = oneStorey(3000, 3000, 2000, 981000);
    const Array2<double> mb = floorMassMatrix(seismicMasses(below), floorFrames(below));
    EXPECT_NEAR(mb(1, 3), 50, 1e-9);
    EXPECT_NEAR(mb(2, 3), 0, 1e-9);

    // Four equal columns round G*: the matrix about C has Kyθ = (x − xC)/ρ terms; with the mass
    // matrix in the same freedoms the two translations stay pure and the twist has
    // ω² = E·kθ/(m·ls²), kθ = 4·10·(3000² + 2000²) about G*.
    Array2<double> k = emptyMatrix(1);
    for (const double x : {0.0, 6000.0}) {
        for (const double y : {0.0, 4000.0})
            addColumn(k, m, x, y, 10, 10);
    }
    ScriptedAsker asker;
    const SeismicResults r = computeSeismicResponse(m, k, asker);
    ASSERT_TRUE(r.hasModes());
    const double e = r.youngModulus;
    const double translation = 2 * std::numbers::pi * std::sqrt(100 / (e * 40));
    const double twist = 2 * std::numbers::pi * std::sqrt(100 * 2000.0 * 2000 / (e * 5.2e8));
    EXPECT_NEAR(r.modes(1).period, translation, 1e-9);
    EXPECT_NEAR(r.modes(2).period, translation, 1e-9);
    EXPECT_NEAR(r.modes(3).period, twist, 1e-9);
    EXPECT_NEAR(r.modes(3).massRatioRotation, 1, 1e-9);
    EXPECT_NEAR(r.modes(3).rotationalShare, 1, 1e-9);
    EXPECT_NEAR(r.modes(1).rotationalShare + r.modes(2).rotationalShare, 0, 1e-9);
    // The regularity is checked about G*: no eccentricity.
    EXPECT_NEAR(r.storeys(1).rigidityCentreX, 3000, 1e-9);
    EXPECT_NEAR(r.storeys(1).eccentricityX, 0, 1e-9);
    EXPECT_NEAR(r.storeys(1).massCentreX, 3000, 1e-9);
}

TEST(SeismicResponse, RandomBuildingsKeepTheDefinitionsOfEveryFigure) {
    int computed = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        Model m = testing::randomBuilding(seed);
        // The generated buildings carry no loads: 1000 N enter at every grid node of every storey.
        for (int s = 1; s <= m.counts.nStoreys; ++s) {
            for (int n = 1; n <= m.sizes().gridNodes; ++n)
                m.beamLoads(s, n) = 1000.0 * (m.counts.nStoreys - s + 1);
        }
        ScriptedAsker asker;
        AnalysisResults results;
        runCalculation(m, results, asker);
        const SeismicResults r =
            computeSeismicResponse(m, results.globalStiffness, defaultConcreteClass, asker);
        if (!r.hasModes())
            continue;
        ++computed;
        const int storeys = m.counts.nStoreys;
        const Array2<double>& k = results.globalStiffness;

        // A force on floor s alone at its centre of rigidity moves the floor by 1/k along the
        // force and does not turn it: checked on the Gauss–Jordan inverse of the deformed shape.
        Array2<double> f = k;
        ASSERT_TRUE(invertInPlace(f)) << seed;
        for (int s = 1; s <= storeys; ++s) {
            const StoreyRegularity& row = r.storeys(s);
            const double rho = m.gyrationRadius(s);
            // Unit force along Y at x = xR: moment (xR − xG), generalised force (xR − xG)/ρ.
            const double moment = (row.rigidityCentreX - m.massCentre(s, 1)) / rho;
            const double v = f(storeys + s, storeys + s) + f(storeys + s, 2 * storeys + s) * moment;
            const double phi =
                f(2 * storeys + s, storeys + s) + f(2 * storeys + s, 2 * storeys + s) * moment;
            EXPECT_NEAR(phi * row.lateralStiffnessY, 0, 1e-8) << seed << " storey " << s;
            EXPECT_NEAR(v * row.lateralStiffnessY, 1, 1e-8) << seed << " storey " << s;
        }

        // Each mass ratio adds up to 1, the periods fall, the shares lie in 0..1.
        double x = 0, y = 0, rotation = 0;
        for (int j = 1; j <= 3 * storeys; ++j) {
            const VibrationMode& mode = r.modes(j);
            x += mode.massRatioX;
            y += mode.massRatioY;
            rotation += mode.massRatioRotation;
            EXPECT_GE(mode.rotationalShare, 0);
            EXPECT_LE(mode.rotationalShare, 1 + 1e-12);
            if (j > 1) {
                EXPECT_LE(mode.period, r.modes(j - 1).period) << seed;
            }
        }
        EXPECT_NEAR(x, 1, 1e-9) << seed;
        EXPECT_NEAR(y, 1, 1e-9) << seed;
        EXPECT_NEAR(rotation, 1, 1e-9) << seed;
    }
    EXPECT_GT(computed, 6);
}

} // namespace
} // namespace orvanta
