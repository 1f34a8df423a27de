// A letter that uses every feature the RTF writer keeps: fonts, sizes, styles, colours,
// alignments, tabs, umlauts, "€", braces and backslashes, an empty line and the page-break mark.
#pragma once

#include "ui/ports/rich_text.h"

namespace korvale {

RichText sampleDocument();

}  // namespace korvale
