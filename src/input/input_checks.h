#pragma once

// The checks of what the input phases write, in one place: a section or a slab is refused as it
// is typed, and the end of the input phases warns about present elements still without a valid
// section. Plain C++: the reasons are Italian texts ready for a message.
//
// Example: a box column 400 × 400 with walls of 200 mm leaves no hole and is refused with
//     pareti parallele a X troppo spesse: due volte 200 mm non lasciano cavità nell'altezza di
//     400 mm

#include "element_records.h"
#include "model.h"
#include "user_interaction.h"

#include <optional>
#include <string>

namespace orvanta {

// What is wrong with a section or a slab record as it would be stored, or nothing.
std::optional<std::string> columnSectionRefusal(const ColumnSection& section);
std::optional<std::string> beamSectionRefusal(const BeamSection& section);
std::optional<std::string> slabRefusal(const Slab& slab);

// The title of the end-of-input warning.
inline constexpr const char* endOfInputTitle = "Avviso";

// The Yes/No question asked at "FINE FASE DI INPUT" when the model holds data that the
// calculation would refuse (a present column or beam without a valid section, first of all):
// how many problems, the first few by storey and element, and whether to end the input phases
// all the same. Nothing when the model passes.
std::optional<Message> endOfInputWarning(const Model& model);

} // namespace orvanta
