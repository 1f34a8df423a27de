// What the column operations share: the column-number prompt, a field of a line addressed by its
// separators, the re-expansion that aligns the list again, and the caret they put back.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "listtools/list_tools_context.h"

namespace korvale {

// The column operations need a list on the screen and rest while the mask or a projection is up.
bool columnOperationReady(const ListToolsContext& c);

// The column prompt: "Nummer der Spalte 1 <= X <= " + `highest`, the current column as default.
// A wrong entry says "Abbruch: Falsche Spaltennummer !"; Cancel ends the operation quietly.
std::optional<int> askColumn(ListToolsContext& c, const Text& title, int highest);

// An entry read as a whole number from `lowest` to `highest`; anything else shows `refusal`.
// Nothing after Cancel or a refusal.
std::optional<int> askNumber(ListToolsContext& c, const Text& title, const Text& prompt,
                             const Text& defaultText, int lowest, int highest, const Text& refusal);

// The yes/no question of the column operations: caption "Frage", question icon.
bool askQuestion(ListToolsContext& c, const Text& text);

// Field `field` (from 1) of a line: the characters between the separator before it (the line's
// start for field 1) and the separator after it (the line's end for a last field without one).
struct FieldSpan {
  std::size_t start = 0;
  std::size_t end = 0;
};
std::optional<FieldSpan> fieldSpan(const Text& line, char32_t separator, int field);
// The field's text; empty when the line has no such field.
Text fieldText(const Text& line, char32_t separator, int field);
// The line with the field replaced; a line without that field stays as it is.
Text withField(const Text& line, char32_t separator, int field, const Text& value);
// The line without the field and the separator after it (a last field without one takes the
// separator before it along instead).
Text withoutField(const Text& line, char32_t separator, int field);
// The line with a new field in front of field `field`, every field followed by the separator.
// A shorter line gets empty fields first, so that the new field stands in its column.
Text withInsertedField(const Text& line, char32_t separator, int field, const Text& value);

// Every record compressed, the structure analysed, every record expanded without extra blank
// and the structure analysed again: lengths and types follow the data.
void reexpand(ListToolsContext& c);
// The same on records in hand, which the list view then shows (unchanged when they are no text or
// while the mask or a projection is shown).
void showReexpanded(ListToolsContext& c, std::vector<Text> lines);

// The caret before an operation, put back afterwards.
class CaretMemory {
 public:
  explicit CaretMemory(const ListToolsContext& c) : at_(c.listView.caret()) {}
  void restore(ListToolsContext& c) const;

 private:
  TextPos at_;
};

}  // namespace korvale
