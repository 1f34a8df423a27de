// Layout of a table in a text: Compress, column widths, alignment (Expand), the formatted
// header line, the separator exchange, quotes around fields and the final separator.
//
// The functions work on a table's lines; Compress and Expand keep a final end marker "#" out of
// their work and put it back.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "csvlist/list_state.h"

namespace korvale {

// --- lines ---

// Every field trimmed and followed by `listSeparator`; an empty line stays empty.
Text compressLine(const Text& line, char32_t splitSeparator, char32_t listSeparator);
// Detects the separator from line 1 (into state.detectedSeparator) and compresses every line.
void compressLines(std::vector<Text>& lines, ListState& state);

// The width of each column: the longest trimmed field over the records (line 2 on; the header
// is not measured). Columns run to the largest field count of any record, so a record with
// more fields than line 2 is aligned too and never cut. Lines must not hold the end marker.
std::vector<int> columnWidths(const std::vector<Text>& lines, char32_t separator);

// Each field padded to its column: numbers on the left with the extra blank in front, texts on
// the right with the extra blank behind, each followed by `listSeparator`. A field longer than
// its column is cut (only a header name can be); a field beyond the known columns stays as it is.
Text alignLine(const Text& line, char32_t splitSeparator, char32_t listSeparator,
               const std::vector<int>& widths, const Text& extraBlank);

// Detects the separator from line 1, computes the column widths (stored as the field table's
// widths), and aligns every line with state.extraBlank.
void expandLines(std::vector<Text>& lines, ListState& state);

// The displayed header: the loaded header's names padded like the columns of `firstRecord`.
Text formatHeader(const ListState& state, const Text& firstRecord);

// Reads line 1 of a shown table as the list's header. A name the user left alone (the loaded
// name, perhaps cut to its column's width) keeps its full loaded text; a name the user changed
// becomes the trimmed text typed, and the loaded header and the field table take it over. False
// when the line is no header: another number of fields, or more names changed than kept (a
// record sorted to the top). A list without a loaded header takes any line.
bool adoptShownHeader(const Text& line, ListState& state);

// The display formatting of a loaded table: compress, align, and (when `formatHeaderLine`)
// line 1 replaced by the formatted header, which also becomes state.displayedHeader.
void formatDisplayLines(std::vector<Text>& lines, ListState& state, bool formatHeaderLine);
// Line 1 replaced by the formatted header (also state.displayedHeader) when the list is loaded
// and line 1 is its header; returns whether it was.
bool formatHeaderLine(std::vector<Text>& lines, ListState& state, bool databaseLoaded);

// Quotes around the record fields (line 2 on); the header stays unquoted. Nothing happens
// with fewer than 2 lines, or when line 2 is already (Insert) or not (Remove) quoted. Empty
// lines and a final end marker are left alone.
void insertQuotes(std::vector<Text>& lines);
void removeQuotes(std::vector<Text>& lines);
// The separator of line 1 added to / removed from the end of every line (2 lines at least).
void addLastSeparator(std::vector<Text>& lines);
void deleteLastSeparator(std::vector<Text>& lines);

// The answer to the separator question: ";", "," or "TAB" in any case and with blanks around.
std::optional<char32_t> parseSeparatorAnswer(const Text& answer);
Text separatorName(char32_t separator);  // "TAB" for the tab character
Text separatorPrompt(char32_t current);

}  // namespace korvale
