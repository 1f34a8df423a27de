// The line routines of the List tools. Their lines keep the header apart (in the header editor)
// and end every field with the separator; the table operations they share with the Grades
// editor expect the header as line 1, so the routines here lend it to them.
#pragma once

#include <functional>
#include <vector>

#include "base/text.h"

namespace korvale {

// The fields of a line: the pieces before each separator, a missing final separator counted as
// there. So "a;b" and "a;b;" both have two fields; an empty line has none.
std::vector<Text> splitFields(const Text& line, char32_t separator);
// Every field followed by the separator.
Text joinFields(const std::vector<Text>& fields, char32_t separator);

Text removeCharacter(const Text& text, char32_t c);
// Runs of `c` shortened to one.
Text squeeze(const Text& text, char32_t c);

// The number a text starts with, read as far as it goes ("12abc" is 12, "2.5.1" is 2.5); 0 when
// it starts with none.
double leadingNumber(const Text& text);
// The value of the decimal digits a text starts with; 0 when there are none. Digits beyond what
// an int holds make no number larger than 999999999.
int leadingDigits(const Text& text);

// Runs a table operation that wants the header as line 1 on the records alone: the header is
// lent for the operation and what the operation did to it is dropped.
void withHeaderLent(std::vector<Text>& records, const Text& header,
                    const std::function<void(std::vector<Text>&)>& operation);

// Compress: every field trimmed and followed by the separator; an empty line stays empty.
void compressRecords(std::vector<Text>& records, char32_t separator);
// Expand: every field padded to its column's width (the longest trimmed value of the records;
// numbers on the left, texts on the right), `extraBlank` beside it. The header is not measured.
// With `keepWidths` no column becomes narrower than its fields are already, so a list that was
// saved aligned (a new list's fields have the lengths the user gave them) loads as it was saved.
void expandRecords(std::vector<Text>& records, char32_t separator, const Text& extraBlank,
                   bool keepWidths = false);

// Field `field` (from 1) of every line that has it padded to `width` when it is narrower: on the
// left for numbers (`rightAligned`), on the right for texts. Wider fields stay as they are.
void widenField(std::vector<Text>& lines, int field, int width, bool rightAligned,
                char32_t separator);

}  // namespace korvale
