// Opening and saving lists and documents.
#include <algorithm>

#include "base/files.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/table_text.h"
#include "grades/grades_editor.h"
#include "rtf/document_file.h"

namespace korvale {

namespace {

bool isListExtension(const std::string& extension) {
  return extension == ".csv" || extension == ".dat";
}

}  // namespace

void GradesEditor::openList() {
  open(false);
}

void GradesEditor::openText() {
  open(true);
}

void GradesEditor::open(bool asText) {
  if (databaseLoaded_ || textMode_) reset();
  if (asText) setLocked(false);
  s_.editor.clear();
  s_.editor.setTypingFormat(textFont());
  textMode_ = asText;
  listLoaded_ = false;

  const Text filter = asText ? U"RTF-Textdateien  (*.rtf)|*.rtf|ANSI-Textdateien (*.txt)|*.txt|"
                               U"Alle Dateien (*.*)|*.*"
                             : U"ANSI-Textdateien (*.csv)|*.csv|ANSI-Textdateien (*.dat)|*.dat|"
                               U"Alle Dateien (*.*)|*.*";
  if (const auto path = s_.dialogs.openFile(filter, s_.workingFolder)) {
    s_.workingFolder = path->folder();
    fileName_ = path->fileName();
    fileExtension_ = path->extension();
    if (!loadIntoEditor(*path)) {
      showDataError(s_.dialogs);
    } else if (isListExtension(fileExtension_)) {
      prepareLoadedList();
      listLoaded_ = true;
    }
  }

  setFileLabel();
  mm_.templateInEditor = mm_.previewOn = false;
  if (!listLoaded_) {
    fieldsViewShown_ = false;
    enableMenu(U"Datenbank", false);
    notify();
    return;
  }
  enableMenu(U"Datenbank", true);
  takeDatabaseFromEditor();
  databaseName_ = fileName_;
  // A list opened as text stays in the editor as it was read.
  const RichText asRead = s_.editor.richText();
  reloadDatabase();
  if (databaseLoaded_ && list_.table.schoolMarks) {
    convertMarks(databaseCopy_, list_.listSeparator, U"0", U"a");
    databaseList_ = databaseCopy_;
  }
  if (asText) {
    const bool lock = locked_;
    s_.editor.setRichText(asRead);
    setLocked(lock);
    if (databaseLoaded_) s_.dialogs.message(U"Datenbank erfolgreich geladen !");
  } else {
    showHint_ = true;
    toggleDisplay();
    // A list without records shows no table and so no hint, now or later.
    showHint_ = false;
  }
  notify();
}

bool GradesEditor::loadIntoEditor(const Path& path) {
  const auto doc = loadDocument(path, fileExtension_ == ".rtf", textFont(), &fileEncoding_);
  if (!doc) return false;
  s_.editor.setRichText(*doc);
  return true;
}

void GradesEditor::prepareLoadedList() {
  std::vector<Text> lines = s_.editor.lines();
  if (lines.empty()) lines.push_back(Text());
  list_.loadedHeader = lines.front();
  const char32_t headerEnd = list_.loadedHeader.empty() ? '\0' : list_.loadedHeader.back();
  // A list of the header alone has no record to tell its separator.
  list_.listSeparator = detectSeparator(trim(lines.size() > 1 ? lines[1] : lines[0]));
  list_.detectedSeparator = list_.listSeparator;
  const bool hadMarker = isEndMarker(lines.back());
  if (!hadMarker) lines.push_back(kEndMarker);
  if (headerEnd != list_.listSeparator) {
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) lines[i] += list_.listSeparator;
  }
  if (hadMarker) {
    writeTable(s_.editor, lines, currentFormats(s_.editor));
  } else {
    writeTable(s_.editor, lines, {tableFormat(tableFontSize_), tableFormat(tableFontSize_)});
  }
  s_.editor.setCaret({0, 0});
}

void GradesEditor::takeDatabaseFromEditor() {
  databaseCopy_.clear();
  for (const Text& line : s_.editor.lines())
    if (!isEndMarker(line)) databaseCopy_.push_back(line);
  databaseList_ = databaseCopy_;
}

bool GradesEditor::showsLoadedHeader(const Text& line) const {
  if (!databaseDisplayed_ || list_.loadedHeader.empty()) return false;
  if (line == list_.displayedHeader) return true;
  // The layout commands may have reformatted it: each name shown is the start of its name.
  const std::vector<Text> shown = trimmedSplit(line, detectSeparator(line));
  const std::vector<Text> names = trimmedSplit(list_.loadedHeader, list_.listSeparator);
  if (shown.empty() || shown.size() != names.size()) return false;
  for (std::size_t i = 0; i < shown.size(); ++i)
    if (!startsWith(trim(names[i]), trim(shown[i]))) return false;
  return true;
}

std::vector<Text> GradesEditor::linesToSave(bool asList) const {
  std::vector<Text> lines = s_.editor.lines();
  if (asList) {
    // The header on the screen may cut names to their column's width; the file keeps them.
    if (!lines.empty() && showsLoadedHeader(lines.front())) lines.front() = list_.loadedHeader;
    // The list ends at its end marker; what the evaluations wrote below it is no record.
    const auto marker = std::find_if(lines.begin(), lines.end(), isEndMarker);
    lines.erase(marker, lines.end());
  }
  // Only the table on the screen has absent marks; a letter's "a" stays what it is.
  if (databaseDisplayed_ && databaseLoaded_ && list_.table.schoolMarks) {
    for (std::size_t i = 1; i < lines.size(); ++i)
      lines[i] = convertMarks(lines[i], list_.listSeparator, U"a", U"0");
  }
  return lines;
}

void GradesEditor::save() {
  if (s_.editor.lineCount() == 0) {
    s_.dialogs.message(U" Abbruch - Kein Text im Editor !");
    return;
  }
  const Text lowerName = lowerAscii(fileName_.displayText());
  Text filter =
      U"RTF-Textdateien (*.rtf)|*.rtf|ANSI-Textdateien (*.txt)|*.txt|CSV-Textdateien "
      U"(*.csv)|*.csv|DAT-Textdateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*";
  std::string defaultExtension = ".rtf";
  if (lowerName.find(U"rtf") != Text::npos) {
    filter = U"RTF-Textdateien (*.rtf)|*.rtf|ANSI-Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";
  } else if (lowerName.find(U"csv") != Text::npos) {
    filter = U"CSV-Textdateien (*.csv)|*.csv|DAT-Textdateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*";
    defaultExtension = ".csv";
  }
  auto chosen = s_.dialogs.saveFile(filter, s_.workingFolder, fileName_);
  if (!chosen) return;
  Path path = *chosen;
  if (path.extension().empty()) path = path + (defaultExtension);

  const std::string extension = path.extension();
  bool written = false;
  if (extension == ".rtf") {
    written = saveUserDocument(path, s_.editor.richText(), true, fileEncoding_, s_.dialogs);
  } else {
    const std::vector<Text> lines = linesToSave(isListExtension(extension));
    written = saveUserDocument(path, RichText::fromLines(lines, CharFormat()), false, fileEncoding_,
                               s_.dialogs);
  }
  caretTo(1, 1);
  if (written) {
    s_.workingFolder = path.folder();
    fileName_ = path.fileName();
    fileExtension_ = extension;
  } else {
    // Nothing was saved: the label keeps naming the file the text came from.
    showDataError(s_.dialogs);
  }
  setFileLabel();
  // Only the list on the screen is a table; a document must not be reformatted as one.
  if (databaseDisplayed_ && !textMode_ && !mm_.templateInEditor) displayFormatting();
  notify();
}

}  // namespace korvale
