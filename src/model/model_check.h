#pragma once

// The check of a model before "Calcola Matrici": values that the editors never write but that a
// hand-edited or damaged project file can hold, and that the formulas would otherwise turn into
// infinities, NaN or plainly wrong numbers without a word.
//
// A model passes when its counts are within what the editors make and every array matches them;
// every number is finite; grid lines along X and Y and the levels increase by at least 1 mm and
// lie within 10 km of the origin, as do the extra nodes and the centres of mass; every presence
// flag is 0 or 1; every present column, wall or beam has a valid section (sizes 1 mm … 100 m, a
// box with a hole, a T with a flange thinner than its depth and a web no wider than its flange);
// every present slab spans along X or Y (1 or 2) with non-negative loads up to 1 N/mm², a share
// of the variable load in 0 … 1 and sides of 1 mm … 20 km; every storey's share of the storey
// forces lies in 0 … 1 and its radius of gyration, when positive, in 0.001 mm … 100 km.
//
// A radius of gyration that is not positive passes: the calculation reports those storeys itself
// and leaves their rotations out.
//
// Example: a present 0 × 500 column at node 5 of storey 2 is reported as
//     piano 2, pilastro al nodo 5: base non positiva (0 mm)

#include "element_records.h"
#include "model.h"
#include "user_interaction.h"

#include <optional>
#include <string>
#include <vector>

namespace orvanta {

// Where a problem lies.
enum class ProblemPlace {
    model,     // the counts or the arrays as a whole
    gridLineX, // index: the line along X (1..nX)
    gridLineY, // index: the line along Y (1..nY)
    level,     // index: the level (1..nStoreys + 1)
    extraNode, // index: the extra node e, otherIndex its node number nX·nY + e
    column,    // index: the node the column or wall stands on
    beamX,     // index, otherIndex: the two nodes the beam along X joins
    beamY,     // index, otherIndex: the two nodes the beam along Y joins
    slab,      // index: the bay
    storey,    // the storey's load results (centre of mass, radius of gyration, force share)
};

struct ModelProblem {
    int storey = 0; // 1..nStoreys; 0 when the problem belongs to no storey
    ProblemPlace place = ProblemPlace::model;
    int index = 0;
    int otherIndex = 0;
    std::string reason; // what is wrong, in Italian: "base non positiva (0 mm)"
    bool operator==(const ModelProblem&) const = default;
};

struct ModelCheck {
    std::vector<ModelProblem> problems; // the first ones, by storey and element
    long long total = 0;                // how many there are in all
    bool passed() const { return total == 0; }
};

// Checks the whole model, keeping the first `kept` problems: first the grid, the levels and the
// extra nodes, then storey by storey the columns and beams in slot order, the slabs by bay and
// the storey's load results.
ModelCheck checkModel(const Model& model, std::size_t kept = 20);

// What is wrong with one section or one slab as it would be stored, in Italian, or nothing.
// The sections editor refuses with these the sections it is given.
std::optional<std::string> columnSectionProblem(const ColumnSection& section);
std::optional<std::string> beamSectionProblem(const BeamSection& section);
std::optional<std::string> slabProblem(const Slab& slab);

// What is wrong with the element of one slot of one storey (its flag, its shape code and, when
// present, its section), placed as checkModel places it; nothing when it passes or when the
// storey or slot lies outside the model.
std::optional<ModelProblem> memberProblemAt(const Model& model, int storey, int slot);

// "piano 2, pilastro al nodo 5: base non positiva (0 mm)".
std::string describeProblem(const ModelProblem& problem);

// The first `shown` problems as one message with the exclamation icon: a heading, a line per
// problem, how many more there are, and what to do.
Message modelCheckMessage(const ModelCheck& check, std::string title, std::size_t shown = 8);

// The title of the message that refuses "Calcola Matrici".
inline constexpr const char* calculationRefusalTitle = "Impossibile calcolare le matrici";

// The message that refuses "Calcola Matrici", or nothing when the model can be calculated: a
// model whose arrays do not match its counts (its input phases not finished), or one that fails
// the check above.
std::optional<Message> calculationRefusal(const Model& model);

} // namespace orvanta
