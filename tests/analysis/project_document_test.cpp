#include "calculation.h"
#include "project_document.h"
#include "sample_models.h"
#include "scripted_interaction.h"

#include <gtest/gtest.h>
#include <new>

namespace orvanta {
namespace {

using testing::fullFrame;
using testing::ScriptedAsker;

// Records every change it is told of; may unregister itself when told.
struct Recorder : DocumentObserver {
    std::vector<ModelChange> changes;
    ProjectDocument* leaveOnNextChange = nullptr;
    void documentChanged(const ModelChange& change) override {
        changes.push_back(change);
        if (leaveOnNextChange)
            leaveOnNextChange->removeObserver(*this);
    }
};

Edit sectionBase(int storey, int slot, double base) {
    return modelEdit("Modifica Sezione",
                     [=](Model& m) { m.members(storey, slot, member::base) = base; });
}

struct DocumentTest : ::testing::Test {
    Model model = fullFrame(3, 2, 2);
    ProjectDocument document{model};
    Recorder recorder;
    DocumentTest() { document.addObserver(recorder); }
};

TEST_F(DocumentTest, OneEditNamesTheMemberItChangedAndUndoRedoWalkBothWays) {
    document.apply(sectionBase(2, 4, 450));
    ASSERT_EQ(recorder.changes.size(), 1u);
    EXPECT_EQ(recorder.changes[0].members, (std::vector<MemberRef>{{2, 4}}));
    EXPECT_TRUE(recorder.changes[0].slabs.empty());
    EXPECT_FALSE(recorder.changes[0].loadResults);
    EXPECT_EQ(document.undoCaption(), "Modifica Sezione");

    document.undo();
    EXPECT_EQ(model.members(2, 4, member::base), 300);
    EXPECT_EQ(document.redoCaption(), "Modifica Sezione");
    EXPECT_FALSE(document.canUndo());
    document.redo();
    EXPECT_EQ(model.members(2, 4, member::base), 450);
    ASSERT_EQ(recorder.changes.size(), 3u);
    EXPECT_EQ(recorder.changes[1].members, (std::vector<MemberRef>{{2, 4}}));
    EXPECT_EQ(recorder.changes[2].members, (std::vector<MemberRef>{{2, 4}}));
}

TEST_F(DocumentTest, ABulkEntryIsOneStepAndNamesEveryMemberOnce) {
    const Model before = model;
    document.apply(modelEdit("Applica a tutti i piani", [](Model& m) {
        for (int k = 1; k <= 2; ++k) {
            m.members(k, 1, member::base) = 600;
            m.members(k, 1, member::height) = 700;
            m.members(k, 2, member::base) = 600;
        }
    }));
    EXPECT_EQ(recorder.changes.back().members,
              (std::vector<MemberRef>{{1, 1}, {1, 2}, {2, 1}, {2, 2}}));
    document.undo();
    EXPECT_EQ(model, before);
    EXPECT_FALSE(document.canUndo());
}

TEST_F(DocumentTest, AnEditThatChangesNothingLeavesHistoryAndObserversAlone) {
    document.apply(sectionBase(1, 1, 300)); // the base it already has
    EXPECT_TRUE(recorder.changes.empty());
    EXPECT_FALSE(document.canUndo());
}

TEST_F(DocumentTest, ANewEditAfterUndoForgetsWhatCouldBeRedone) {
    document.apply(sectionBase(1, 1, 350));
    document.undo();
    document.apply(sectionBase(1, 2, 360));
    EXPECT_FALSE(document.canRedo());
    EXPECT_EQ(document.redo().empty(), true);
    EXPECT_EQ(model.members(1, 1, member::base), 300);
}

TEST_F(DocumentTest, SlabsAreNamedByStoreyAndBay) {
    document.apply(modelEdit("Inserisci Solaio", [](Model& m) {
        m.slabs(2, 1, slab::present) = 1;
        m.slabs(2, 1, slab::permanent) = 0.005;
    }));
    EXPECT_EQ(recorder.changes.back().slabs, (std::vector<SlabRef>{{2, 1}}));
    EXPECT_TRUE(recorder.changes.back().members.empty());
}

// The distribution rewrites the load results; taking it back restores those of before, so a
// load edit undone next finds the results that went with it.
TEST_F(DocumentTest, UndoingTheDistributionRestoresTheEarlierLoadResults) {
    model.beamLoads(1, 1) = 10;
    document.apply(
        modelEdit("Inserisci Solaio", [](Model& m) { m.slabs(1, 1, slab::present) = 1; }));
    document.apply(modelEdit("Distribuzione dei carichi", [](Model& m) {
        m.beamLoads(1, 1) = 25;
        m.storeyForce(2) = 7;
    }));
    EXPECT_TRUE(recorder.changes.back().loadResults);
    document.undo();
    EXPECT_EQ(model.beamLoads(1, 1), 10);
    EXPECT_EQ(model.storeyForce(2), 0);
    document.undo();
    EXPECT_EQ(model.slabs(1, 1, slab::present), 0);
    EXPECT_EQ(model.beamLoads(1, 1), 10);
}

TEST_F(DocumentTest, AFamilyMoveIsTheFamiliesOfItsOwnDirection) {
    ScriptedAsker asker;
    runCalculation(model, document.results(), asker);
    document.apply({"Sposta Ritto", [](Model&, AnalysisResults& r) {
                        r[Direction::orthogonalToX].familyCount = 2;
                        r[Direction::orthogonalToX].family(3) = 2;
                    }});
    const ModelChange& change = recorder.changes.back();
    EXPECT_TRUE(change.familiesX);
    EXPECT_FALSE(change.familiesY);
    EXPECT_FALSE(change.structural());
    document.undo();
    EXPECT_EQ(document.results()[Direction::orthogonalToX].family(3), 1);
    EXPECT_EQ(document.results()[Direction::orthogonalToX].familyCount, 1);
    EXPECT_TRUE(recorder.changes.back().familiesX);
}

// A new grid changes every index: the whole model is kept, and a settings edit made after it
// survives taking the grid back.
TEST_F(DocumentTest, AGridEditIsUndoneWholeAndKeepsLaterSettings) {
    const Model before = model;
    document.apply(modelEdit("Griglia", [](Model& m) { m = fullFrame(4, 2, 1); }));
    EXPECT_TRUE(recorder.changes.back().grid);
    document.apply(modelEdit("Classe del calcestruzzo", [](Model& m) {
        m.settings.setNumber(settingKey::concreteClass, 35);
    }));
    EXPECT_TRUE(recorder.changes.back().settings);
    EXPECT_FALSE(recorder.changes.back().grid);

    // Take the settings back and do them again, so that the grid step lies under them.
    document.undo();
    document.undo();
    EXPECT_EQ(model, before);
    document.redo();
    document.redo();
    EXPECT_EQ(model.counts.nX, 4);
    EXPECT_EQ(model.settings.number(settingKey::concreteClass), 35);
}

TEST_F(DocumentTest, AnEditThatThrowsLeavesTheProjectAsItWas) {
    const Model before = model;
    EXPECT_THROW(document.apply(modelEdit("Elimina Tutto",
                                          [](Model& m) {
                                              m.members(1, 1, member::present) = 0;
                                              throw std::bad_alloc();
                                          })),
                 std::bad_alloc);
    EXPECT_EQ(model, before);
    EXPECT_FALSE(document.canUndo());
    EXPECT_TRUE(recorder.changes.empty());
}

TEST_F(DocumentTest, ObserversRemovedOrLeavingAreToldNoMore) {
    Recorder second;
    document.addObserver(second);
    document.addObserver(second);
    recorder.leaveOnNextChange = &document;
    document.apply(sectionBase(1, 1, 310));
    document.apply(sectionBase(1, 1, 320));
    EXPECT_EQ(recorder.changes.size(), 1u);
    EXPECT_EQ(second.changes.size(), 2u);
    document.removeObserver(second);
    document.undo();
    EXPECT_EQ(second.changes.size(), 2u);
}

// The results describe the model they were computed from: an edit makes them stale, its undo
// current again; the project's settings do not enter the stiffness per unit modulus.
TEST_F(DocumentTest, ResultsAreCurrentOnlyForTheModelTheyWereComputedFrom) {
    EXPECT_FALSE(document.resultsCurrent());
    ScriptedAsker asker;
    runCalculation(model, document.results(), asker);
    EXPECT_TRUE(document.resultsCurrent());
    document.apply(sectionBase(1, 1, 310));
    EXPECT_FALSE(document.resultsCurrent());
    document.undo();
    EXPECT_TRUE(document.resultsCurrent());
    document.apply(modelEdit("Classe del calcestruzzo", [](Model& m) {
        m.settings.setNumber(settingKey::concreteClass, 40);
    }));
    EXPECT_TRUE(document.resultsCurrent());
}

TEST_F(DocumentTest, ResetEmptiesHistoryAndResults) {
    ScriptedAsker asker;
    runCalculation(model, document.results(), asker);
    document.apply(sectionBase(1, 1, 310));
    document.undo();
    document.reset();
    EXPECT_FALSE(document.canUndo());
    EXPECT_FALSE(document.canRedo());
    EXPECT_EQ(document.results().computedFrom, 0u);
}

TEST_F(DocumentTest, TheHistoryKeepsTheLatestStepsUpToItsLimit) {
    for (std::size_t i = 0; i <= ProjectDocument::historyLimit; ++i)
        document.apply(sectionBase(1, 1, 301.0 + static_cast<double>(i)));
    std::size_t steps = 0;
    while (document.canUndo()) {
        document.undo();
        ++steps;
    }
    EXPECT_EQ(steps, ProjectDocument::historyLimit);
    EXPECT_EQ(model.members(1, 1, member::base), 301); // the first edit is kept
}

} // namespace
} // namespace orvanta
