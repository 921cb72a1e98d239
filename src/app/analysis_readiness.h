#pragma once

// Whether "Calcola Matrici" can run on the model: a model whose arrays do not yet match its
// counts (its input phases not finished) would be read out of bounds by the engine, so it is
// refused with a message instead. Storeys whose loads were never distributed are the engine's
// own concern: it reports them and leaves their rotations out of the global matrix.

#include "model.h"
#include "user_interaction.h"

#include <optional>

namespace orvanta {

// The message that refuses the calculation, or nothing when the model is complete: counts that
// describe a building and every array sized to them.
std::optional<Message> calculationRefusal(const Model& model);

} // namespace orvanta
