#include "calculation.h"
#include "concrete.h"
#include "element_records.h"
#include "families.h"
#include "generated_buildings.h"
#include "live_analysis.h"
#include "live_results.h"
#include "load_distribution.h"
#include "numbering.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "seismic_response.h"
#include "stiffness_centres.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

// The exactness promised: 1e-12 of the largest term of each matrix.
constexpr double liveTolerance = 1e-12;

// What a full calculation gives on the model with the live engine's families.
struct FullCalculation {
    AnalysisResults results;
    SeismicResults seismic;

    FullCalculation(const Model& model, const AnalysisResults& live) {
        ScriptedAsker quiet;
        runCalculation(model, results, quiet);
        for (const Direction d : bothDirections) {
            results[d].family = live[d].family;
            results[d].familyCount = live[d].familyCount;
        }
        computeStiffnessCentres(model, results);
        seismic =
            computeSeismicResponse(model, results.globalStiffness, projectConcreteClass(model),
                                   quiet, SeismicParts::regularityOnly);
    }
};

std::string disagreement(std::span<const double> expected, std::span<const double> actual,
                         const std::string& name) {
    if (expected.size() != actual.size())
        return name + ": sizes differ";
    double largest = 0;
    for (const double e : expected)
        largest = std::max(largest, std::fabs(e));
    for (std::size_t j = 0; j < expected.size(); ++j) {
        if (!(std::fabs(expected[j] - actual[j]) <= liveTolerance * largest)) {
            std::ostringstream out;
            out.precision(17);
            out << name << " term " << j << ": expected " << expected[j] << ", got " << actual[j]
                << " (largest " << largest << ")";
            return out.str();
        }
    }
    return {};
}

// The first way in which the live results differ from the full calculation; empty when none.
std::string differences(const Model& model, const SeismicResults& regularity,
                        const AnalysisResults& a) {
    const FullCalculation full(model, a);
    const AnalysisResults& e = full.results;
    if (!(a.ritStoreys == e.ritStoreys))
        return "ritStoreys";
    for (const Direction d : bothDirections) {
        const std::string side = orthogonalAxis(d);
        // Element tables and ritto matrices come from the same code: equal bit for bit.
        if (!(a[d].ritElements == e[d].ritElements))
            return "ritElements" + side;
        if (!(a[d].ritMatrix == e[d].ritMatrix))
            return "ritMatrix" + side;
        if (!(a[d].stiffnessCentre == e[d].stiffnessCentre) ||
            !(a[d].stiffnessWeight == e[d].stiffnessWeight) ||
            !(a[d].familySize == e[d].familySize))
            return "centres " + side;
        for (int f = 1; f <= e[d].familyCount; ++f) {
            const std::string found =
                disagreement(e[d].familyMeanMatrix.block(f), a[d].familyMeanMatrix.block(f),
                             "familyMeanMatrix" + side + " " + std::to_string(f));
            if (!found.empty())
                return found;
        }
    }
    if (std::string found =
            disagreement(e.globalStiffness.values(), a.globalStiffness.values(), "globalStiffness");
        !found.empty())
        return found;
    const SeismicResults& s = regularity;
    if (s.status != full.seismic.status || s.storeys.size() != full.seismic.storeys.size())
        return "seismic status";
    for (int k = 1; k <= static_cast<int>(s.storeys.size()); ++k) {
        const StoreyRegularity& x = s.storeys(k);
        const StoreyRegularity& y = full.seismic.storeys(k);
        // The inverse of the global matrix may magnify its last digits by its condition.
        const auto near = [](double p, double q, double scale) {
            return std::fabs(p - q) <= 1e-7 * scale;
        };
        const double extent =
            std::max({1.0, std::fabs(y.massCentreX), std::fabs(y.massCentreY), y.gyrationRadius});
        if (!near(x.rigidityCentreX, y.rigidityCentreX, extent) ||
            !near(x.rigidityCentreY, y.rigidityCentreY, extent) ||
            !near(x.torsionalStiffness, y.torsionalStiffness, y.torsionalStiffness) ||
            !near(x.lateralStiffnessX, y.lateralStiffnessX, y.lateralStiffnessX))
            return "regularity of storey " + std::to_string(k);
    }
    return {};
}

// One edit and its inverse, as the document records them: the old and new records of one member
// or one slab.
struct Edit {
    bool slab = false;
    int storey = 0;
    int index = 0; // slot or bay
    std::vector<double> before;
    std::vector<double> after;
};

