// "Replace FX" and the replace-expression files it loads and saves.
#include "base/files.h"
#include "base/numbers.h"
#include "base/plain_text.h"
#include "base/text_routines.h"
#include "listtools/column_fields.h"
#include "listtools/column_operations.h"
#include "listtools/list_text.h"
#include "listtools/replace_expression.h"
#include "rtf/document_file.h"

namespace korvale {

namespace {

const Text kReplaceFilter = U"TXT-Textdateien (*.rep)|*.rep";

Text instructions() {
  static const char32_t* const lines[] = {
      U"Im Ersatzausdruck werden die einzelnen Felder",
      U"durch die Symbole  <Fxx>  bezeichnet. Dabei sind",
      U"xx  die Nummern von beliebigen Datenfeldern.",
      U" ",
      U"Alternativ kann  <Fxx,a,b>  eingegeben werden.",
      U"Dann werden aus den Feldern ab der Position  a",
      U"genau  b  Zeichen extrahiert.",
      U" ",
      U"Ein Feldsymbol darf nicht mehrfach vorkommen !",
      U" ",
      U"Numerische Felder können auch mit Hilfe anderer",
      U"numericher Felder berechnet werden, z.B. mittels",
      U"10*<F8> oder mittels <F9>-2*<F8>, usw.",
      U" ",
  };
  Text out;
  for (const char32_t* line : lines) out += Text(line) + U"\r";
  return out;
}

// The first line of a replace-expression file the user picks becomes the expression; Cancel
// empties it. False when the file cannot be read.
bool loadExpression(ListToolsContext& c) {
  Text& expression = c.state.settings.replaceExpression;
  expression.clear();
  const auto chosen = c.dialogs.openFile(kReplaceFilter, c.workingFolder);
  if (!chosen) return true;
  const auto bytes = readUserFile(chosen->trimmed());
  if (!bytes) {
    showDataError(c.dialogs);
    return false;
  }
  const std::vector<Text> lines = splitLines(readPlainText(*bytes));
  if (!lines.empty()) expression = lines.front();
  return true;
}

void saveExpression(ListToolsContext& c) {
  const auto chosen = c.dialogs.saveFile(kReplaceFilter, c.workingFolder, Path("replace_01"));
  if (!chosen) return;
  Path path = chosen->trimmed();
  if (path.extension().empty()) path = path + ".rep";
  Encoding encoding = Encoding::Cp1252;
  const RichText doc = RichText::fromLines({c.state.settings.replaceExpression}, CharFormat());
  if (!saveUserDocument(path, doc, false, encoding, c.dialogs)) showDataError(c.dialogs);
}

}  // namespace

void replaceColumn(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const auto column = askColumn(c, U"Ersetzen einer CSV-Spalte", c.state.structure.fieldCount());
  if (!column) return;
  Text& expression = c.state.settings.replaceExpression;
  if (askQuestion(c, U"KEINEN gespeicherten Ersatzausdruck laden ?     "))
    expression.clear();
  else if (!loadExpression(c))
    return;
  const auto answer = c.dialogs.input(U"Datenfeld <" + intToText(*column) + U"> ersetzen",
                                      instructions(), expression);
  if (!answer) return;
  const Text entry = trim(*answer);
  if (entry.empty()) return;
  expression = entry;
  const ParsedReplace parsed = parseReplaceExpression(entry);
  if (parsed.error == ReplaceError::UnclosedSymbol) {
    c.dialogs.message(U" Eingabefehler 1 ");
    return;
  }
  if (parsed.error == ReplaceError::BadExtraction) {
    c.dialogs.message(U" Eingabefehler 2 ");
    return;
  }

  const char32_t separator = c.state.settings.separator;
  const char type = c.state.structure.field(*column).type;
  const bool numeric = type == 'N' || type == 'I';
  std::vector<Text> lines = recordLines(c);
  {
    BusyCursor busy(c.cursor);
    for (Text& line : lines) {
      // A separator in the result would split the field in two and shift the ones after it.
      const Text value = removeCharacter(
          replacementValue(parsed.tpl, splitFields(line, separator), numeric, c.variables),
          separator);
      line = withField(line, separator, *column, value);
    }
  }
  setRecordLines(c, lines);
  if (!askQuestion(c, U"KEINE Speicherung des Ersatzausdruckes ?     ")) saveExpression(c);
  reexpand(c);
}

}  // namespace korvale
