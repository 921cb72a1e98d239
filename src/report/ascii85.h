#pragma once

// ASCII85, the printable encoding of binary stream data (PDF filter /ASCII85Decode).
//
// Every group of four bytes, read as a big-endian 32-bit number, becomes five digits of base 85
// written as the characters "!" (0) to "u" (84); a group of four zero bytes becomes the single
// "z". A last group of n < 4 bytes is padded with zeros and written as its first n + 1
// characters. The data ends with "~>". Example: the bytes "Man " → "9jqo^", four zero bytes →
// "z", the single byte 0xFF → "s8".

#include <cstdint>
#include <span>
#include <string>

namespace orvanta::pdf {

// The ASCII85 text of the bytes, ended by "~>", on one line.
std::string ascii85(std::span<const std::uint8_t> bytes);

} // namespace orvanta::pdf