std::vector<double> record(const Array3<double>& a, int storey, int index) {
    std::vector<double> values;
    for (int v = a.lower(3); v <= a.upper(3); ++v)
        values.push_back(a(storey, index, v));
    return values;
}

// Writes one side of an edit and tells the engine, redistributing the loads after a slab edit
// as the loads editor does.
void apply(Model& model, AnalysisResults& results, LiveAnalysis& live, const Edit& edit,
           bool forward, Asker& asker) {
    Array3<double>& records = edit.slab ? model.slabs : model.members;
    const std::vector<double>& values = forward ? edit.after : edit.before;
    for (int v = 1; v <= static_cast<int>(values.size()); ++v)
        records(edit.storey, edit.index, v) = values[static_cast<std::size_t>(v - 1)];
    ModelChange change;
    if (edit.slab) {
        change.slabs.push_back({edit.storey, edit.index});
        ScriptedAsker yes;
        change.loadResults = distributeLoads(model, yes);
    } else {
        change.members.push_back({edit.storey, edit.index});
    }
    live.update(model, results, change, asker);
}

// Random edits of sections, presence, slabs and loads, with undo and redo as the inverse edits.
class RandomEdits {
public:
    // With slabs, the members keep their presence, so that every slab finds its beams and
    // columns; without, presence toggles and load results edited in place.
    RandomEdits(Model& model, AnalysisResults& results, std::uint32_t seed, bool slabs)
        : model_(model), results_(results), random_(seed), slabs_(slabs), toggles_(!slabs) {}

    // Takes back the last edit; false when there is none.
    bool undo(LiveAnalysis& live, Asker& asker) {
        if (done_.empty())
            return false;
        undone_.push_back(done_.back());
        done_.pop_back();
        apply(model_, results_, live, undone_.back(), false, asker);
        return true;
    }

