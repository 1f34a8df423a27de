// The editing commands: clipboard, fonts, and opening a file named in a field.
#include <sys/stat.h>

#include <algorithm>
#include <functional>

#include "base/files.h"
#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "grades/grades_editor.h"

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

// A field may name a document beside the list, never a program or a file elsewhere.
bool isDocumentHere(const Path& folder, const Text& name) {
  if (name.empty() || name == U"." || name == U".." || name.find('/') != Text::npos) return false;
  const Path path = folder.join(Path::fromText(name));
  if (!isRegularFile(path)) return false;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return false;
  return (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0;
}

}  // namespace

RichText GradesEditor::markedOrWholeText() const {
  const RichText all = s_.editor.richText();
  if (!s_.editor.hasMarked()) return all;
  const std::size_t from = all.offsetOf(s_.editor.markStart());
  return all.slice(from, all.offsetOf(s_.editor.markEnd()) - from);
}

void GradesEditor::copy() {
  s_.clipboard.setText(markedOrWholeText());
}

void GradesEditor::cut() {
  copy();
  // A locked text gives a copy and stays as it is.
  if (locked_) return;
  if (!s_.editor.hasMarked()) s_.editor.markAll();
  s_.editor.replaceMarked(Text());
  updateStatus();
  notify();
}

void GradesEditor::paste() {
  const RichText pasted = s_.clipboard.text();
  if (locked_ || pasted.text.empty()) return;
  const RichText before = s_.editor.richText();
  const std::size_t at = before.offsetOf(s_.editor.markStart());
  s_.editor.replaceMarked(pasted.text);
  // The pasted text keeps the formats it was copied with.
  std::size_t offset = at;
  const RichText now = s_.editor.richText();
  for (const FormatRun& run : pasted.runs) {
    s_.editor.applyFormat(now.posOf(offset), now.posOf(offset + run.length), run.format);
    offset += run.length;
  }
  s_.editor.setCaret(now.posOf(at + pasted.text.size()));
  updateStatus();
  notify();
}

void GradesEditor::chooseFont() {
  const CharFormat current = s_.editor.formatAt(s_.editor.markStart());
  const auto chosen = s_.dialogs.font({current.font, current.size, current.bold, current.italic});
  if (!chosen) return;
  changeFormats(s_.editor, s_.editor.markStart(), s_.editor.markEnd(), [&](CharFormat f) {
    f.font = chosen->name;
    f.size = chosen->size;
    f.bold = chosen->bold;
    f.italic = chosen->italic;
    return f;
  });
  notify();
}

void GradesEditor::chooseMarkedSize() {
  const Text current = intToText(s_.editor.formatAt(s_.editor.markStart()).size);
  const Text answer = s_.dialogs
                          .input(U"Gewünschte Schriftgröße eingeben",
                                 U"Schriftgröße für markierte Bereiche oder Tabellen\r"
                                 U"von 6 bis 24. Abbruch mit 0 .....................\r ",
                                 current)
                          .value_or(current);
  const auto size = fontSizeAnswer(answer);
  if (!size) return;
  changeFormats(s_.editor, s_.editor.markStart(), s_.editor.markEnd(), [&](CharFormat f) {
    f.size = *size;
    return f;
  });
  tableFontSize_ = *size;
  notify();
}

void GradesEditor::chooseTableFont() {
  const Text current = intToText(tableFontSize_);
  const auto answer = s_.dialogs.input(U"Schriftänderung für Texttabellen",
                                       U"Standardschriftgröße nur für Texttabellen\r"
                                       U"von 6 bis 24. Abbruch mit 0 .............\r ",
                                       current);
  const auto size = fontSizeAnswer(answer.value_or(current));
  if (!size) return;
  tableFontSize_ = *size;
  const TextPos caret = s_.editor.caret();
  // The header keeps its bold face.
  changeFormats(s_.editor, {0, 0}, s_.editor.endPos(), [&](CharFormat f) {
    f.font = U"Courier New";
    f.size = *size;
    return f;
  });
  CharFormat typing = s_.editor.typingFormat();
  typing.font = U"Courier New";
  typing.size = *size;
  s_.editor.setTypingFormat(typing);
  s_.editor.setCaret(caret);
  notify();
}

void GradesEditor::normalFont() {
  changeFormats(s_.editor, s_.editor.markStart(), s_.editor.markEnd(), [&](CharFormat f) {
    f.font = textFont_.font;
    f.size = textFont_.size;
    f.bold = f.italic = f.underline = false;
    return f;
  });
  notify();
}

void GradesEditor::textRightClicked() {
  if (locked_ && !s_.editor.hasMarked()) markCharacterAtCaret();
  updateStatus();
  const TextPos at = s_.editor.markStart();
  const Text name = fieldUnderCaret(s_.editor.line(at.line), at.column);
  const Path& folder = s_.workingFolder;
  // Missing files and a desktop that cannot open them are passed over in silence.
  if (isDocumentHere(folder, name)) s_.shell.openDocument(folder.join(Path::fromText(name)));
  notify();
}

}  // namespace korvale
