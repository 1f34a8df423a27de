// The "Schrift" menu: fonts and sizes of the marked text and of tables.
#include <algorithm>
#include <functional>

#include "base/numbers.h"
#include "grades/grades_context.h"

namespace korvale {

namespace {

// Changes the format of every run between two positions, each run on its own, so that what the
// change leaves alone (bold in one word, a size in another) stays as it was.
void changeFormats(TextEditor& editor, TextPos from, TextPos to,
                   const std::function<CharFormat(CharFormat)>& change) {
  const RichText all = editor.richText();
  const std::size_t begin = all.offsetOf(from);
  const std::size_t end = all.offsetOf(to);
  std::size_t position = 0;
  for (const FormatRun& run : all.runs) {
    const std::size_t runBegin = position;
    position += run.length;
    const std::size_t b = std::max(runBegin, begin);
    const std::size_t e = std::min(position, end);
    if (b < e) editor.applyFormat(all.posOf(b), all.posOf(e), change(run.format));
  }
}

// The answer of a font size dialog when it is a size from 6 to 24.
std::optional<int> fontSizeAnswer(const Text& answer) {
  const auto size = readWholeNumber(answer);
  if (!size || *size < 6 || *size > 24) return std::nullopt;
  return size;
}

}  // namespace

void chooseFont(GradesContext& c) {
  const CharFormat current = c.ports.editor.formatAt(c.ports.editor.markStart());
  const auto chosen =
      c.ports.dialogs.font({current.font, current.size, current.bold, current.italic});
  if (!chosen) return;
  changeFormats(c.ports.editor, c.ports.editor.markStart(), c.ports.editor.markEnd(),
                [&](CharFormat f) {
                  f.font = chosen->name;
                  f.size = chosen->size;
                  f.bold = chosen->bold;
                  f.italic = chosen->italic;
                  return f;
                });
  c.notify();
}

void chooseMarkedSize(GradesContext& c) {
  const Text current = intToText(c.ports.editor.formatAt(c.ports.editor.markStart()).size);
  const Text answer = c.ports.dialogs
                          .input(U"Gewünschte Schriftgröße eingeben",
                                 U"Schriftgröße für markierte Bereiche oder Tabellen\r"
                                 U"von 6 bis 24. Abbruch mit 0 .....................\r ",
                                 current)
                          .value_or(current);
  const auto size = fontSizeAnswer(answer);
  if (!size) return;
  changeFormats(c.ports.editor, c.ports.editor.markStart(), c.ports.editor.markEnd(),
                [&](CharFormat f) {
                  f.size = *size;
                  return f;
                });
  c.tableFontSize = *size;
  c.notify();
}

void chooseTableFont(GradesContext& c) {
  const Text current = intToText(c.tableFontSize);
  const auto answer = c.ports.dialogs.input(U"Schriftänderung für Texttabellen",
                                            U"Standardschriftgröße nur für Texttabellen\r"
                                            U"von 6 bis 24. Abbruch mit 0 .............\r ",
                                            current);
  const auto size = fontSizeAnswer(answer.value_or(current));
  if (!size) return;
  c.tableFontSize = *size;
  const TextPos caret = c.ports.editor.caret();
  // The header keeps its bold face.
  changeFormats(c.ports.editor, {0, 0}, c.ports.editor.endPos(), [&](CharFormat f) {
    f.font = U"Courier New";
    f.size = *size;
    return f;
  });
  CharFormat typing = c.ports.editor.typingFormat();
  typing.font = U"Courier New";
  typing.size = *size;
  c.ports.editor.setTypingFormat(typing);
  c.ports.editor.setCaret(caret);
  c.notify();
}

void normalFont(GradesContext& c) {
  changeFormats(c.ports.editor, c.ports.editor.markStart(), c.ports.editor.markEnd(),
                [&](CharFormat f) {
                  f.font = c.textFont.font;
                  f.size = c.textFont.size;
                  f.bold = f.italic = f.underline = false;
                  return f;
                });
  c.notify();
}

}  // namespace korvale
