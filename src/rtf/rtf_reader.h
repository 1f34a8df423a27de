// Reads RTF as word processors write it into a RichText.
#pragma once

#include <optional>
#include <string_view>

#include "base/text.h"
#include "ui/ports/rich_text.h"

namespace korvale {

// What a document holds that the editor does not, and so what saving it again would lose.
struct LeftOutContent {
  enum Kind : unsigned {
    Pictures = 1U << 0,  // pictures, drawings, embedded objects
    Tables = 1U << 1,    // shown as lines of tab-separated cells
    Footnotes = 1U << 2,
    HeadersAndFooters = 1U << 3,
    Comments = 1U << 4,
    Fields = 1U << 5,  // their results stay as text
    HiddenText = 1U << 6,
  };
  unsigned kinds = 0;

  bool any() const { return kinds != 0; }
  // The kinds in German, as a sentence names them: "Bilder, Tabellen und Fußnoten".
  Text names() const;
};

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
// fields' instructions and hidden text are left out; `leftOut` learns which of them the document
// held, so that the program can warn before a save loses them.
std::optional<RichText> readRtf(std::string_view bytes, LeftOutContent* leftOut = nullptr);

}  // namespace korvale
