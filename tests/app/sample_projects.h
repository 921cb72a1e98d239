#pragma once

// Project files for the window tests: a small frame whose loads were distributed, ready for
// "Calcola Matrici", written into the test's own output folder.

#include "load_distribution.h"
#include "project_file.h"
#include "sample_models.h"
#include "scripted_interaction.h"

#include <QString>
#include <filesystem>
#include <stdexcept>

namespace orvanta::testing {

// A 3 × 2 frame of two storeys with every slab loaded (5 kN/m² permanent, 2 kN/m² variable,
// 30 % of it acting), its loads distributed.
inline Model loadedFrame() {
    Model m = fullFrame(3, 2, 2);
    for (int k = 1; k <= 2; ++k) {
        for (int ix = 1; ix <= 2; ++ix)
            setSlab(m, k, ix, 1, SlabSpan::alongY, 0.005, 0.002, 0.3);
    }
    m.planScale = 0.5f;
    m.elevScale = 0.3f;
    ScriptedAsker quiet;
    if (!distributeLoads(m, quiet))
        throw std::runtime_error("the sample frame's loads were not distributed");
    return m;
}

inline QString writeProject(const Model& model, const std::filesystem::path& path) {
    const std::string error = writeProjectFile(model, path.string());
    if (!error.empty())
        throw std::runtime_error(error);
    return QString::fromStdString(path.string());
}

} // namespace orvanta::testing
