// The table region of the Grades editor that the evaluations read, and where they write.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "stats/stats_table.h"
#include "ui/ports/text_editor.h"

namespace korvale {

struct TableRegion {
  std::vector<Text> lines;  // the lines before the end marker
  // 0-based line that holds the end marker; -1 when the text has none.
  int markerLine = -1;
};

// Deletes everything after the first "#" (the output of the last evaluation), marks the text
// before it and sets it to "Courier New" at `fontSize`, keeping bold and italic. Without a "#"
// the whole text is the table.
TableRegion prepareTableRegion(TextEditor& editor, int fontSize);

// Appends lines after the end marker in "Courier New" at `fontSize`; a text without an end
// marker gets one first, so that the next evaluation finds and replaces this output.
// Returns the 0-based line of the first appended line.
int appendOutput(TextEditor& editor, TableRegion& region, const std::vector<Text>& lines,
                 int fontSize);

// Inserts lines before the 0-based line `at` in "Courier New" at `fontSize`.
void insertOutput(TextEditor& editor, int at, const std::vector<Text>& lines, int fontSize);

// Sets font and size of a range, keeping each run's style.
void setFontKeepingStyle(TextEditor& editor, TextPos from, TextPos to, const Text& font, int size);

}  // namespace korvale
