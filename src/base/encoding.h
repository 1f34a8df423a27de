// How text files are read and written: the encoding is found when a file is read, remembered,
// and used again when it is written, so that every file goes back the way it came.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"

namespace korvale {

// UTF-16 files are read with either byte order and written back with their byte-order mark.
enum class Encoding { Cp1252, Utf8, Utf8Bom, Utf16Le, Utf16Be };

// "cp1252", "UTF-8", "UTF-8 BOM", "UTF-16LE" or "UTF-16BE".
const char* encodingName(Encoding encoding);

// A UTF-8 or UTF-16 byte-order mark decides. Without one, bytes that are well-formed UTF-8 and
// hold a non-ASCII byte are UTF-8; everything else is code page 1252, where every byte is a
// character, so no file is ever refused.
Encoding detectEncoding(std::string_view bytes);

// The characters of the bytes in an encoding; a byte-order mark of that encoding in front is
// left out. Nothing is dropped: see the decoders below.
Text decode(std::string_view bytes, Encoding encoding);

// The bytes of a text in an encoding, with its byte-order mark. When `encoding` is code page
// 1252 and the text holds a character that code page lacks, the text is written as UTF-8 with
// a byte-order mark instead and `encoding` says so: no character is ever replaced. The same
// happens to a cp1252 text whose bytes would be read back as another encoding ("ä¶¶" is also
// well-formed UTF-8), so that every file reads back as it was written.
std::string encode(TextView text, Encoding& encoding);

// --- the single encodings ---

// Every byte is a character; the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for U+0081 and so on, so any bytes go through decode and encode unchanged.
char32_t cp1252ToUnicode(unsigned char byte);
// The byte of a character, or -1 when the code page lacks it.
int unicodeToCp1252(char32_t c);
bool fitsCp1252(TextView text);
Text decodeCp1252(std::string_view bytes);
// Nothing when the code page lacks a character of the text.
std::optional<std::string> encodeCp1252(TextView text);

// What a reader that knows only ASCII is shown in place of a character: its base letter where it
// has one ("s" for "ş", "e" for "ễ"), otherwise "?".
char32_t asciiFallback(char32_t c);

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off
// sequence.
bool isWellFormedUtf8(std::string_view bytes);
// A byte that starts no well-formed sequence stands for its code page 1252 character.
Text decodeUtf8(std::string_view bytes);
// A surrogate or a value above U+10FFFF, which UTF-8 cannot carry, is written as U+FFFD.
std::string encodeUtf8(TextView text);

// Pairs of surrogates become one character; a surrogate without its partner is kept as it is,
// so it is written back unchanged. A last odd byte becomes U+FFFD.
Text decodeUtf16(std::string_view bytes, bool bigEndian);
std::string encodeUtf16(TextView text, bool bigEndian);

// The characters of the bytes 0x80 to 0xFF of a single-byte code page such as 1250 (Central
// European), 1251, 1253, 1254 (Turkish), 1257 (Baltic), 437 or 850; U+FFFD where the code page
// defines none. Nothing for a code page that is unknown or not single-byte.
const std::u32string* upperHalfOfCodePage(int codePage);
// The character of one or two bytes (lead byte, trail byte) of a double-byte code page (932, 936,
// 949, 950); nothing when they mean nothing there.
std::optional<char32_t> decodeMultiByte(int codePage, std::string_view bytes);

}  // namespace korvale