    // Applies one random step and says what it was.
    std::string step(LiveAnalysis& live, Asker& asker) {
        const int kind = integer(0, 9);
        if (kind == 0 && undo(live, asker))
            return "undo";
        if (kind == 1 && !undone_.empty()) {
            done_.push_back(undone_.back());
            undone_.pop_back();
            apply(model_, results_, live, done_.back(), true, asker);
            return "redo";
        }
        if (kind == 2 && !slabs_) {
            // A load edit of the stored results, as an undone distribution brings back.
            const int storey = integer(1, model_.counts.nStoreys);
            model_.massCentre(storey, 1) += integer(-500, 500);
            model_.gyrationRadius(storey) *= 1 + integer(-10, 10) / 100.0;
            ModelChange change;
            change.loadResults = true;
            live.update(model_, results_, change, asker);
            return "loads";
        }
        Edit edit = kind == 2 ? slabEdit() : memberEdit();
        const std::string what = edit.slab ? "slab" : "member";
        apply(model_, results_, live, edit, true, asker);
        done_.push_back(std::move(edit));
        undone_.clear();
        return what;
    }

private:
    int integer(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    Edit memberEdit() {
        const Counts& c = model_.counts;
        Edit e;
        e.storey = integer(1, c.nStoreys);
        // Columns as often as beams.
        const int grid = c.nX * c.nY;
        e.index = integer(0, 1) ? integer(1, model_.sizes().nSlots) : integer(1, grid);
        e.before = record(model_.members, e.storey, e.index);
        e.after = e.before;
        if (toggles_ && integer(0, 9) == 0) { // presence toggled
            e.after[0] = e.after[0] == 1 ? 0 : 1;
            if (e.after[2] == 0) { // a slot never filled gets a section
                e.after[2] = 300;
                e.after[3] = 500;
            }
        } else {                                 // a section changed, in steps of 50 mm
            const bool second = e.after[1] != 0; // a box or a T: walls, or flange and web
            e.after[2] = 50.0 * integer(second ? 8 : 5, 16);
            e.after[3] = 50.0 * integer(second ? 8 : 6, 16);
            if (second) {
                e.after[4] = 50.0 * integer(2, 3);
                e.after[5] = 50.0 * integer(2, 3);
            }
        }
        return e;
    }

    Edit slabEdit() {
        const Counts& c = model_.counts;
        Edit e;
        e.slab = true;
        e.storey = integer(1, c.nStoreys);
        e.index = integer(1, (c.nX - 1) * (c.nY - 1));
        e.before = record(model_.slabs, e.storey, e.index);
        e.after = e.before;
        e.after[slab::permanent - 1] = integer(3, 9) / 1000.0;
        e.after[slab::direction - 1] = integer(1, 2);
        return e;
    }

    Model& model_;
    AnalysisResults& results_;
    std::mt19937 random_;
    bool slabs_;
    bool toggles_;
    std::vector<Edit> done_;
    std::vector<Edit> undone_;
};

// 200 random edits on one building, each followed by a comparison with a full calculation.
LiveAnalysis::Statistics checkRandomEdits(Model model, std::uint32_t seed, bool slabs,
                                          double budget) {
    ScriptedAsker asker;
    LiveAnalysis live;
    AnalysisResults results;
    live.setDriftBudget(budget);
    live.calculate(model, results, asker);
    // Families of their own, which the edits must keep.
    for (const auto& [d, count] :
         {std::pair{Direction::orthogonalToX, 3}, std::pair{Direction::orthogonalToY, 2}}) {
        setFamilyCount(model, results, d, count, asker);
        assignFamilies(model, results, d, count, asker);
    }
    ModelChange families;
    families.familiesX = families.familiesY = true;
    live.update(model, results, families, asker);
    const AnalysisResults before = results;

    RandomEdits edits(model, results, seed, slabs);
    const auto agrees = [&](int k, const std::string& what) {
        EXPECT_FALSE(live.behind()) << "edit " << k << " (" << what << ") was refused";
        const std::string found = differences(model, live.regularity(), results);
        EXPECT_TRUE(found.empty()) << "edit " << k << " (" << what << "): " << found;
        return found.empty() && !live.behind();
    };
    bool quiet = true; // the last update showed no message
    for (int k = 1; k <= 200; ++k) {
        const std::size_t messages = asker.messages.size();
        const std::string what = edits.step(live, asker);
        if (!agrees(k, what))
            break;
        // An edit that leaves a ritto without stiffness is taken back, as the engineer would on
        // reading the message (the building that starts so is followed by full calculations).
        const bool broke = quiet && asker.messages.size() != messages;
        quiet = asker.messages.size() == messages;
        if (broke && edits.undo(live, asker)) {
            if (!agrees(k, what + ", undone"))
                break;
            quiet = true;
        }
    }
    for (const Direction d : bothDirections)
        EXPECT_EQ(results[d].familyCount, before[d].familyCount);
    return live.statistics();
}

// Random buildings whose first calculation completes, so that edits can be followed ritto by
// ritto, or (complete = false) stops on a ritto that cannot be condensed, so that they are
// followed by full calculations.
std::vector<std::uint32_t> seedsCalculating(bool complete, std::size_t count) {
    std::vector<std::uint32_t> seeds;
    for (std::uint32_t seed = 1; seeds.size() < count; ++seed) {
        ScriptedAsker quiet;
        AnalysisResults results;
        if (runCalculation(testing::randomBuilding(seed), results, quiet).complete() == complete)
            seeds.push_back(seed);
    }
    return seeds;
}

TEST(LiveAnalysisRandomEdits, RandomBuildingsFollowTheEditsAsAFullCalculationWould) {
    for (const std::uint32_t seed : seedsCalculating(true, 3)) {
        SCOPED_TRACE(seed);
        const LiveAnalysis::Statistics s = checkRandomEdits(testing::randomBuilding(seed), seed,
                                                            false, RoundingDrift::defaultBudget);
        // Edits that break a ritto run a few full calculations; most are followed in part.
        EXPECT_LT(s.fullCalculations, 60);
        EXPECT_GT(s.rittiCondensed, 100);
    }
}

TEST(LiveAnalysisRandomEdits, BuildingThatCannotBeCondensedFollowsByFullCalculations) {
    const std::uint32_t seed = seedsCalculating(false, 1).front();
    const LiveAnalysis::Statistics s =
        checkRandomEdits(testing::randomBuilding(seed), seed, false, RoundingDrift::defaultBudget);
    EXPECT_GT(s.fullCalculations, 100);
}

TEST(LiveAnalysisRandomEdits, BuildingWithSlabsFollowsSlabAndMemberEdits) {
    const LiveAnalysis::Statistics s =
        checkRandomEdits(testing::regularBuilding(5, 4, 6), 7, true, RoundingDrift::defaultBudget);
    EXPECT_GT(s.storeysReassembled, 10); // a slab edit sums again the terms of its storey
    EXPECT_GT(s.rittiCondensed, 100);
}

TEST(LiveAnalysisRandomEdits, SumsMadeAgainAtEveryBudgetStayExact) {
    // A budget so small that the sums are made again after every edit that changes a ritto.
    const std::uint32_t seed = seedsCalculating(true, 4).back();
    const LiveAnalysis::Statistics s =
        checkRandomEdits(testing::randomBuilding(seed), seed, false, 1e-16);
    EXPECT_GT(s.globalResums, 100);
    EXPECT_GT(s.familiesResummed, 100);
}

// A regular building of 5 × 4 lines and 3 storeys, calculated.
struct LiveAnalysisTest : ::testing::Test {
    Model model = testing::regularBuilding(5, 4, 3);
    ScriptedAsker asker;
    LiveAnalysis live;
    AnalysisResults results;

