#pragma once

// The question asked at "FINE FASE DI INPUT" when the model holds data that "Calcola Matrici"
// would refuse: a present column or beam without a valid section, first of all. It lists the
// problems the model check finds (how many, the first few by storey and element) and asks
// whether to end the input phases all the same. The sections and slabs the editors write are
// refused as they are typed with the single checks of model_check.h.

#include "model.h"
#include "user_interaction.h"

#include <optional>

namespace orvanta {

inline constexpr const char* endOfInputTitle = "Avviso";

// The Yes/No question, or nothing when the model passes the check.
std::optional<Message> endOfInputWarning(const Model& model);

} // namespace orvanta
