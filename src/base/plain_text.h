// Plain-text files: cp1252 bytes with CR LF, LF or CR line ends.
#pragma once

#include <string>
#include <string_view>

#include "base/text.h"

namespace korvale {

// The lines of a file joined with '\n'. CR LF, LF and a lone CR each end a line; a final line
// end does not start another, empty line. A UTF-8 byte-order mark, which other editors put in
// front of UTF-8 files, makes the rest be read as UTF-8 (characters outside cp1252 become '?').
Text readPlainText(std::string_view bytes);

// The lines with CR LF after each one, the last included, as the program's own files always
// ended; an empty text gives an empty file. readPlainText gives the text back unchanged.
std::string writePlainText(const Text& text);

}  // namespace korvale
