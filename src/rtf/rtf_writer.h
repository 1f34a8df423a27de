// Writes a RichText as RTF that word processors open with the same text and formats.
#pragma once

#include <string>

#include "ui/ports/rich_text.h"

namespace korvale {

// ANSI RTF in code page 1252 with a font and a colour table: one paragraph per line, the
// character formats of the runs, the lines' alignments. A character that code page lacks is
// written as \uN (two for one beyond U+FFFF) with an ASCII stand-in for older readers ("s" for
// "ş", "?" for "ł"). readRtf gives the document back equal (after normalize()), provided font
// names hold no ';' and no control characters (which are dropped), sizes lie between 1 and 1638
// points, and no character is a lone surrogate or lies beyond U+10FFFF. The page-break mark "¶"
// is written as the ordinary character it is.
std::string writeRtf(const RichText& doc);

}  // namespace korvale
