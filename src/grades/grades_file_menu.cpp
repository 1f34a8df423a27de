// The "Datei" menu: the folder switch, opening and saving lists and documents, "Neu".
#include <algorithm>

#include "base/files.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/layout.h"
#include "csvlist/table_text.h"
#include "grades/grades_context.h"
#include "grades/table_in_editor.h"
#include "rtf/document_file.h"
#include "stats/function_graph.h"

namespace korvale {

namespace {

bool isListExtension(const std::string& extension) {
  return extension == ".csv" || extension == ".dat";
}

bool loadIntoEditor(GradesContext& c, const Path& path) {
  c.document.incomplete.reset();
  LeftOutContent leftOut;
  const auto doc = loadDocument(path, c.document.extension == ".rtf", c.textFont,
                                &c.document.encoding, &leftOut);
  if (!doc) return false;
  c.ports.editor.setRichText(*doc);
  noteLeftOutContent(c.document.incomplete, path, leftOut, c.ports.dialogs);
  return true;
}

void prepareLoadedList(GradesContext& c) {
  std::vector<Text> lines = c.ports.editor.lines();
  if (lines.empty()) lines.push_back(Text());
  c.db.list.loadedHeader = lines.front();
  const char32_t headerEnd = c.db.list.loadedHeader.empty() ? '\0' : c.db.list.loadedHeader.back();
  // A list of the header alone has no record to tell its separator.
  c.db.list.listSeparator = lines.size() > 1 ? detectListSeparator(trim(lines[0]), trim(lines[1]))
                                             : detectSeparator(trim(lines[0]));
  c.db.list.detectedSeparator = c.db.list.listSeparator;
  const bool hadMarker = takeEndMarker(lines);
  // Empty lines after the last record (exported lists often end so) are no records.
  while (lines.size() > 1 && trim(lines.back()).empty()) lines.pop_back();
  lines.push_back(kEndMarker);
  if (headerEnd != c.db.list.listSeparator) {
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) lines[i] += c.db.list.listSeparator;
  }
  if (hadMarker) {
    writeTable(c.ports.editor, lines, currentFormats(c.ports.editor));
  } else {
    writeTable(c.ports.editor, lines, {tableFormat(c.tableFontSize), tableFormat(c.tableFontSize)});
  }
  c.ports.editor.setCaret({0, 0});
}

void takeDatabaseFromEditor(GradesContext& c) {
  c.db.copy.clear();
  for (const Text& line : c.ports.editor.lines())
    if (!isEndMarker(line)) c.db.copy.push_back(line);
  c.db.source = c.db.copy;
}

std::vector<Text> linesToSave(GradesContext& c, bool asList) {
  std::vector<Text> lines = c.ports.editor.lines();
  if (asList) {
    // The header on the screen may cut names to their column's width; the file keeps them, and
    // a name the user typed over is saved as typed and stays the list's name.
    if (c.db.displayed() && !lines.empty() && !c.db.list.loadedHeader.empty() &&
        adoptShownHeader(lines.front(), c.db.list)) {
      lines.front() = c.db.list.loadedHeader;
      for (std::vector<Text>* database : {&c.db.copy, &c.db.source})
        if (!database->empty()) database->front() = c.db.list.loadedHeader;
    }
    // The list ends at its end marker; what the evaluations wrote below it is no record.
    const auto marker = std::find_if(lines.begin(), lines.end(), isEndMarker);
    lines.erase(marker, lines.end());
  }
  // Only the table on the screen has absent marks; a letter's "a" stays what it is.
  if (c.db.displayed() && c.db.loaded() && c.db.list.table.schoolMarks) {
    for (std::size_t i = 1; i < lines.size(); ++i)
      lines[i] = convertMarks(lines[i], c.db.list.listSeparator, U"a", U"0");
  }
  return lines;
}

}  // namespace

void switchFolder(GradesContext& c) {
  // Unlike the List tools, the start folder is taken at once, even when the dialog is cancelled.
  if (isDirectory(c.ports.paths.startFolder)) c.ports.workingFolder = c.ports.paths.startFolder;
  korvale::switchFolder(c.ports.dialogs, c.ports.paths.demoFolder, c.ports.paths.startFolder,
                        c.ports.workingFolder);
}

