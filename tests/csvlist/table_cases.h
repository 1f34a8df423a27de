// Tables in the states the table operations meet them: a loaded list, a displayed table.
#pragma once

#include <string>
#include <vector>

#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/layout.h"
#include "csvlist/list_state.h"

namespace korvale {

using Lines = std::vector<Text>;

// The state after loading: header, separator and field table from the first record.
inline ListState loadedState(const Text& header, const Text& firstRecord, int lineCount) {
  ListState state;
  state.loadedHeader = header;
  state.listSeparator = detectSeparator(firstRecord);
  state.detectedSeparator = state.listSeparator;
  state.table = buildFieldTable(header, &firstRecord, state.listSeparator, lineCount);
  return state;
}

// A displayed table: aligned, formatted header, end marker.
inline Lines displayedTable(ListState& state) {
  state.loadedHeader = U"Nr;Ort;Gewicht;";
  const Lines records = {
      U"1;Graz;99.5;", U"2;Berlin;100;", U"3;grünau;100.5;", U"4;Bonn;a;", U"5;Gr;250;",
  };
  state.table = buildFieldTable(state.loadedHeader, &records[0], ';', 6);
  Lines lines = {state.loadedHeader};
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back(U"#");
  formatDisplayLines(lines, state, true);
  return lines;
}

// The record numbers (field 1) of a selection result, header left out.
inline std::vector<int> numbersOf(const Lines& lines) {
  std::vector<int> numbers;
  for (std::size_t i = 1; i < lines.size(); ++i)
    numbers.push_back(std::stoi(toUtf8(trim(trimmedSplit(lines[i], ';')[0]))));
  return numbers;
}

}  // namespace korvale
