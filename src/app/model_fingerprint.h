#pragma once

// A fingerprint of everything the project file stores, so the main window can tell whether the
// model changed since it was last opened, created or saved, and ask before that work is lost.

#include "model.h"

#include <cstdint>

namespace orvanta {

// A 64-bit hash (FNV-1a over 64-bit words) of the counts, scales, every array's bounds and every
// value. Equal models give equal fingerprints; any change of a value changes it but for a
// chance of 2⁻⁶⁴.
std::uint64_t modelFingerprint(const Model& model);

} // namespace orvanta
