#include "project_file.h"
#include "project_session.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "test_paths.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedAsker;
using testing::ScriptedFileChooser;

struct RecordingObserver : SessionObserver {
    void openGridEditor() override { events.push_back("grid editor"); }
    void enableAnalysisMenu() override { events.push_back("analysis menu"); }
    void projectClosed(const std::string& phase) override { events.push_back("closed " + phase); }
    std::vector<std::string> events;
};

class ProjectSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            testing::outputFolder(std::string("session-") +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        saved = testing::fullFrame(3, 2, 2);
        saved.planScale = 2.2f;
        ASSERT_EQ(writeProjectFile(saved, (folder / "casa.orv").string()), "");
    }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    bool openFromDialog(const std::string& name) {
        chooser.willChoose(path(name));
        return session.open();
    }

    fs::path folder;
    Model saved;
    ScriptedAsker asker;
    ScriptedFileChooser chooser;
    RecordingObserver observer;
    ProjectSession session{asker, chooser, &observer};
};

TEST_F(ProjectSessionTest, NewGivesTheGridItsEditingArraysAndRefusesASecondProject) {
    session.newProject();
    EXPECT_TRUE(session.projectOpen());
    EXPECT_EQ(session.model().coordX.upper(), 200);
    EXPECT_EQ(session.model().coordY.upper(), 200);
    EXPECT_EQ(session.model().levelZ.upper(), 100);
    EXPECT_EQ(observer.events, std::vector<std::string>{"grid editor"});

    session.newProject();
    ASSERT_EQ(asker.messages.size(), 1u);
    const Message& m = asker.messages[0];
    EXPECT_EQ(m.title, "Impossibile aprire un nuovo progetto");
    EXPECT_EQ(m.text(), "E' possibile aprire un solo documento alla volta\n"
                        "Chiudere il progetto corrente prima di procedere");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(observer.events.size(), 1u);
}

TEST_F(ProjectSessionTest, OpenReadsTheModelAndNamesTheProject) {
    ASSERT_TRUE(openFromDialog("casa.orv"));
    EXPECT_EQ(chooser.titles, std::vector<std::string>{"Apri Progetto"});
    EXPECT_EQ(chooser.filters, std::vector<std::string>{"File Orvanta (*.orv)"});
    EXPECT_TRUE(session.projectOpen());
    EXPECT_TRUE(session.projectHasFile());
    EXPECT_EQ(session.projectFolder(), folder.string());
    EXPECT_EQ(session.projectName(), "casa");
    EXPECT_EQ(session.model(), saved);
    EXPECT_EQ(observer.events, std::vector<std::string>{"analysis menu"});
    EXPECT_TRUE(asker.messages.empty());
}

TEST_F(ProjectSessionTest, OpenWhileAProjectIsOpenIsRefused) {
    ASSERT_TRUE(openFromDialog("casa.orv"));
    EXPECT_FALSE(openFromDialog("casa.orv"));
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Impossibile aprire un nuovo progetto");
}

TEST_F(ProjectSessionTest, CancelledOpenDoesNothingAndAnEmptyNameIsReported) {
    chooser.willChoose(std::nullopt);
    EXPECT_FALSE(session.open());
    EXPECT_TRUE(asker.messages.empty());
    EXPECT_FALSE(session.projectOpen());

    chooser.willChoose("");
    EXPECT_FALSE(session.open());
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].text(), "Non è stato inserito nessun file di input\n"
                                        "Impossibile aprire il progetto richiesto");
    EXPECT_FALSE(session.projectOpen());
}

TEST_F(ProjectSessionTest, FailedOpenLeavesTheProgramExactlyAsItWas) {
    ASSERT_TRUE(openFromDialog("casa.orv"));
    session.setCurrentPhase(phase::centres);
    session.close(); // from a result view the model stays in memory
    const Model before = session.model();

    std::ofstream(path("rotto.orv"), std::ios::binary) << "5000,4000,3000\r\n3,2,2,0\r\nx";
    EXPECT_FALSE(openFromDialog("rotto.orv"));
    ASSERT_EQ(asker.messages.size(), 1u);
    const Message& m = asker.messages[0];
    EXPECT_EQ(m.title, "Impossibile aprire il progetto");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_NE(m.text().find("rotto.orv"), std::string::npos);
    EXPECT_NE(m.text().find("troppo corto"), std::string::npos);
    EXPECT_EQ(session.model(), before);
    EXPECT_FALSE(session.projectOpen());
    EXPECT_FALSE(session.projectHasFile());
    EXPECT_EQ(session.projectName(), "casa");
    EXPECT_EQ(session.fileName(), path("casa.orv"));

    EXPECT_FALSE(openFromDialog("manca.orv"));
    EXPECT_NE(asker.messages.back().text().find("il file non esiste"), std::string::npos);
}

TEST_F(ProjectSessionTest, CloseWithNothingOpenIsReported) {
    session.close();
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Impossibile chiudere il progetto");
    EXPECT_EQ(asker.messages[0].text(),
              "Non ci sono documenti da chiudere\nNessun progetto è aperto al momento");
    EXPECT_TRUE(observer.events.empty());
}

