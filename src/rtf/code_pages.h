// Single-byte code pages that RTF files name for their 8-bit characters.
#pragma once

#include <array>

namespace korvale {

// The Unicode characters of the bytes 0x80 to 0xFF of a code page (0xFFFD for undefined bytes),
// or nullptr when the code page is not one of the tables kept here. Code page 1252 needs no
// table: its bytes are the program's own text.
const std::array<char16_t, 128>* upperHalfOf(int codePage);

// Bytes of a symbol font stay as they are: the same font renders them.
inline constexpr int kRawBytes = -1;
// A font that names no character set uses the document's code page.
inline constexpr int kDocumentCodePage = 0;

// The code page of a font's \fcharset number.
int codePageOfCharset(int charset);
// Code pages whose characters take one or two bytes, and the bytes that start a pair.
bool isDoubleByte(int codePage);
bool isLeadByte(int codePage, unsigned char b);

}  // namespace korvale
