// A project saved before its input is over: the grid in the layout of its file (also before it
// describes a building), element and load records written as zeros where nothing was entered or
// computed yet, the phase in the settings, and the session that resumes it.

#include "grid_entry.h"
#include "input_phase.h"
#include "project_file.h"
#include "project_session.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "test_paths.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

void enter(GridEntry& grid, GridAxis axis, std::initializer_list<double> values) {
    for (const double v : values)
        ASSERT_EQ(grid.add(axis, v), std::nullopt) << v;
}

// X lines 0 and 5000, one Y line at 0, one level at 0, an extra node at (2500, 700), the
// maxima 5, 4 and 3 m: not a building yet.
void enterHalfAGrid(GridEntry& grid) {
    grid.setMaximum(GridAxis::x, 5);
    grid.setMaximum(GridAxis::y, 4);
    grid.setMaximum(GridAxis::z, 3);
    enter(grid, GridAxis::x, {0, 5000});
    enter(grid, GridAxis::y, {0});
    enter(grid, GridAxis::z, {0});
    ASSERT_EQ(grid.addExtraNode(2500, 700), std::nullopt);
}

void finishTheGrid(GridEntry& grid) {
    enter(grid, GridAxis::y, {4000});
    enter(grid, GridAxis::z, {3000});
    ASSERT_EQ(grid.handOverRefusal(), std::nullopt);
    grid.handOver();
}

TEST(SavedInput, PhasesAreRecordedOnlyBeforeTheSections) {
    ProjectSettings settings;
    for (const char* phaseName : {phase::grid, phase::geometry, phase::loads}) {
        recordInputPhase(settings, phaseName);
        EXPECT_EQ(settings.text(settingKey::inputPhase), std::string(phaseName));
        EXPECT_EQ(savedInputPhase(settings), phaseName);
    }
    for (const char* phaseName : {phase::sections, phase::familiesX, ""}) {
        recordInputPhase(settings, phase::loads);
        recordInputPhase(settings, phaseName);
        EXPECT_TRUE(settings.empty()) << phaseName;
    }
    settings.setText(settingKey::inputPhase, "Sezioni");
    EXPECT_EQ(savedInputPhase(settings), "");
}

// Records 1 to 3 and the settings; the counts 2, 1, 0, 1 describe no building yet.
TEST(SavedInput, AGridBeforeItIsABuildingIsWrittenAsItsFirstThreeRecords) {
    Model editing;
    GridEntry grid(editing);
    enterHalfAGrid(grid);
    const std::string text = projectText(gridAsSaved(editing));
    EXPECT_EQ(text, "5,4,3\r\n"
                    "2,1,0,1\r\n"
                    "0,5000,2500,0,700,0,1\r\n"
                    "\r\n[Impostazioni Orvanta]\r\nversione=1\r\n"
                    "input.fase=Griglia\r\ninput.livelli=1\r\n");

    const ProjectReadResult read = parseProject(text);
    ASSERT_TRUE(read.model) << read.error;
    Model resumed = *read.model;
    GridEntry again = GridEntry::resumed(resumed);
    EXPECT_EQ(again.count(GridAxis::x), 2);
    EXPECT_EQ(again.count(GridAxis::y), 1);
    EXPECT_EQ(again.count(GridAxis::z), 1); // one level, not none
    EXPECT_EQ(again.coordinate(GridAxis::x, 2), 5000);
    EXPECT_EQ(again.extraNode(1).x, 2500);
    EXPECT_EQ(again.extraNode(1).y, 700);
    EXPECT_FLOAT_EQ(resumed.planScale, 1.0f);
    EXPECT_FLOAT_EQ(resumed.elevScale, 0.3f);
    EXPECT_TRUE(again.maximaGiven());

    // Finished after the pause, the grid is the one entered in one go.
    finishTheGrid(again);
    finishTheGrid(grid);
    EXPECT_EQ(resumed, editing);
}

TEST(SavedInput, AGridWithoutLevelsKeepsNone) {
    Model editing;
    GridEntry grid(editing);
    enter(grid, GridAxis::x, {0, 5000, 5000});
    Model saved = gridAsSaved(editing);
    const ProjectReadResult read = parseProject(projectText(saved));
    ASSERT_TRUE(read.model) << read.error;
    Model resumed = *read.model;
    EXPECT_EQ(GridEntry::resumed(resumed).count(GridAxis::z), 0);
    EXPECT_EQ(resumed.coordX(3), 10000);
}

