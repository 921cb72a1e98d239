#include "calculation.h"
#include "element_records.h"
#include "global_stiffness.h"
#include "ntc_regularity.h"
#include "numbering.h"
#include "regularity_summary.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "symmetric_algebra.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

constexpr double modulus = 30000;

// A frame of 4 × 3 lines (5000 × 4000 mm bays) on the given levels, with a slab on every bay and
// the same weight on every floor at its middle.
struct Frame {
    Model model;
    AnalysisResults results;
    std::vector<StoreySeismicMass> masses;
    Array2<double> flexibility;

    explicit Frame(std::initializer_list<double> levels)
        : model(testing::fullFrame(4, 3, static_cast<std::int16_t>(levels.size() - 1))) {
        int k = 1;
        for (const double z : levels)
            model.levelZ(k++) = z;
        for (int s = 1; s <= model.counts.nStoreys; ++s) {
            for (int iy = 1; iy < 3; ++iy) {
                for (int ix = 1; ix < 4; ++ix)
                    testing::setSlab(model, s, ix, iy, SlabSpan::alongX, 0.005, 0.002, 0.3);
            }
        }
    }

    NtcRegularity regularity() {
        const double rho = std::sqrt((15000.0 * 15000 + 8000.0 * 8000) / 12);
        masses.clear();
        for (int s = 1; s <= model.counts.nStoreys; ++s) {
            model.massCentre(s, 1) = 7500;
            model.massCentre(s, 2) = 4000;
            model.gyrationRadius(s) = rho;
            masses.push_back({1e6, 7500, 4000, rho});
        }
        ScriptedAsker asker;
        runCalculation(model, results, asker);
        flexibility = invertPositiveDefinite(results.globalStiffness).inverse;
        return ntcRegularity(ResponseMap(model, results, masses, modulus), flexibility);
    }
};

TEST(NtcRegularity, AFrameOfEqualStoreysIsRegularAndATallFirstStoreyIsNot) {
    Frame even({0, 3000, 6000, 9000});
    const NtcRegularity regular = even.regularity();
    EXPECT_TRUE(regular.regularInPlan());
    EXPECT_TRUE(regular.elevation.massRegular());
    EXPECT_TRUE(regular.elevation.setbacksRegular());

    // A first storey of 5000 mm under storeys of 3000: storey 2 is far stiffer than storey 1.
    Frame soft({0, 5000, 8000, 11000});
    const NtcRegularity r = soft.regularity();
    ASSERT_TRUE(r.stiffness.ratio[axisX][0]);
    EXPECT_GT(*r.stiffness.ratio[axisX][0], stiffnessGainLimit);
    EXPECT_GT(*r.stiffness.ratio[axisY][0], stiffnessGainLimit);
    EXPECT_FALSE(r.stiffness.regular(axisX));
    EXPECT_FALSE(r.regularInElevation());
    EXPECT_TRUE(r.regularInPlan());
    // The first storey's stiffness, under forces growing with height, is that of the softer
    // storey: the ratio is well above the 1.10 limit.
    EXPECT_GT(*r.stiffness.ratio[axisX][0], *regular.stiffness.ratio[axisX][0]);
}

TEST(NtcRegularity, ASetbackOfOneBayOfThreeAlongXIsIrregularInElevationOnly) {
    Frame setback({0, 3000, 6000, 9000});
    // The third storey loses the line x = 15000 and the slabs over the last bay.
    const Counts& c = setback.model.counts;
    for (int iy = 1; iy <= 3; ++iy) {
        setPresent(setback.model, 3, numbering::gridNode(c, 4, iy), false);
        setPresent(setback.model, 3, numbering::beamXSlot(c, 3, iy), false);
        if (iy < 3)
            setPresent(setback.model, 3, numbering::beamYSlot(c, numbering::gridNode(c, 4, iy)),
                       false);
    }
    for (int iy = 1; iy < 3; ++iy)
        setSlabPresent(setback.model, 3, numbering::bay(c, 3, iy), false);
    const NtcRegularity r = setback.regularity();
    EXPECT_NEAR(r.elevation.setback[axisX][2], 5000.0 / 15000, 1e-12);
    EXPECT_EQ(r.elevation.setback[axisY][2], 0);
    EXPECT_FALSE(r.elevation.setbacksRegular());
    EXPECT_FALSE(r.regularInElevation());
    EXPECT_TRUE(r.regularInPlan());

    const std::vector<RegularityRow> rows = regularityRows(r);
    const auto failing = std::count_if(rows.begin(), rows.end(), [](const RegularityRow& row) {
        return row.verdict == Verdict::fails && row.criterion.starts_with("(g)");
    });
    EXPECT_EQ(failing, 1);
    const auto row = std::find_if(rows.begin(), rows.end(), [](const RegularityRow& r) {
        return r.criterion == "(g) Restringimenti lungo X" && r.where == "Piano 3";
    });
    ASSERT_NE(row, rows.end());
    EXPECT_EQ(row->figure, "rientro 0,333 (limite 0,10), dal piano 1 0,333 (limite 0,30)");
}

TEST(GoverningMethod, LateralForcesNeedARegularElevationAndShortPeriodsInBothDirections) {
    // TC = 0.5 s, TD = 2.0 s: 2.5·TC = 1.25 s.
    EXPECT_EQ(governingMethod(true, {1.25, 0.3}, 0.5, 2.0).method, GoverningMethod::lateralForces);
    const MethodChoice longY = governingMethod(true, {0.3, 1.26}, 0.5, 2.0);
    EXPECT_EQ(longY.method, GoverningMethod::modal);
    EXPECT_TRUE(longY.shortPeriod[axisX]);
    EXPECT_FALSE(longY.shortPeriod[axisY]);
    // TD below 2.5·TC: TD = 1.0 s governs.
    EXPECT_EQ(governingMethod(true, {1.0, 0.3}, 0.5, 1.0).method, GoverningMethod::lateralForces);
    EXPECT_EQ(governingMethod(true, {1.01, 0.3}, 0.5, 1.0).method, GoverningMethod::modal);
    EXPECT_EQ(governingMethod(false, {0.3, 0.3}, 0.5, 2.0).method, GoverningMethod::modal);
    EXPECT_STREQ(methodKey(GoverningMethod::lateralForces), "lateral forces");
}

TEST(GoverningMethod, TheFundamentalPeriodOfADirectionIsTheModeWithItsLargestMass) {
    ModalBasis basis;
    basis.modes = {{1, 0.9, {}, 0, 0, 0.10, 0.60},
                   {2, 0.7, {}, 0, 0, 0.75, 0.05},
                   {3, 0.5, {}, 0, 0, 0.15, 0.35}};
    EXPECT_EQ(fundamentalPeriods(basis), (std::array<double, 2>{0.7, 0.9}));
}

} // namespace
} // namespace orvanta
