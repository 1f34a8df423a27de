// The List tools' tooltips: the left column's buttons say what the help text says of them.
#include "base/text_routines.h"
#include "listtools/help_text.h"
#include "listtools/list_tools_window.h"

namespace korvale {

namespace {

char32_t upper(char32_t c) {
  return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

}  // namespace

std::vector<std::pair<std::string, Text>> ListToolsWindow::tooltips() const {
  std::vector<std::pair<std::string, Text>> tips = {
      {"maskFirst", U"Zum ersten Datensatz"},
      {"maskPrevious", U"Zum vorigen Datensatz"},
      {"maskNext", U"Zum nächsten Datensatz"},
      {"maskLast", U"Zum letzten Datensatz"},
      {"maskPrint", U"Den Datensatz drucken"},
      {"maskNew", U"Neuen Datensatz anlegen"},
      {"maskWrite", U"Die Felder in die Liste schreiben"},
      {"maskExit", U"Die Maske schließen"},
      {"maskHelp", U"Das Strukturfenster zeigen oder verbergen"},
      {listfocus::kAccept, U"Das Feld übernehmen"},
      {"newListCancel", U"Die neue Liste verwerfen"},
      {listfocus::kSelectRun, U"Die Datensätze auswählen"},
      {"selectCancel", U"Die Auswahl schließen"},
  };
  // A help line is the caption, blanks and what the button does.
  const std::vector<Text>& help = listToolsHelp();
  for (const Control& control : leftColumn()) {
    for (const Text& line : help) {
      const Text caption = U" " + control.caption + U" ";
      if (!startsWith(line, caption)) continue;
      Text tip = trim(line.substr(caption.size()));
      if (tip.empty()) continue;
      tip[0] = upper(tip[0]);
      tips.emplace_back(control.name, tip);
      break;
    }
  }
  return tips;
}

}  // namespace korvale
