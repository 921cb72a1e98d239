#pragma once

// Files written whole or not at all: the bytes go to a temporary file beside the target, which is
// renamed over the target only once every byte is on disk. A failed or interrupted write leaves
// the previous file, if any, as it was, and no temporary file behind.

#include <string>
#include <string_view>

namespace orvanta {

// Writes the bytes to the path. Returns an empty string on success, otherwise the reason, in
// Italian ("permesso negato", "spazio su disco esaurito", ...).
std::string writeFileAtomically(const std::string& path, std::string_view bytes);

// The reason for a system error number, in Italian, as the messages of the program give it.
std::string systemReason(int error);

} // namespace orvanta
