#pragma once

// Text for PDF strings.
//
// The program's strings are UTF-8. Text drawn on a page goes out as Windows-1252 bytes, the
// encoding of the fonts' /WinAnsiEncoding: "è" (U+00E8) becomes the byte 0xE8, "€" (U+20AC)
// the byte 0x80. A character that Windows-1252 lacks ("ω", "≤"), a control character, and a
// malformed UTF-8 sequence each become one "?".
//
// The document title lives in the information dictionary, whose strings a reader takes in
// PDFDocEncoding. That encoding agrees with Windows-1252 everywhere but 0x80–0x9F and 0xA0,
// where the typographic marks sit elsewhere ("’" is 0x92 in Windows-1252, 0x90 in
// PDFDocEncoding), so the title is moved into it.

#include <string>
#include <string_view>

namespace orvanta::pdf {

// UTF-8 → Windows-1252 bytes, one byte per character, "?" for what has no byte.
std::string toWinAnsi(std::string_view utf8);

// UTF-8 → PDFDocEncoding bytes, "?" for what has no byte.
std::string toPdfDocEncoding(std::string_view utf8);

// Escapes a literal string: "\" → "\\" first, then "(" → "\(" and ")" → "\)".
// Example: a\(b → a\\\(b.
std::string escapeString(std::string_view bytes);

} // namespace orvanta::pdf
