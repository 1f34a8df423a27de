// The mail-merge entries of the "Datenbank" menu: load, new and save a letter template, the
// preview of the filled letters (on / off) and printing them. The filling is src/mailmerge's.
#include "base/files.h"
#include "base/text_routines.h"
#include "grades/grades_context.h"
#include "mailmerge/document_builder.h"
#include "mailmerge/merge.h"
#include "rtf/document_file.h"

namespace korvale {

namespace {

const Text kTemplateFilter = U"RTF-Textdateien (*.rtf)|*.rtf";

// Load, new and save leave the table and the letters alone.
bool templateMayChange(GradesContext& c) {
  if (c.db.displayed()) {
    c.ports.dialogs.message(U"Bitte zuerst <Datenbank anzeigen> ausschalten !");
    return false;
  }
  if (c.db.lettersShown()) {
    c.ports.dialogs.message(U"Bitte zuerst <Serienbrief-Vorschau> ausschalten !");
    return false;
  }
  return true;
}

void rememberTemplateFile(GradesContext& c, const Path& path) {
  c.ports.workingFolder = path.folder();
  c.document.fileName = path.fileName().trimmed();
  c.document.extension = path.extension();
  c.document.label = U"Datei: " + c.document.fileName.displayText();
  c.mailMerge.templateInEditor = true;
}

bool looksLikeTemplate(const Text& text) {
  return text.find('<') != Text::npos && text.find('>') != Text::npos &&
         (text.find('F') != Text::npos || text.find('f') != Text::npos);
}

void previewOff(GradesContext& c) {
  RichText letterTemplate = c.mailMerge.savedTemplate;
  dropTrailingBlankLines(letterTemplate);
  c.ports.editor.setRichText(letterTemplate);
  c.db.endLetters();
}

void previewOn(GradesContext& c) {
  if (!looksLikeTemplate(c.ports.editor.plainText())) {
    c.ports.dialogs.message(U"Abbruch: Kein gültiger Serienbrief !");
    return;
  }
  const BusyCursor busy(c.ports.cursor);
  MergeChoice choice;
  choice.pageBreaks = !c.ports.dialogs.question(
      U" OHNE Seitenvorschub ", U" zwischen den Datensätzen ?   \r (Abbruch mit <Esc>)",
      Icon::Question);
  choice.compressed =
      c.ports.dialogs.question(U" MIT Komprimierung ", U" der Feldwerte ? ", Icon::Question);

  c.mailMerge.savedTemplate = c.ports.editor.richText();
  const MergeSource source{c.db.copy, c.db.list.listSeparator, c.db.list.table};
  MergeResult merged =
      mergeLetters(c.mailMerge.savedTemplate, source, choice, c.ports.variables, c.ports.keys);
  // The whole preview goes into the editor at once: thousands of edits would take minutes.
  c.ports.editor.setRichText(merged.letters);
  c.db.mode = DatabasePart::Mode::Letters;
  if (merged.aborted) {
    c.ports.dialogs.message(U"Serienbrief-Vorschau abgebrochen !");
    return;
  }
  c.ports.editor.setCaret({0, 0});
}

// The letters are filled from the loaded database while its table is not shown.
bool databaseReadyForLetters(GradesContext& c) {
  if (!c.db.loaded()) {
    c.ports.dialogs.message(U"Noch keine Datenbank geladen !");
    return false;
  }
  if (c.db.displayed()) {
    c.ports.dialogs.message(U"Bitte zuerst <Datenbank anzeigen> ausschalten !");
    return false;
  }
  return true;
}

}  // namespace

void loadTemplateCommand(GradesContext& c) {
  if (!templateMayChange(c)) return;
  setLocked(c, false);
  const auto path = c.ports.dialogs.openFile(kTemplateFilter, c.ports.workingFolder);
  if (!path) return;
  c.ports.workingFolder = path->folder();
  Encoding encoding = Encoding::Cp1252;
  LeftOutContent leftOut;
  const auto doc = loadDocument(*path, true, c.ports.editor.typingFormat(), &encoding, &leftOut);
  if (!doc) {
    // The editor keeps what it holds, and nothing claims that the file was loaded.
    showDataError(c.ports.dialogs);
    return;
  }
  c.ports.editor.setRichText(*doc);
  rememberTemplateFile(c, *path);
  c.mailMerge.templateEncoding = encoding;
  noteLeftOutContent(c.document.incomplete, *path, leftOut, c.ports.dialogs);
}

void newTemplateCommand(GradesContext& c) {
  if (!templateMayChange(c)) return;
  setLocked(c, false);
  c.ports.editor.clear();
  c.document.incomplete.reset();
  c.mailMerge.templateInEditor = true;
  c.mailMerge.templateEncoding = Encoding::Cp1252;
}

void saveTemplateCommand(GradesContext& c) {
  if (!templateMayChange(c)) return;
  if (c.ports.editor.isEmpty()) {
    c.ports.dialogs.message(U"Bitte zuerst einen Serienbrief schreiben !");
    return;
  }
  const auto chosen =
      c.ports.dialogs.saveFile(kTemplateFilter, c.ports.workingFolder, c.document.fileName);
  if (!chosen) return;
  Path path = *chosen;
  if (path.extension().empty()) path = path + ".rtf";
  if (!mayReplaceOriginal(c.document.incomplete, path, c.ports.dialogs)) return;
  if (!saveDocument(path, c.ports.editor.richText(), true)) {
    showDataError(c.ports.dialogs);
    return;
  }
  rememberTemplateFile(c, path);
}

void previewCommand(GradesContext& c) {
  if (!databaseReadyForLetters(c)) return;
  if (!c.mailMerge.templateInEditor) {
    c.ports.dialogs.message(U"Noch kein Serienbrief geladen !");
    return;
  }
  if (c.db.lettersShown())
    previewOff(c);
  else
    previewOn(c);
}

void printLettersCommand(GradesContext& c) {
  if (!databaseReadyForLetters(c)) return;
  if (!c.mailMerge.templateInEditor) {
    c.ports.dialogs.message(U"Noch kein Serienbrief vorhanden !");
    return;
  }
  if (c.ports.editor.isEmpty()) {
    c.ports.dialogs.message(U"Bitte zuerst einen Serienbrief schreiben !");
    return;
  }
  if (c.ports.dialogs.confirm(U" Den Serienbrief drucken ? ")) print(c);
}

}  // namespace korvale
