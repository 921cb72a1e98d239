#pragma once

// The JSON document of `orvanta-cli analyse`: the model's counts, coordinates and stored load
// results, and every message shown, in order. Arrays keep their first element first.

#include "model.h"
#include "user_interaction.h"

#include <string>
#include <vector>

namespace orvanta::cli {

std::string analysisJson(const Model& model, const std::vector<Message>& messages);

} // namespace orvanta::cli
