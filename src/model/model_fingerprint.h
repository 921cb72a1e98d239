#pragma once

// Fingerprints of a model. modelFingerprint covers everything the project file stores, so the
// main window can tell whether the model changed since it was last opened, created or saved, and
// ask before that work is lost. structureFingerprint covers what the stiffness analysis reads
// (everything but the project's settings): the results carry it, and are shown only while the
// model still has it.

#include "model.h"

#include <cstdint>

namespace orvanta {

// A 64-bit hash (FNV-1a over 64-bit words) of the counts, scales, every array's bounds and every
// value. Equal models give equal fingerprints; any change of a value changes it but for a
// chance of 2⁻⁶⁴.
std::uint64_t modelFingerprint(const Model& model);

// The same hash without the settings: changing the concrete class or the report's fields leaves
// the stiffness per unit modulus (K/E) as it was.
std::uint64_t structureFingerprint(const Model& model);

} // namespace orvanta
