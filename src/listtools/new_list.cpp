#include "listtools/new_list.h"

#include "base/numbers.h"
#include "base/text_routines.h"
#include "listtools/list_files.h"
#include "listtools/list_text.h"
#include "listtools/record_mask.h"
#include "listtools/structure.h"

namespace korvale {

namespace {

constexpr int kMaxFields = 50;
constexpr int kMaxNameLength = 10;
constexpr int kMaxFieldLength = 30;

std::optional<int> numberIn(const Text& edit, int low, int high) {
  const auto n = readWholeNumber(trim(edit));
  if (!n || *n < low || *n > high) return std::nullopt;
  return n;
}

// Upper case, trimmed, without ";" or the list's separator, which would split the header.
Text cleanedWord(const Text& edit, char32_t separator) {
  return removeCharacter(removeCharacter(trim(toUpper(edit)), U';'), separator);
}

void showDefaults(NewListDraft& d, int position) {
  d.name = U"Feld" + intToText(position);
  d.length = U"10";
  d.type = U"T";
}

bool refuse(ListToolsContext& c, const std::string& focus) {
  c.dialogs.message(U"Falsche Eingabe !");
  c.state.view.focus = focus;
  return false;
}

// Takes the field at the current position, or tells what is wrong with it.
bool takeField(ListToolsContext& c, int& count) {
  NewListDraft& d = c.state.newList;
  const char32_t sep = c.state.settings.separator;
  const auto fieldCount = numberIn(d.count, 1, kMaxFields);
  if (!fieldCount) {
    d.count.clear();
    return refuse(c, listfocus::kFieldCount);
  }
  const Text name = cleanedWord(d.name, sep);
  if (name.empty()) {
    d.name.clear();
    return refuse(c, listfocus::kFieldName);
  }
  const auto length = numberIn(d.length, 1, kMaxFieldLength);
  if (!length) {
    d.length.clear();
    return refuse(c, listfocus::kFieldLength);
  }
  const Text type = cleanedWord(d.type, sep);
  if (type != U"T" && type != U"N" && type != U"I") {
    d.type = U"T";
    return refuse(c, listfocus::kFieldType);
  }
  const auto at = static_cast<std::size_t>(d.position - 1);
  if (d.fields.size() <= at) d.fields.resize(at + 1);
  d.fields[at] = {name.substr(0, kMaxNameLength), static_cast<char>(type[0]), *length};
  count = *fieldCount;
  return true;
}

void startOver(ListToolsContext& c) {
  NewListDraft& d = c.state.newList;
  d.fields.clear();
  d.position = 1;
  d.fieldNumberLabel = U"Feldnummer = 1";
  d.count = U"3";
  showDefaults(d, 1);
  c.state.view.focus = listfocus::kFieldCount;
}

void takeStructure(ListToolsContext& c) {
  ListToolsState& s = c.state;
  const char32_t sep = s.settings.separator;
  s.list.fileName = "newfile.csv";
  s.list.encoding = Encoding::Cp1252;
  Text header;
  for (const ListField& f : s.newList.fields) header += f.name + sep;
  s.list.headerEditor = header;
  s.mask.entry = true;
  analyseStructure(c);
  s.newList.panelShown = false;
  s.newList.mode = true;
  s.view.locked = true;
  startNewRecord(c);
}

}  // namespace

void newList(ListToolsContext& c) {
  if (!listCommandsFree(c.state)) return;
  clearList(c);
  c.state.newList.panelShown = true;
  c.state.view.focus = listfocus::kFieldCount;
}

void acceptField(ListToolsContext& c) {
  NewListDraft& d = c.state.newList;
  int count = 0;
  if (!takeField(c, count)) return;
  ++d.position;
  if (d.position <= count) {
    d.fieldNumberLabel = U"Feldnummer = " + intToText(d.position);
    showDefaults(d, d.position);
    c.state.view.focus = listfocus::kFieldName;
    return;
  }
  d.fields.resize(static_cast<std::size_t>(count));
  const ListField& last = d.fields.back();
  d.fieldNumberLabel = U"Feldnummer = " + intToText(count);
  d.name = last.name;
  d.length = intToText(last.length);
  d.type = Text(1, static_cast<char32_t>(last.type));

  ListWindowView& v = c.state.view;
  v.infoLines = newListStructureText(c.state);
  v.infoShown = true;
  const bool right = c.dialogs.confirm(U"Korrekte Datenfelder übernehmen ?");
  v.infoShown = false;
  if (right)
    takeStructure(c);
  else
    startOver(c);
}

void cancelNewList(ListToolsContext& c) {
  c.state.newList.panelShown = false;
  c.state.view.focus.clear();
}

void newListEnter(ListToolsContext& c, const std::string& edit) {
  std::string& focus = c.state.view.focus;
  if (edit == listfocus::kFieldCount) focus = listfocus::kFieldName;
  if (edit == listfocus::kFieldName) focus = listfocus::kFieldLength;
  if (edit == listfocus::kFieldLength) focus = listfocus::kFieldType;
  if (edit == listfocus::kFieldType) focus = listfocus::kAccept;
}

}  // namespace korvale
