#include "listtools/list_printing.h"

#include <optional>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "listtools/help_text.h"
#include "listtools/record_mask.h"
#include "listtools/structure.h"

namespace korvale {

namespace {

constexpr int kDefaultSize = 10;
constexpr int kSmallestSize = 6;
constexpr int kLargestSize = 16;
constexpr int kRecordSize = 12;

const Text kPageBreak = Text(1, kFormFeed);

void printLines(ListToolsContext& c, const Text& title, const std::vector<Text>& lines, int size) {
  if (!c.printer.print(fixedPitchJob(title, lines, size))) showDataError(c.dialogs);
}

// The size of the printed list: nothing for 0, an empty entry or Cancel (the printing ends);
// anything that is no size from 6 to 16 prints in 10.
std::optional<int> askSize(ListToolsContext& c) {
  const auto answer =
      c.dialogs.input(U" Schriftgröße (6..16), 0 = Abbruch ", Text(), intToText(kDefaultSize));
  if (!answer) return std::nullopt;
  const Text entry = trim(*answer);
  const std::optional<int> size = readWholeNumber(entry);
  if (entry.empty() || size == 0) return std::nullopt;
  if (!size || *size < kSmallestSize || *size > kLargestSize) return kDefaultSize;
  return size;
}

struct LineRange {
  int first = 1;  // from 1
  int last = 1;
};

// "first,last" within the list; nothing for any other entry (0 included), without a message.
std::optional<LineRange> askRange(ListToolsContext& c, int records) {
  const Text line = intToText(c.listView.caret().line + 1);
  const auto answer = c.dialogs.input(U"Ausgewählte Datenzeilen drucken",
                                      U"Zeilennummern 1, 2, 3, ... " + intToText(records) +
                                          U".\rDie Anfangszeile und die Endzeile eingeben."
                                          U"\rDrucken jetzt abbrechen mit 0.\r ",
                                      line + U"," + line);
  if (!answer) return std::nullopt;
  const Text entry = trim(*answer);
  const std::size_t comma = entry.find(U',');
  if (comma == Text::npos) return std::nullopt;
  const std::optional<int> first = readWholeNumber(trim(entry.substr(0, comma)));
  const std::optional<int> last = readWholeNumber(trim(entry.substr(comma + 1)));
  if (!first || *first < 1 || *first > records) return std::nullopt;
  if (!last || *last < *first || *last > records) return std::nullopt;
  return LineRange{*first, *last};
}

// The lines of a window with a margin of four blanks.
void printWindowLines(ListToolsContext& c, const Text& title, const std::vector<Text>& shown) {
  const Text margin = U"    ";
  std::vector<Text> lines{margin};
  for (const Text& line : shown) {
    if (startsWith(trim(line), U".")) {
      lines.push_back(kPageBreak);
      lines.push_back(margin);
    } else {
      lines.push_back(margin + line);
    }
  }
  printLines(c, title, lines, kDefaultSize);
}

}  // namespace

void printListLines(ListToolsContext& c) {
  if (c.listView.isEmpty()) return;
  // Cancel in the print dialog or any of the questions ends the printing.
  if (!c.dialogs.print()) return;
  const bool withHeader = c.dialogs.confirm(U"Ausdruck mit Header ?");
  const std::optional<int> size = askSize(c);
  if (!size) return;
  const std::optional<LineRange> range = askRange(c, c.listView.lineCount());
  if (!range) return;
  // Only the printed lines lose their blanks: the list keeps its state, so a compressed list can
  // still be expanded afterwards.
  const bool compress = c.dialogs.confirm(U"Daten komprimieren ?");
  const Text indent = U"  ";
  const auto shown = [compress](const Text& line) { return compress ? removeBlanks(line) : line; };
  std::vector<Text> lines;
  if (withHeader) lines = {indent, indent, shown(indent + c.state.list.headerStrip + U" ")};
  lines.push_back(indent);
  for (int i = range->first; i <= range->last; ++i) {
    const Text text = shown(indent + c.listView.line(i - 1) + U" ");
    if (startsWith(trim(text), U".")) {
      lines.push_back(kPageBreak);
      lines.push_back(indent);
    } else {
      lines.push_back(text);
    }
  }
  printLines(c, U"LISTWERK - " + c.state.list.fileName.displayText(), lines, *size);
}

void printMaskRecord(ListToolsContext& c) {
  if (waitingForWrite(c)) return;
  ListToolsState& s = c.state;
  // During a projection the list view holds only the projected field; the structure describes
  // the full records and stays as it is.
  if (!s.projection.active) analyseStructure(c);
  const Text margin = U"      ";
  const Text rule = margin + Text(40, U'-');
  std::vector<Text> lines{Text(), Text(), Text(), rule, Text()};
  for (int k = 1; k <= s.structure.fieldCount(); ++k) {
    const ListField& field = s.structure.field(k);
    const auto i = static_cast<std::size_t>(k - 1);
    const Text value = i < s.mask.edits.size() ? trim(s.mask.edits[i]) : Text();
    // A value longer than its field prints whole, as Write would store it.
    lines.push_back(margin + padRight(trim(field.name), s.structure.longestNameLength) + U":  " +
                    padRight(value, std::max(field.length, static_cast<int>(value.size()))));
  }
  lines.insert(lines.end(), {Text(), rule, Text()});
  printLines(c, U"LISTWERK - Datensatz", lines, kRecordSize);
}

void printInfoWindow(ListToolsContext& c) {
  printWindowLines(c, U"LISTWERK - Struktur", c.state.view.infoLines);
}

void printHelpText(ListToolsContext& c) {
  printWindowLines(c, U"LISTWERK - Hilfe", listToolsHelp());
}

}  // namespace korvale
