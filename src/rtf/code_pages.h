// Single-byte code pages that RTF files name for their 8-bit characters.
#pragma once

#include <array>

namespace korvale {

// The Unicode characters of the bytes 0x80 to 0xFF of a code page (0xFFFD for undefined bytes),
// or nullptr when the code page is not one of the tables kept here. Code page 1252 needs no
// table: its bytes are the program's own text.
const std::array<char16_t, 128>* upperHalfOf(int codePage);

}  // namespace korvale