    LiveAnalysisTest() { live.calculate(model, results, asker); }

    LiveUpdate change(int storey, int slot, double base, double height) {
        model.members(storey, slot, member::base) = base;
        model.members(storey, slot, member::height) = height;
        ModelChange c;
        c.members.push_back({storey, slot});
        return live.update(model, results, c, asker);
    }
};

TEST_F(LiveAnalysisTest, ColumnSectionCondensesOnlyTheTwoRittiOfItsNode) {
    const int condensed = live.statistics().rittiCondensed;
    EXPECT_EQ(change(2, numbering::gridNode(model.counts, 2, 2), 700, 800),
              LiveUpdate::incremental);
    EXPECT_EQ(live.statistics().rittiCondensed - condensed, 2);
    EXPECT_EQ(live.statistics().fullCalculations, 1);
    EXPECT_EQ(differences(model, live.regularity(), results), "");
}

TEST_F(LiveAnalysisTest, BeamSectionCondensesTheTwoRittiAtItsEnds) {
    const int condensed = live.statistics().rittiCondensed;
    change(1, numbering::beamYSlot(model.counts, 2), 400, 900);
    EXPECT_EQ(live.statistics().rittiCondensed - condensed, 2);
    EXPECT_EQ(differences(model, live.regularity(), results), "");
}

TEST_F(LiveAnalysisTest, TrialOnACopyAndItsTakingBackLeaveTheOriginalAsItWas) {
    Model trial = model;
    AnalysisResults trialResults = results;
    LiveAnalysis trialLive = live;
    const MemberRef column{2, numbering::gridNode(model.counts, 4, 3)};
    const ColumnSection old = columnSection(model, column.storey, column.slot);
    ColumnSection wall = old;
    wall.base = 3 * old.base;
    EXPECT_EQ(trialLive.trySection(trial, trialResults, column, wall, asker),
              LiveUpdate::incremental);
    EXPECT_EQ(differences(trial, trialLive.regularity(), trialResults), "");
    EXPECT_FALSE(trialResults[Direction::orthogonalToY].ritMatrix ==
                 results[Direction::orthogonalToY].ritMatrix);
    EXPECT_EQ(trialLive.trySection(trial, trialResults, column, old, asker),
              LiveUpdate::incremental);
    EXPECT_TRUE(trial == model);
    EXPECT_TRUE(trialResults[Direction::orthogonalToY].ritMatrix ==
                results[Direction::orthogonalToY].ritMatrix);
    EXPECT_EQ(differences(model, trialLive.regularity(), trialResults), "");
}

TEST_F(LiveAnalysisTest, UnchangedSectionCondensesNothing) {
    const int condensed = live.statistics().rittiCondensed;
    const int slot = numbering::gridNode(model.counts, 3, 2);
    change(1, slot, model.members(1, slot, member::base), model.members(1, slot, member::height));
    EXPECT_EQ(live.statistics().rittiCondensed, condensed);
}

TEST_F(LiveAnalysisTest, RefusedSectionLeavesTheResultsAsTheyWereUntilCorrected) {
    const AnalysisResults before = results;
    const int corner = numbering::gridNode(model.counts, 1, 1);
    const double base = model.members(1, corner, member::base);
    EXPECT_EQ(change(1, corner, 0, 500), LiveUpdate::refused);
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Risultati non aggiornati");
    EXPECT_EQ(asker.messages[0].lines[1], "piano 1, pilastro al nodo 1: base non positiva (0 mm)");
    EXPECT_TRUE(live.behind());
    EXPECT_TRUE(results == before);
    // Another edit while the section is still wrong is held back too.
    EXPECT_EQ(change(2, numbering::gridNode(model.counts, 2, 2), 700, 700), LiveUpdate::refused);
    EXPECT_TRUE(results == before);
    // Corrected, both edits reach the results.
    EXPECT_EQ(change(1, corner, base + 100, 500), LiveUpdate::incremental);
    EXPECT_FALSE(live.behind());
    EXPECT_EQ(differences(model, live.regularity(), results), "");
}

TEST(LiveAnalysisZeroPivot, RunsTheFullCalculationWhileARittoCannotBeCondensed) {
    // Two storeys on a 2 × 2 frame and an extra node at (2500, 2000), loads given.
    Model model = testing::fullFrame(2, 2, 2, 1);
    model.coordX(3) = 2500;
    model.coordY(3) = 2000;
    for (int k = 1; k <= 2; ++k) {
        model.massCentre(k, 1) = 2500;
        model.massCentre(k, 2) = 2000;
        model.gyrationRadius(k) = 1900;
    }
    ScriptedAsker asker;
    LiveAnalysis live;
    AnalysisResults results;
    live.calculate(model, results, asker);
    ASSERT_TRUE(asker.messages.empty());
    const int extra = numbering::columnSlot(model.counts, 5);
    const auto place = [&](int storey, bool present) {
        testing::setRectangle(model, storey, extra, 400, 400);
        setPresent(model, storey, extra, present);
        ModelChange c;
        c.members.push_back({storey, extra});
        return live.update(model, results, c, asker);
    };
    // A column on the second storey only: its first floor is held by nothing.
    EXPECT_EQ(place(2, true), LiveUpdate::full);
    ASSERT_EQ(asker.messages.size(), 2u); // one per direction
    EXPECT_EQ(asker.messages[0].title, "Errore di Inversione della Matrice");
    EXPECT_EQ(asker.messages[1].title, "Errore di Inversione della Matrice");
    EXPECT_EQ(differences(model, live.regularity(), results), "");
    EXPECT_EQ(place(1, true), LiveUpdate::full); // mended by a full calculation
    EXPECT_EQ(asker.messages.size(), 2u);
    EXPECT_EQ(place(1, false), LiveUpdate::full); // and broken again
    EXPECT_EQ(place(2, false), LiveUpdate::full);
    EXPECT_EQ(place(2, true), LiveUpdate::full);
    EXPECT_EQ(place(1, true), LiveUpdate::full);
    testing::setRectangle(model, 2, extra, 450, 400);
    ModelChange c;
    c.members.push_back({2, extra});
    EXPECT_EQ(live.update(model, results, c, asker), LiveUpdate::incremental);
    EXPECT_EQ(differences(model, live.regularity(), results), "");
}

TEST_F(LiveAnalysisTest, LoadsReassembleWithoutCondensing) {
    const int condensed = live.statistics().rittiCondensed;
    model.massCentre(2, 1) += 750;
    ModelChange c;
    c.loadResults = true;
    EXPECT_EQ(live.update(model, results, c, asker), LiveUpdate::reassembled);
    EXPECT_EQ(live.statistics().rittiCondensed, condensed);
    EXPECT_EQ(live.statistics().fullCalculations, 1);
    // Only the terms of storey 2 were summed again, each as the whole assembly sums it.
    EXPECT_EQ(live.statistics().storeysReassembled, 1);
    EXPECT_EQ(live.statistics().globalResums, 0);
    EXPECT_TRUE(results.globalStiffness == FullCalculation(model, results).results.globalStiffness);
    EXPECT_EQ(differences(model, live.regularity(), results), "");

    // Two storeys of three moved: more than a quarter, the whole matrix is summed again.
    model.massCentre(1, 2) += 500;
    model.gyrationRadius(3) *= 1.1;
    EXPECT_EQ(live.update(model, results, c, asker), LiveUpdate::reassembled);
    EXPECT_EQ(live.statistics().globalResums, 1);
    EXPECT_EQ(differences(model, live.regularity(), results), "");
}

TEST_F(LiveAnalysisTest, GridChangeRecalculatesKeepingTheFamilies) {
    setFamilyCount(model, results, Direction::orthogonalToY, 2, asker);
    assignFamilies(model, results, Direction::orthogonalToY, 2, asker);
    const Array1<std::int16_t> families = results[Direction::orthogonalToY].family;
    model.coordX(5) += 1000;
    ModelChange c;
    c.grid = true;
    EXPECT_EQ(live.update(model, results, c, asker), LiveUpdate::full);
    EXPECT_EQ(results[Direction::orthogonalToY].family, families);
    EXPECT_EQ(results[Direction::orthogonalToY].familyCount, 2);
    EXPECT_EQ(differences(model, live.regularity(), results), "");
}

TEST_F(LiveAnalysisTest, NothingToKeepUpToDateBeforeTheFirstCalculation) {
    LiveAnalysis fresh;
    ModelChange c;
    c.members.push_back({1, 1});
    EXPECT_EQ(fresh.update(model, results, c, asker), LiveUpdate::nothing);
    EXPECT_FALSE(fresh.calculated());
}

TEST_F(LiveAnalysisTest, ModesComeWhenAskedAndFollowTheConcreteClass) {
    EXPECT_FALSE(live.regularity().hasModes());
    const double period = live.seismic(model, results).modes(1).period;
    EXPECT_TRUE(live.regularity().hasModes());
    // Ecm = 22000·((0.83·Rck + 8)/10)^0.3: T scales as √(Ecm(30)/Ecm(120)).
    model.settings.setNumber(settingKey::concreteClass, 4 * 30);
    ModelChange c;
    c.settings = true;
    EXPECT_EQ(live.update(model, results, c, asker), LiveUpdate::seismic);
    EXPECT_NEAR(live.seismic(model, results).modes(1).period,
                period * std::sqrt(secantModulus(30) / secantModulus(120)), 1e-9 * period);
}

TEST(LiveResultsOfADocument, EditsUndoAndRedoKeepTheResultsCurrent) {
    Model model = testing::regularBuilding(5, 4, 3);
    ProjectDocument document{model};
    ScriptedAsker asker;
    LiveResults live{document, asker};
    const auto base = [&](int storey, int node, double value) {
        return document.apply(modelEdit(
            "Modifica Sezione", [=](Model& m) { m.members(storey, node, member::base) = value; }));
    };
    const auto agrees = [&] {
        return document.resultsCurrent() &&
               differences(model, live.regularity(), document.results()).empty();
    };
    base(1, 7, 650); // before "Calcola Matrici" nothing follows
    EXPECT_FALSE(live.following());
    live.calculate();
    EXPECT_TRUE(agrees());

    base(2, 8, 800);
    EXPECT_EQ(live.lastUpdate(), LiveUpdate::incremental);
    EXPECT_TRUE(agrees());
    document.apply({"Assegna Famiglie", [&](Model& m, AnalysisResults& r) {
                        setFamilyCount(m, r, Direction::orthogonalToX, 2, asker);
                        assignFamilies(m, r, Direction::orthogonalToX, 2, asker);
                    }});
    EXPECT_EQ(live.lastUpdate(), LiveUpdate::centres);
    EXPECT_EQ(document.results()[Direction::orthogonalToX].familyCount, 2);
    EXPECT_TRUE(agrees());
    document.apply(modelEdit("Modifica Solaio", [](Model& m) {
        m.slabs(3, 1, slab::permanent) = 0.009;
        ScriptedAsker yes;
        distributeLoads(m, yes);
    }));
    EXPECT_EQ(live.lastUpdate(), LiveUpdate::reassembled);
    EXPECT_TRUE(agrees());

    // A refused section leaves the results, and their mark, as they were; its undo mends both.
    const AnalysisResults before = document.results();
    base(2, 9, 0);
    EXPECT_EQ(live.lastUpdate(), LiveUpdate::refused);
    EXPECT_FALSE(document.resultsCurrent());
    EXPECT_TRUE(document.results() == before);
    document.undo();
    EXPECT_TRUE(agrees());
    for (int k = 0; k < 3; ++k) {
        document.undo();
        EXPECT_TRUE(agrees()) << "undo " << k;
    }
    EXPECT_EQ(document.results()[Direction::orthogonalToX].familyCount, 1);
    document.redo();
    document.redo();
    EXPECT_TRUE(agrees());
    EXPECT_EQ(document.results()[Direction::orthogonalToX].familyCount, 2);
}

} // namespace
} // namespace orvanta
