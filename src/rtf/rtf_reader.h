// Reads RTF as word processors write it into a RichText.
#pragma once

#include <optional>
#include <string_view>

#include "ui/ports/rich_text.h"

namespace korvale {

// The text, character formats and paragraph alignments of an RTF document; nullopt when the
// bytes are not RTF. Damaged files (unbalanced braces, cut-off ends, absurd nesting or numbers)
// give what could be read, in time and memory linear in their size.
//
// Paragraphs and \line become lines; the paragraph end that closes the document does not add an
// empty last line. A page break (\page, \pagebb) becomes a line holding only the page-break mark
// "¶" (U+00B6), which the program's printing takes as a page break. Tables become lines with
// tab-separated cells. \uN (with \ucN stand-ins skipped, pairs joined) and the bytes of the
// code page that \ansicpg or a font's \fcharset names give their characters; a byte that means
// nothing there, and half a surrogate pair, give U+FFFD. Headers, footers, footnotes, pictures,
// fields' instructions and hidden text are left out.
std::optional<RichText> readRtf(std::string_view bytes);

}  // namespace korvale