void openFile(GradesContext& c, bool asText, const std::optional<Path>& dropped) {
  if (c.db.loaded() || c.document.textMode) reset(c);
  if (asText) setLocked(c, false);
  c.ports.editor.clear();
  c.document.typing.typed = false;
  c.ports.editor.setTypingFormat(c.textFont);
  c.document.textMode = asText;
  c.db.listLoaded = false;

  const Text filter = asText ? U"RTF-Textdateien  (*.rtf)|*.rtf|ANSI-Textdateien (*.txt)|*.txt|"
                               U"Alle Dateien (*.*)|*.*"
                             : U"ANSI-Textdateien (*.csv)|*.csv|ANSI-Textdateien (*.dat)|*.dat|"
                               U"Alle Dateien (*.*)|*.*";
  if (const auto path =
          dropped ? dropped : c.ports.dialogs.openFile(filter, c.ports.workingFolder)) {
    c.ports.workingFolder = path->folder();
    c.document.fileName = path->fileName();
    c.document.extension = path->extension();
    if (!loadIntoEditor(c, *path)) {
      showDataError(c.ports.dialogs);
    } else if (isListExtension(c.document.extension)) {
      prepareLoadedList(c);
      c.db.listLoaded = true;
    }
  }

  c.document.showName();
  c.mailMerge.templateInEditor = false;
  c.db.endLetters();
  if (!c.db.listLoaded) {
    c.db.fieldsViewShown = false;
    enableMenu(c, U"Datenbank", false);
    c.notify();
    return;
  }
  enableMenu(c, U"Datenbank", true);
  takeDatabaseFromEditor(c);
  c.db.name = c.document.fileName;
  // A list opened as text stays in the editor as it was read.
  const RichText asRead = c.ports.editor.richText();
  reloadDatabase(c);
  if (c.db.loaded() && c.db.list.table.schoolMarks) {
    convertMarks(c.db.copy, c.db.list.listSeparator, U"0", U"a");
    c.db.source = c.db.copy;
  }
  if (asText) {
    const bool lock = c.locked;
    c.ports.editor.setRichText(asRead);
    setLocked(c, lock);
    if (c.db.loaded()) c.ports.dialogs.message(U"Datenbank erfolgreich geladen !");
  } else {
    c.db.showHint = true;
    toggleDisplay(c);
    // A list without records shows no table and so no hint, now or later.
    c.db.showHint = false;
  }
  c.notify();
}

void save(GradesContext& c) {
  if (c.ports.editor.lineCount() == 0) {
    c.ports.dialogs.message(U" Abbruch - Kein Text im Editor !");
    return;
  }
  const Text lowerName = lowerAscii(c.document.fileName.displayText());
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
  auto chosen = c.ports.dialogs.saveFile(filter, c.ports.workingFolder, c.document.fileName);
  if (!chosen) return;
  Path path = *chosen;
  if (path.extension().empty()) path = path + (defaultExtension);
  if (!mayReplaceOriginal(c.document.incomplete, path, c.ports.dialogs)) return;

  const std::string extension = path.extension();
  // A template or its letters are written in the template's encoding, the list in its own.
  Encoding& encoding = c.mailMerge.templateInEditor && !c.db.displayed()
                           ? c.mailMerge.templateEncoding
                           : c.document.encoding;
  bool written = false;
  if (extension == ".rtf") {
    written = saveUserDocument(path, c.ports.editor.richText(), true, encoding, c.ports.dialogs);
  } else {
    const std::vector<Text> lines = linesToSave(c, isListExtension(extension));
    written = saveUserDocument(path, RichText::fromLines(lines, CharFormat()), false, encoding,
                               c.ports.dialogs);
  }
  caretTo(c, 1, 1);
  if (written) {
    c.document.typing.typed = false;
    c.ports.workingFolder = path.folder();
    c.document.fileName = path.fileName();
    c.document.extension = extension;
  } else {
    // Nothing was saved: the label keeps naming the file the text came from.
    showDataError(c.ports.dialogs);
  }
  c.document.showName();
  // Only the list on the screen is a table; a document must not be reformatted as one.
  if (c.db.displayed() && !c.document.textMode && !c.mailMerge.templateInEditor)
    displayFormatting(c);
  c.notify();
}

void reset(GradesContext& c) {
  c.selection.state.selectionMade = false;
  setLocked(c, false);
  hideSelectionPanel(c);
  setClipboardEntriesEnabled(c, true);
  if (c.db.listLoaded) {
    // The table on the screen goes with the database.
    c.db.unload();
    c.helpShown = false;
    enableMenu(c, U"Datenbank", false);
  }
  c.db.fieldsViewShown = false;
  c.document.textMode = false;
  c.document.forget();
  c.document.showName();
  c.mailMerge.templateInEditor = false;
  c.mailMerge.savedTemplate = RichText();
  resetChart(c.stats, c.ports.chart);
  c.stats.headerAndMargin = false;
  c.statusLine = U"Zeile/Spalte";
  c.ports.editor.clear();
  CharFormat font = c.textFont;
  font.size = 14;
  c.ports.editor.setTypingFormat(font);
  c.currentField = 0;
  c.notify();
}

}  // namespace korvale
