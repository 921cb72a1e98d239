// Changes of a building already entered as document edits: on every bundled example each kind
// of change is one undoable step that brings back the saved bytes, and the loads can be
// distributed on the changed building.

#include "building_edit.h"
#include "load_distribution.h"
#include "project_file.h"
#include "scripted_interaction.h"
#include "storey_copy.h"
#include "test_paths.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using Change = std::function<StructuralEdit(const Model&)>;

// One of each kind, placed where every example has room for it.
std::vector<std::pair<std::string, Change>> everyKindOfChange() {
    return {
        {"Inserisci linea X",
         [](const Model& m) {
             return insertGridLine(m, GridAxis::x, 2, (m.coordX(1) + m.coordX(2)) / 2);
         }},
        {"Inserisci linea Y",
         [](const Model& m) {
             return insertGridLine(m, GridAxis::y, m.counts.nY + 1, m.coordY(m.counts.nY) + 3000);
         }},
        {"Sposta linea X",
         [](const Model& m) { return moveGridLine(m, GridAxis::x, 1, m.coordX(1) - 250); }},
        {"Elimina linea Y",
         [](const Model& m) {
             return m.counts.nY > 2 ? deleteGridLine(m, GridAxis::y, 2)
                                    : moveGridLine(m, GridAxis::y, 2, m.coordY(2) + 100);
         }},
        {"Inserisci livello",
         [](const Model& m) {
             return insertGridLine(m, GridAxis::z, m.counts.nStoreys + 2,
                                   m.levelZ(m.counts.nStoreys + 1) + 3000);
         }},
        {"Elimina livello",
         [](const Model& m) {
             return m.counts.nStoreys > 1 ? deleteGridLine(m, GridAxis::z, m.counts.nStoreys + 1)
                                          : moveGridLine(m, GridAxis::z, 2, m.levelZ(2) + 200);
         }},
        {"Aggiungi punto nodale",
         [](const Model& m) { return insertExtraNode(m, m.coordX(1) - 1500, m.coordY(1)); }},
        {"Copia piano", [](const Model& m) { return copyStorey(m, 1, 1, m.counts.nStoreys); }},
    };
}

TEST(BuildingEdit, EveryChangeOfEveryExampleIsUndoneToTheSavedBytes) {
    int examples = 0;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(ORVANTA_EXAMPLES_DIR)) {
        const std::string saved = testing::readBytes(entry.path());
        ProjectReadResult read = parseProject(saved);
        ASSERT_TRUE(read.model) << entry.path();
        ASSERT_EQ(projectText(*read.model), saved) << entry.path();
        ++examples;
        Model model = *read.model;
        ProjectDocument document(model);
        for (const auto& [caption, change] : everyKindOfChange()) {
            const StructuralEdit edit = change(model);
            ASSERT_TRUE(edit.done())
                << entry.path() << ", " << caption << ": " << edit.refusal->text();
            const ModelChange told = document.apply(buildingEdit(caption, edit));
            // Copying a storey onto itself (a one-storey example) changes only the loads.
            EXPECT_FALSE(told.empty()) << caption;
            EXPECT_EQ(document.undoCaption(), caption);
            EXPECT_TRUE(model == edit.model) << entry.path() << ", " << caption;

            // The loads can be distributed on the changed building, in the same way.
            Model distributed = model;
            testing::ScriptedAsker yes;
            EXPECT_TRUE(distributeLoads(distributed, yes)) << entry.path() << ", " << caption;

            document.undo();
            EXPECT_EQ(projectText(model), saved) << entry.path() << ", " << caption;
            document.redo();
            EXPECT_TRUE(model == edit.model) << entry.path() << ", " << caption;
            document.undo();
        }
    }
    EXPECT_GE(examples, 3);
}

} // namespace
} // namespace orvanta