TEST_F(ProjectSessionTest, CloseClearsTheModelOnlyFromAnInputPhase) {
    ASSERT_TRUE(openFromDialog("casa.orv"));
    session.setCurrentPhase(phase::geometry);
    session.close();
    EXPECT_FALSE(session.projectOpen());
    EXPECT_FALSE(session.projectHasFile());
    EXPECT_EQ(session.model().counts, Counts{});
    EXPECT_TRUE(session.model().members.empty());
    EXPECT_TRUE(session.model().coordX.empty());
    EXPECT_FALSE(session.model().slabs.empty()); // the geometry phase leaves the slabs
    EXPECT_EQ(observer.events.back(), "closed Geometria");

    ASSERT_TRUE(openFromDialog("casa.orv"));
    session.setCurrentPhase(phase::sections);
    session.close();
    EXPECT_TRUE(session.model().slabs.empty());
    EXPECT_TRUE(session.model().beamLoads.empty());
    EXPECT_TRUE(session.model().massCentre.empty());

    ASSERT_TRUE(openFromDialog("casa.orv"));
    session.setCurrentPhase(phase::matrix);
    session.close();
    EXPECT_EQ(session.model(), saved);
}

TEST_F(ProjectSessionTest, SaveOfANeverSavedProjectAsksOnceThenWrites) {
    session.newProject();
    session.model() = saved; // as the grid and later editors leave it
    chooser.willChoose(path("nuovo"));
    ASSERT_TRUE(session.save());
    EXPECT_EQ(chooser.titles, std::vector<std::string>{"Salva Progetto"});
    EXPECT_TRUE(session.projectHasFile());
    EXPECT_EQ(session.projectName(), "nuovo");
    EXPECT_EQ(session.fileName(), path("nuovo.orv"));
    EXPECT_EQ(observer.events.back(), "analysis menu");
    const ProjectReadResult back = readProjectFile(path("nuovo.orv"));
    ASSERT_TRUE(back.model);
    EXPECT_EQ(projectText(*back.model), projectText(saved));

    session.model().storeyForce(1) = 0.25;
    ASSERT_TRUE(session.save());
    EXPECT_EQ(chooser.titles.size(), 1u); // no second dialog
    EXPECT_EQ(readProjectFile(path("nuovo.orv")).model->storeyForce(1), 0.25);
}

TEST_F(ProjectSessionTest, CancelledSaveAsWritesNothing) {
    session.newProject();
    session.model() = saved;
    chooser.willChoose(std::nullopt);
    EXPECT_FALSE(session.save());
    EXPECT_FALSE(session.projectHasFile());
    EXPECT_TRUE(asker.messages.empty());
}

TEST_F(ProjectSessionTest, FailedSaveAsKeepsTheProjectUnsavedUnderItsOldName) {
    ASSERT_TRUE(openFromDialog("casa.orv"));
    chooser.willChoose("/nonexistent/folder/altro.orv");
    EXPECT_FALSE(session.saveAs());
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Impossibile salvare il progetto");
    EXPECT_EQ(asker.messages[0].icon, MessageIcon::Critical);
    EXPECT_NE(asker.messages[0].text().find("altro.orv"), std::string::npos);
    EXPECT_TRUE(session.projectOpen());
    EXPECT_EQ(session.projectName(), "casa");
    EXPECT_EQ(session.fileName(), path("casa.orv"));
}

TEST_F(ProjectSessionTest, SaveWithNoProjectOpenWritesNothing) {
    chooser.willChoose(path("vuoto.orv"));
    EXPECT_FALSE(session.save());
    EXPECT_FALSE(fs::exists(path("vuoto.orv")));
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Impossibile salvare il progetto");
}

TEST(ProjectPath, SplitsAtTheLastSeparatorAndDropsTheExtension) {
    std::string folder, name = "prima";
    splitProjectPath("/home/ing/progetti/casa.orv", folder, name);
    EXPECT_EQ(folder, "/home/ing/progetti");
    EXPECT_EQ(name, "casa");
    splitProjectPath("C:\\Progetti\\Scuola Media.ORV", folder, name);
    EXPECT_EQ(folder, "C:\\Progetti");
    EXPECT_EQ(name, "Scuola Media");
    splitProjectPath("/home/ing/a.b/casa", folder, name);
    EXPECT_EQ(folder, "/home/ing/a.b");
    EXPECT_EQ(name, "casa");
}

TEST(ProjectPath, SiblingFilesTakeTheProjectsFolderAndName) {
    testing::ScriptedAsker asker;
    testing::ScriptedFileChooser chooser;
    ProjectSession session(asker, chooser);
    EXPECT_EQ(session.siblingFile(".bmp"), "");
    const fs::path folder = testing::outputFolder("project-sibling");
    writeProjectFile(testing::fullFrame(2, 2, 1), (folder / "casa.orv").string());
    ASSERT_TRUE(session.openFile((folder / "casa.orv").string()));
    EXPECT_EQ(session.siblingFile(".bmp"), (folder / "casa.bmp").string());
}

TEST(ProjectPath, ANameWithoutSeparatorLeavesTheProjectNameUnchanged) {
    std::string folder = "x", name = "precedente";
    splitProjectPath("casa.orv", folder, name);
    EXPECT_EQ(folder, "casa.orv");
    EXPECT_EQ(name, "precedente");
}

// A file name with a line feed or an escape character is shown escaped, so that the refusal stays
// on its lines (and on one line in the batch tool).
TEST_F(ProjectSessionTest, ControlCharactersInAFileNameAreShownEscaped) {
    EXPECT_FALSE(openFromDialog("casa\nnuova\x1B.orv"));
    ASSERT_EQ(asker.messages.size(), 1u);
    const std::string& first = asker.messages[0].lines.at(0);
    EXPECT_NE(first.find("casa\\nnuova\\x1B.orv"), std::string::npos) << first;
    for (const std::string& line : asker.messages[0].lines)
        EXPECT_EQ(line.find_first_of("\n\r\x1B"), std::string::npos) << line;
}

} // namespace
} // namespace orvanta
