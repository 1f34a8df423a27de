// "Bearbeiten": the clipboard, sorting, fonts, the plan's shape and replacements in the list.
#include "base/numbers.h"
#include "base/text_routines.h"
#include "classeditor/class_commands.h"
#include "classeditor/german_collator.h"

namespace korvale {

namespace {

CharFormat withFont(CharFormat format, const FontChoice& font) {
  format.font = font.name;
  format.size = font.size;
  format.bold = font.bold;
  format.italic = font.italic;
  return format;
}

// Every match of `search` in the list, ignoring case, replaced from the last to the first so
// the positions found stay valid and the rest of each line keeps its format.
int replaceInList(TextEditor& list, const Text& search, const Text& replacement) {
  const Text pattern = foldCase(search);
  int count = 0;
  for (int index = 0; index < list.lineCount(); ++index) {
    const Text line = foldCase(list.line(index));
    std::vector<std::size_t> found;
    for (std::size_t at = line.find(pattern); at != Text::npos;
         at = line.find(pattern, at + pattern.size()))
      found.push_back(at);
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
      const TextPos from{index, static_cast<int>(*it)};
      const CharFormat format = list.formatAt(from);
      list.replaceRange(from, {index, from.column + static_cast<int>(pattern.size())}, replacement);
      // The new characters take the format of those they replace.
      list.applyFormat(from, {index, from.column + static_cast<int>(replacement.size())}, format);
    }
    count += static_cast<int>(found.size());
  }
  return count;
}

void replaceAndReport(ClassContext& cx, const Text& search, const Text& replacement) {
  const int count = replaceInList(cx.list, search, replacement);
  cx.dialogs.message(U"Es erfolgten " + intToText(count) + U" Ersetzungen !");
}

// "1" or "2" picks one of two exchanges; a cancelled dialog counts as "1".
void exchangeSeparators(ClassContext& cx, const Text& title, bool toBlanks) {
  const Text answer =
      trim(cx.dialogs.input(title, U"TABs = 1 oder \";\" = 2", U"1").value_or(U"1"));
  Text other;
  if (answer == U"1")
    other = U"\t";
  else if (answer == U"2")
    other = U";";
  if (other.empty())
    cx.dialogs.message(U"Abbruch: Falsche Eingabe.");
  else if (toBlanks)
    replaceAndReport(cx, other, U" ");
  else
    replaceAndReport(cx, U" ", other);
  focusList(cx);
}

// "#TAB" in any case stands for the tabulator, which the one-line dialog cannot take.
Text withTabs(const Text& text) {
  return replaceAll(text, U"#TAB", U"\t", CaseMode::IgnoreAscii).text;
}

}  // namespace

int planCountFromAnswer(const std::optional<Text>& answer) {
  const std::optional<int> count = answer ? readWholeNumber(*answer) : std::nullopt;
  return count && *count >= 1 && *count <= SeatingPlan::kMaxSize ? *count : SeatingPlan::kMaxSize;
}

void markWholeList(ClassContext& cx) {
  focusList(cx);
  cx.list.markAll();
}

void copyList(ClassContext& cx) {
  focusList(cx);
  cx.list.markAll();
  cx.clipboard.setText(cx.list.richText());
}

void pasteIntoList(ClassContext& cx) {
  focusList(cx);
  RichText pasted = cx.clipboard.text();
  if (pasted.text.empty()) return;
  RichText all = cx.list.richText();
  // The pasted lines stand before the list's first line instead of running into it.
  if (!all.text.empty() && pasted.text.back() != U'\n')
    pasted.append(RichText::plain(U"\n", pasted.formatAt(pasted.text.size())));
  all.insert(0, pasted);
  cx.list.setRichText(all);
  cx.list.setCaret(all.posOf(pasted.text.size()));
}

void sortList(ClassContext& cx) {
  std::vector<Text> lines = cx.list.lines();
  GermanCollator().sort(lines);
  cx.list.setRichText(RichText::fromLines(lines, cx.list.typingFormat()));
  focusList(cx);
}

void chooseListFont(ClassContext& cx) {
  const CharFormat current = cx.list.isEmpty() ? cx.list.typingFormat() : cx.list.formatAt({0, 0});
  if (const auto chosen = cx.dialogs.font(listFont(cx))) {
    const CharFormat format = withFont(current, *chosen);
    cx.list.formatAll(format);
    cx.list.setTypingFormat(format);
  }
  focusList(cx);
}

void choosePlanFont(ClassContext& cx) {
  if (const auto chosen = cx.dialogs.font(cx.plan.font())) cx.plan.setFont(*chosen);
  focusList(cx);
}

void toggleWordWrap(ClassContext& cx) {
  cx.plan.setWordWrap(!cx.plan.wordWrap());
  cx.plan.growRowsToWrappedTexts(cx.measure);
}

void clearPlan(ClassContext& cx) {
  cx.plan.clearCells();
  cx.marked.clear();
  focusList(cx);
}

void askColumns(ClassContext& cx) {
  cx.plan.setColumns(
      planCountFromAnswer(cx.dialogs.input(U"Anzahl der Spalten (n)", U"(1 <= n <= 8)", U"8")));
  focusList(cx);
}

void askRows(ClassContext& cx) {
  cx.plan.setRows(
      planCountFromAnswer(cx.dialogs.input(U"Anzahl der Zeilen (n)", U"(1 <= n <= 8)", U"8")));
  focusList(cx);
}

void swapNameOrder(ClassContext& cx) {
  const bool firstNameFirst = cx.order == NameOrder::SurnameFirst;
  cx.order = firstNameFirst ? NameOrder::FirstNameFirst : NameOrder::SurnameFirst;
  cx.dialogs.message(firstNameFirst ? U"Bei Übertragung: Vorname VOR Zuname"
                                    : U"Bei Übertragung: Zuname VOR Vorname");
}

void blanksToTabs(ClassContext& cx) {
  exchangeSeparators(cx, U"BLANKs durch TABs oder \";\" ersetzen", false);
}

void tabsToBlanks(ClassContext& cx) {
  exchangeSeparators(cx, U"TABs oder \";\" durch BLANKs ersetzen", true);
}

void searchAndReplace(ClassContext& cx) {
  focusList(cx);
  const Text answer = cx.dialogs
                          .input(U"Suchen und Ersetzen im Text",
                                 U"Suchtext und Ersatztext durch \"?\" trennen.\r"
                                 U"(für den Tabulator bitte \"#TAB\" schreiben)",
                                 Text())
                          .value_or(Text());
  const std::size_t split = answer.find(U'?');
  if (split == Text::npos || split == 0) {
    cx.dialogs.message(U"Fehlerhafte Eingabe !");
    return;
  }
  replaceAndReport(cx, withTabs(answer.substr(0, split)), withTabs(answer.substr(split + 1)));
  focusList(cx);
}

}  // namespace korvale
