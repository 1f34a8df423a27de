// Arbitrary bytes as a list file, read as the Grades editor reads a list and then put through
// the table operations. Besides the sanitizers, checks what a teacher relies on: no operation
// loses or invents a line, a sort only reorders, and a selection only keeps lines it was given.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/encoding.h"
#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/layout.h"
#include "csvlist/list_state.h"
#include "csvlist/selection.h"
#include "csvlist/sorting.h"
#include "csvlist/table_text.h"

namespace {

using korvale::Text;

void require(bool condition) {
  if (!condition) std::abort();
}

// The list as opening it leaves it: separator detected, final separators added, field table.
korvale::ListState load(std::vector<Text>& lines) {
  korvale::ListState state;
  korvale::takeEndMarker(lines);
  while (lines.size() > 1 && korvale::trim(lines.back()).empty()) lines.pop_back();
  if (lines.empty()) lines.push_back(Text());
  state.loadedHeader = lines.front();
  state.listSeparator = lines.size() > 1 ? korvale::detectListSeparator(korvale::trim(lines[0]),
                                                                        korvale::trim(lines[1]))
                                         : korvale::detectSeparator(korvale::trim(lines[0]));
  state.detectedSeparator = state.listSeparator;
  if (state.loadedHeader.empty() || state.loadedHeader.back() != state.listSeparator)
    for (Text& line : lines) line += state.listSeparator;
  if (lines.size() > 1)
    state.table = korvale::buildFieldTable(state.loadedHeader, &lines[1], state.listSeparator,
                                           static_cast<int>(lines.size()));
  return state;
}

void sortOnlyReorders(const std::vector<Text>& lines, int column, char32_t separator,
                      bool headerOnTop) {
  std::vector<Text> sorted = korvale::sortLines(lines, column, separator, headerOnTop);
  require(sorted.size() == lines.size());
  if (headerOnTop && !lines.empty()) require(sorted.front() == lines.front());
  std::vector<Text> before = lines;
  std::sort(before.begin(), before.end());
  std::sort(sorted.begin(), sorted.end());
  require(before == sorted);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first two bytes choose a column and a selection; the rest is the file.
  const int column = 1 + data[0] % 8;
  const std::uint8_t choice = data[1];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 2), size - 2);
  std::vector<Text> lines =
      korvale::splitLines(korvale::decode(bytes, korvale::detectEncoding(bytes)));
  korvale::ListState state = load(lines);
  const std::size_t count = lines.size();

  std::vector<Text> shown = lines;
  korvale::formatDisplayLines(shown, state, true);
  require(shown.size() == count);
  korvale::compressLines(shown, state);
  require(shown.size() == count);
  korvale::expandLines(shown, state);
  require(shown.size() == count);
  korvale::insertQuotes(shown);
  korvale::removeQuotes(shown);
  korvale::addLastSeparator(shown);
  korvale::deleteLastSeparator(shown);
  require(shown.size() == count);
  korvale::adoptShownHeader(shown.front(), state);

  sortOnlyReorders(lines, column, state.listSeparator, (choice & 1) != 0);
  sortOnlyReorders(shown, column, state.detectedSeparator, (choice & 2) != 0);

  static const char32_t ops[] = {U'!', U'=', U'<', U'>', U'-', U'+'};
  const korvale::SelectionRequest request{
      korvale::intToText(column), Text(1, ops[choice % 6]),
      lines.size() > 1 ? korvale::trim(lines[1]).substr(0, 3) : Text()};
  const korvale::SelectionResult result =
      korvale::selectRecords(lines, state.listSeparator, request);
  if (result.outcome == korvale::SelectionOutcome::Selected) {
    require(!result.lines.empty() && result.lines.size() <= lines.size());
    for (std::size_t i = 1; i < result.lines.size(); ++i)
      require(std::find(lines.begin() + 1, lines.end(), result.lines[i]) != lines.end());
  }
  return 0;
}
