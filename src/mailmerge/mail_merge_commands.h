// The mail-merge entries of the Grades editor's "Datenbank" menu: load, new and save a letter
// template, the preview of the filled letters (on / off) and printing them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/path.h"
#include "base/text.h"
#include "csvlist/list_state.h"
#include "formula/variable_table.h"
#include "rtf/document_file.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"
#include "ui/ports/rich_text.h"
#include "ui/ports/text_editor.h"

namespace korvale {

// What the Grades editor keeps for the mail merge between commands. Activation, New, opening a
// file and the database reload clear both flags; New and closing also clear the saved template.
struct MailMergeState {
  bool templateInEditor = false;  // set by load, new and save of a template
  bool previewOn = false;         // the editor shows the filled letters
  RichText savedTemplate;         // the template, with its formats, while the preview is on
  // What the template file was read in: saving it (or its letters) as text writes that, while
  // the list keeps its own.
  Encoding templateEncoding = Encoding::Cp1252;
};

// The Grades editor as the commands see it, built by the window for each command.
struct MailMergeWindow {
  TextEditor& editor;
  Dialogs& dialogs;
  KeyState& keys;
  Cursor& cursor;
  const VariableTable& variables;
  MailMergeState& state;

  // The database.
  bool databaseLoaded = false;
  bool databaseDisplayed = false;
  const std::vector<Text>& databaseCopy;  // the header, then the records
  const ListState& list;                  // separator and field table

  // The window's file state: the template's folder, name and extension are remembered like a
  // document's, and the file label names it.
  Path& workingFolder;
  Path& fileName;
  std::string& fileExtension;
  Text& fileLabel;
  // The template file, when the editor could not hold all of it (pictures, tables, ...).
  std::optional<IncompleteOriginal>& incomplete;

  // Makes the editor writable (with the window's lock flag); without it the editor alone.
  std::function<void()> unlock;
  // The window's printing of the editor's text ("Drucken"): its print dialog, then one page
  // per page-break mark.
  std::function<void()> printText;
};

// "Einen Serienbrief laden".
void loadTemplateCommand(MailMergeWindow& w);
// "Neuen Serienbrief anlegen".
void newTemplateCommand(MailMergeWindow& w);
// "Serienbrief speichern".
void saveTemplateCommand(MailMergeWindow& w);
// "Serienbrief Vorschau (E/A)": fills the template from every record, or brings it back.
void previewCommand(MailMergeWindow& w);
// "Serienbrief ausdrucken".
void printLettersCommand(MailMergeWindow& w);

}  // namespace korvale