// Without the grid phase in its settings, a file whose counts describe no building is refused
// as it always was.
TEST(SavedInput, OnlyTheGridPhaseMayLackABuilding) {
    const std::string records = "5,4,3\r\n2,1,0,1\r\n0,5000,2500,0,700,0,1\r\n";
    const ProjectReadResult read = parseProject(records);
    EXPECT_FALSE(read.model);
    EXPECT_NE(read.error.find("servono almeno due allineamenti"), std::string::npos) << read.error;
    const ProjectReadResult otherPhase =
        parseProject(records + "\r\n[Impostazioni Orvanta]\r\ninput.fase=Geometria\r\n");
    EXPECT_FALSE(otherPhase.model);
}

// The geometry phase has members but no slab and no load result yet: they are written as zeros,
// as the same model with zero-filled arrays would be.
TEST(SavedInput, ArraysNotFilledYetAreWrittenAsZeros) {
    Model geometry = testing::fullFrame(3, 2, 2);
    Model zeroFilled = geometry;
    for (Array3<double>* a : {&zeroFilled.slabs})
        std::fill(a->values().begin(), a->values().end(), 0.0);
    for (Array2<double>* a : {&zeroFilled.beamLoads, &zeroFilled.massCentre})
        std::fill(a->values().begin(), a->values().end(), 0.0);
    for (Array1<double>* a : {&zeroFilled.gyrationRadius, &zeroFilled.storeyForce})
        std::fill(a->values().begin(), a->values().end(), 0.0);
    geometry.slabs = {};
    geometry.beamLoads = {};
    geometry.massCentre = {};
    geometry.gyrationRadius = {};
    geometry.storeyForce = {};

    const auto target = testing::outputFolder("saved-input-zeros") / "geometria.orv";
    ASSERT_EQ(writeProjectFile(geometry, target.string()), "");
    EXPECT_EQ(testing::readBytes(target), projectText(zeroFilled));

    geometry.beamLoads = Array2<double>(1, 1, 1, 3); // present, but not the size of the grid
    EXPECT_NE(writeProjectFile(geometry, target.string()), "");
}

struct PhaseObserver : SessionObserver {
    void enableAnalysisMenu() override { events.push_back("analysis menu"); }
    void resumeInput(const std::string& phase) override { events.push_back("resume " + phase); }
    std::vector<std::string> events;
};

// Saved in the geometry phase, the project opens again in it, without the Analisi menu; saved
// in the sections phase, its file has no settings section and Save gives the menu back.
TEST(SavedInput, TheSessionRecordsThePhaseAndResumesIt) {
    const auto folder = testing::outputFolder("saved-input-session");
    const std::string path = (folder / "casa.orv").string();
    testing::ScriptedAsker asker;
    testing::ScriptedFileChooser chooser;
    PhaseObserver observer;
    ProjectSession session(asker, chooser, &observer);
    session.newProject();
    session.model() = testing::fullFrame(3, 2, 1);
    session.model().slabs = {};
    session.setCurrentPhase(phase::geometry);
    chooser.willChoose(path);
    ASSERT_TRUE(session.saveAs());
    EXPECT_EQ(observer.events, std::vector<std::string>{"analysis menu"}); // as Save As always does
    observer.events.clear();
    EXPECT_NE(testing::readBytes(path).find("input.fase=Geometria"), std::string::npos);

    session.close();
    EXPECT_EQ(session.currentPhase(), "");
    ASSERT_TRUE(session.openFile(path));
    EXPECT_EQ(session.resumedPhase(), phase::geometry);
    EXPECT_EQ(observer.events, std::vector<std::string>{"resume Geometria"});

    session.setCurrentPhase(phase::sections);
    ASSERT_TRUE(session.save());
    EXPECT_EQ(testing::readBytes(path).find("Impostazioni"), std::string::npos);
    EXPECT_EQ(observer.events.back(), "analysis menu");

    session.close();
    ASSERT_TRUE(session.openFile(path));
    EXPECT_EQ(session.resumedPhase(), "");
}

} // namespace
} // namespace orvanta
