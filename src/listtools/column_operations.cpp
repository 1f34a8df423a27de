#include "listtools/column_operations.h"

#include <functional>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "listtools/column_fields.h"
#include "listtools/list_text.h"
#include "listtools/structure.h"

namespace korvale {

namespace {

// Every record's field `column` through `change` (which gets the record's index from 0).
void changeColumn(ListToolsContext& c, int column,
                  const std::function<Text(const Text& value, int record)>& change) {
  const char32_t separator = c.state.settings.separator;
  std::vector<Text> lines = recordLines(c);
  {
    BusyCursor busy(c.cursor);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const Text value = fieldText(lines[i], separator, column);
      lines[i] = withField(lines[i], separator, column, change(value, static_cast<int>(i)));
    }
  }
  setRecordLines(c, lines);
}

int fieldCount(const ListToolsContext& c) {
  return c.state.structure.fieldCount();
}

}  // namespace

Text lowerField(const Text& field, bool firstCapital) {
  Text out = toLower(field);
  if (firstCapital && !out.empty()) out = toUpper(out.substr(0, 1)) + out.substr(1);
  return out;
}

Text upperField(const Text& field) {
  return replaceAll(toUpper(field), U"ß", U"SS", CaseMode::Exact).text;
}

void lowerColumn(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const auto column = askColumn(c, U"Kleinschreiben einer CSV-Spalte", fieldCount(c));
  if (!column) return;
  const bool firstCapital = askQuestion(c, U"Ersten Buchstaben groß schreiben ?     ");
  const CaretMemory caret(c);
  changeColumn(c, *column, [&](const Text& v, int) { return lowerField(v, firstCapital); });
  caret.restore(c);
}

void upperColumn(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const auto column = askColumn(c, U"Großschreiben einer CSV-Spalte", fieldCount(c));
  if (!column) return;
  const CaretMemory caret(c);
  changeColumn(c, *column, [](const Text& v, int) { return upperField(v); });
  caret.restore(c);
}

void setColumnLength(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const Text title = U"Länge einer CSV-Spalte ändern";
  const auto column = askColumn(c, title, fieldCount(c));
  if (!column) return;
  const ListField field = c.state.structure.field(*column);
  const auto length = askNumber(c, title, U"Länge der Spalte 1 <= Len <= 30",
                                intToText(field.length), 1, 30, U"Abbruch: Falsche Spaltenlänge !");
  if (!length) return;
  const CaretMemory caret(c);
  changeColumn(c, *column, [&](const Text& v, int) {
    return field.type == 'T' ? padRight(trim(v), *length) : padLeft(trim(v), *length);
  });
  analyseStructure(c);
  caret.restore(c);
}

void removeColumn(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const auto column = askColumn(c, U"Datenspalte löschen (0 = Abbrechen)", fieldCount(c));
  if (!column) return;
  ListDocument& list = c.state.list;
  const char32_t separator = c.state.settings.separator;
  std::vector<Text> lines = recordLines(c);
  for (Text& line : lines) line = withoutField(line, separator, *column);
  setRecordLines(c, lines);
  list.headerString = withoutField(list.headerString, separator, *column);
  list.headerEditor = list.headerString;
  analyseStructure(c);
  goTo(c, 1, 1);
}

void insertColumn(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const auto column = askColumn(c, U"Datenspalte einfügen (0 = Abbrechen)", fieldCount(c) + 1);
  if (!column) return;
  const char32_t separator = c.state.settings.separator;
  const auto name = c.dialogs.input(U"Feldname der neuen CSV-Spalte", Text(), U"Name");
  if (!name) return;
  // A separator in the name would make two columns of the one.
  const Text fieldName = removeCharacter(trim(toUpper(*name)), separator);
  if (fieldName.empty()) {
    c.dialogs.message(U"Abbruch: Kein Feldname eingegeben ");
    return;
  }
  const auto typeAnswer = c.dialogs.input(U"Typ des Datenfeldes (T,N,I))", Text(), U"T");
  if (!typeAnswer) return;
  const Text type = trim(toUpper(*typeAnswer));
  if (type != U"T" && type != U"N" && type != U"I") {
    c.dialogs.message(U"Abbruch: Falscher Feldtyp !");
    return;
  }
  const auto length = askNumber(c, U"Länge des Datenfeldes (1 .. 30)", Text(), U"10", 1, 30,
                                U"Abbruch: Falsche Feldlänge !");
  if (!length) return;

  const Text empty = type == U"T"   ? repeatChar(*length, U' ')
                     : type == U"I" ? padLeft(U"0", *length)
                                    : padLeft(U"0.00", *length);
  std::vector<Text> lines = recordLines(c);
  {
    BusyCursor busy(c.cursor);
    for (Text& line : lines) line = withInsertedField(line, separator, *column, empty);
  }
  setRecordLines(c, lines);
  ListDocument& list = c.state.list;
  list.headerString = withInsertedField(list.headerString, separator, *column, fieldName);
  list.headerEditor = list.headerString;
  analyseStructure(c);
  goTo(c, 1, 1);
}

void randomColumn(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const Text title = U"Erzeugung von Zufallswerten in einer CSV-Spalte";
  const auto column = askColumn(c, title, fieldCount(c));
  if (!column) return;
  const auto letters = askNumber(c, title, U"Anzahl der Zufallsbuchstaben (0 bis 16)", U"4", 0, 16,
                                 U"Abbruch: Falsche Buchstaben-Anzahl !");
  if (!letters) return;
  const auto digits = askNumber(c, title, U"Anzahl der Zufallsziffern (0 bis 16)", U"4", 0, 16,
                                U"Abbruch: Falsche Ziffern-Anzahl !");
  if (!digits || *letters + *digits == 0) return;
  c.random.seedFromClock();
  const CaretMemory caret(c);
  changeColumn(c, *column, [&](const Text&, int) {
    Text value;
    for (int i = 0; i < *letters; ++i) value += static_cast<char32_t>(U'a' + c.random.below(26));
    for (int i = 0; i < *digits; ++i) value += static_cast<char32_t>(U'0' + c.random.below(10));
    return value;
  });
  reexpand(c);
  caret.restore(c);
}

void indexColumn(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const auto column =
      askColumn(c, U"Erzeugung fortlaufender Nummern in einer CSV-Spalte", fieldCount(c));
  if (!column) return;
  const ListField field = c.state.structure.field(*column);
  if (field.type != 'I') {
    c.dialogs.message(U"Abbruch: Der Feldtyp ist nicht \"I\" (ganzzahlig) !");
    return;
  }
  const CaretMemory caret(c);
  changeColumn(c, *column, [&](const Text&, int record) {
    const Text number = intToText(record + 1);
    // A number longer than the field is written whole.
    return static_cast<int>(number.size()) < field.length ? padLeft(number, field.length) : number;
  });
  reexpand(c);
  caret.restore(c);
}

}  // namespace korvale
