// The code pages that RTF files name for their 8-bit characters; encoding.h decodes them.
#pragma once

namespace korvale {

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
