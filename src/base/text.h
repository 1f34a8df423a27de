// Text is the program's one string type: Unicode characters, one element per character, so that
// every position, width and padding counts characters as the user sees them. Literals are written
// U"Größe" in the UTF-8 sources. A combining accent is a character of its own.
#pragma once

#include <string>
#include <string_view>

namespace korvale {

using Text = std::u32string;
using TextView = std::u32string_view;

// The program's own UTF-8 (numbers it formats, scripts, transcripts, file names) as text. A byte
// that starts no well-formed sequence stands for its code page 1252 character, so nothing is lost
// or refused.
Text fromUtf8(std::string_view utf8);
std::string toUtf8(TextView text);

// ASCII text as bytes for the parsers that read nothing else. Any other character becomes
// `standIn`, which the caller picks so that it can never be read as part of a number or a name:
// a character is never cut to its low byte ("ı" is U+0131, not "1").
std::string asciiBytes(TextView text, char standIn);
bool isAscii(TextView text);

}  // namespace korvale
