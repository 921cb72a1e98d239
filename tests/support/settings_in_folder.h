#pragma once

// The program's settings kept in a test's own folder, so that no test reads or changes the
// user's.

#include "window_settings.h"

#include <filesystem>

namespace orvanta::testing {

inline SettingsStore settingsIn(const std::filesystem::path& folder) {
    return SettingsStore::file(QString::fromStdString((folder / "settings.ini").string()));
}

} // namespace orvanta::testing
