// Plain-text files: any encoding of encoding.h, with CR LF, LF or CR line ends.
#pragma once

#include <string>
#include <string_view>

#include "base/encoding.h"
#include "base/text.h"

namespace korvale {

// The lines of a file joined with '\n'. CR LF, LF and a lone CR each end a line; a final line
// end does not start another, empty line. The encoding is detected (detectEncoding) and told
// through `encoding`, so that the file can be written back in it.
Text readPlainText(std::string_view bytes, Encoding& encoding);
Text readPlainText(std::string_view bytes);

// The lines with CR LF after each one, the last included, as the program's own files always
// ended; an empty text gives an empty file. The text is written in `encoding`, unless that is
// code page 1252 and the text holds a character it lacks: then in UTF-8 with a byte-order mark,
// and `encoding` says so. readPlainText gives the text back unchanged.
std::string writePlainText(const Text& text, Encoding& encoding);
// A new file: code page 1252 where it can hold the text.
std::string writePlainText(const Text& text);

}  // namespace korvale
