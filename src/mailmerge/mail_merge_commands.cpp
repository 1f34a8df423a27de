#include "mailmerge/mail_merge_commands.h"

#include "base/files.h"
#include "base/text_routines.h"
#include "mailmerge/document_builder.h"
#include "mailmerge/merge.h"
#include "rtf/document_file.h"

namespace korvale {

namespace {

const Text kTemplateFilter = U"RTF-Textdateien (*.rtf)|*.rtf";

void unlock(MailMergeWindow& w) {
  if (w.unlock)
    w.unlock();
  else
    w.editor.setReadOnly(false);
}

// Load, new and save leave the table and the letters alone.
bool templateMayChange(MailMergeWindow& w) {
  if (w.databaseDisplayed) {
    w.dialogs.message(U"Bitte zuerst <Datenbank anzeigen> ausschalten !");
    return false;
  }
  if (w.state.previewOn) {
    w.dialogs.message(U"Bitte zuerst <Serienbrief-Vorschau> ausschalten !");
    return false;
  }
  return true;
}

void rememberTemplateFile(MailMergeWindow& w, const Path& path) {
  w.workingFolder = path.folder();
  w.fileName = path.fileName().trimmed();
  w.fileExtension = path.extension();
  w.fileLabel = U"Datei: " + w.fileName.displayText();
  w.state.templateInEditor = true;
}

bool looksLikeTemplate(const Text& text) {
  return text.find('<') != Text::npos && text.find('>') != Text::npos &&
         (text.find('F') != Text::npos || text.find('f') != Text::npos);
}

void previewOff(MailMergeWindow& w) {
  RichText letterTemplate = w.state.savedTemplate;
  dropTrailingBlankLines(letterTemplate);
  w.editor.setRichText(letterTemplate);
  w.state.previewOn = false;
}

void previewOn(MailMergeWindow& w) {
  if (!looksLikeTemplate(w.editor.plainText())) {
    w.dialogs.message(U"Abbruch: Kein gültiger Serienbrief !");
    return;
  }
  const BusyCursor busy(w.cursor);
  MergeChoice choice;
  choice.pageBreaks =
      !w.dialogs.question(U" OHNE Seitenvorschub ",
                          U" zwischen den Datensätzen ?   \r (Abbruch mit <Esc>)", Icon::Question);
  choice.compressed =
      w.dialogs.question(U" MIT Komprimierung ", U" der Feldwerte ? ", Icon::Question);

  w.state.savedTemplate = w.editor.richText();
  const MergeSource source{w.databaseCopy, w.list.listSeparator, w.list.table};
  MergeResult merged = mergeLetters(w.state.savedTemplate, source, choice, w.variables, w.keys);
  // The whole preview goes into the editor at once: thousands of edits would take minutes.
  w.editor.setRichText(merged.letters);
  w.state.previewOn = true;
  if (merged.aborted) {
    w.dialogs.message(U"Serienbrief-Vorschau abgebrochen !");
    return;
  }
  w.editor.setCaret({0, 0});
}

// The letters are filled from the loaded database while its table is not shown.
bool databaseReadyForLetters(MailMergeWindow& w) {
  if (!w.databaseLoaded) {
    w.dialogs.message(U"Noch keine Datenbank geladen !");
    return false;
  }
  if (w.databaseDisplayed) {
    w.dialogs.message(U"Bitte zuerst <Datenbank anzeigen> ausschalten !");
    return false;
  }
  return true;
}

}  // namespace

void loadTemplateCommand(MailMergeWindow& w) {
  if (!templateMayChange(w)) return;
  unlock(w);
  const auto path = w.dialogs.openFile(kTemplateFilter, w.workingFolder);
  if (!path) return;
  w.workingFolder = path->folder();
  Encoding encoding = Encoding::Cp1252;
  LeftOutContent leftOut;
  const auto doc = loadDocument(*path, true, w.editor.typingFormat(), &encoding, &leftOut);
  if (!doc) {
    // The editor keeps what it holds, and nothing claims that the file was loaded.
    showDataError(w.dialogs);
    return;
  }
  w.editor.setRichText(*doc);
  rememberTemplateFile(w, *path);
  w.state.templateEncoding = encoding;
  noteLeftOutContent(w.incomplete, *path, leftOut, w.dialogs);
}

void newTemplateCommand(MailMergeWindow& w) {
  if (!templateMayChange(w)) return;
  unlock(w);
  w.editor.clear();
  w.incomplete.reset();
  w.state.templateInEditor = true;
  w.state.templateEncoding = Encoding::Cp1252;
}

void saveTemplateCommand(MailMergeWindow& w) {
  if (!templateMayChange(w)) return;
  if (w.editor.isEmpty()) {
    w.dialogs.message(U"Bitte zuerst einen Serienbrief schreiben !");
    return;
  }
  const auto chosen = w.dialogs.saveFile(kTemplateFilter, w.workingFolder, w.fileName);
  if (!chosen) return;
  Path path = *chosen;
  if (path.extension().empty()) path = path + ".rtf";
  if (!mayReplaceOriginal(w.incomplete, path, w.dialogs)) return;
  if (!saveDocument(path, w.editor.richText(), true)) {
    showDataError(w.dialogs);
    return;
  }
  rememberTemplateFile(w, path);
}

void previewCommand(MailMergeWindow& w) {
  if (!databaseReadyForLetters(w)) return;
  if (!w.state.templateInEditor) {
    w.dialogs.message(U"Noch kein Serienbrief geladen !");
    return;
  }
  if (w.state.previewOn)
    previewOff(w);
  else
    previewOn(w);
}

void printLettersCommand(MailMergeWindow& w) {
  if (!databaseReadyForLetters(w)) return;
  if (!w.state.templateInEditor) {
    w.dialogs.message(U"Noch kein Serienbrief vorhanden !");
    return;
  }
  if (w.editor.isEmpty()) {
    w.dialogs.message(U"Bitte zuerst einen Serienbrief schreiben !");
    return;
  }
  if (w.dialogs.confirm(U" Den Serienbrief drucken ? ") && w.printText) w.printText();
}

}  // namespace korvale
