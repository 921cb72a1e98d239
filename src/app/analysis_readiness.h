#pragma once

// Whether "Calcola Matrici" can run on the model. A project saved before the end of its input
// phases (Save As is allowed in any phase, and enables the Analisi menu) can reach the command
// with arrays that do not match its counts, or with loads never distributed: every storey's
// radius of gyration divides the rotation terms of the global matrix, so a zero one would fill
// it with infinities. Such a model is refused with a message instead.

#include "model.h"
#include "user_interaction.h"

#include <optional>

namespace orvanta {

// The message that refuses the calculation, or nothing when the model is complete: counts that
// describe a building, every array sized to them, and a positive radius of gyration in every
// storey.
std::optional<Message> calculationRefusal(const Model& model);

} // namespace orvanta
