#include "csvlist/sorting.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/table_text.h"

namespace korvale {

namespace {

// Hoare's quicksort with the middle element as pivot. Equal numbers end up in the order its
// exchanges leave them, which users of the lists have come to expect, so no other sort is used.
// The smaller part is sorted first by recursion and the larger one in the loop, which keeps the
// stack shallow; the parts are disjoint, so this does not change the result.
template <class Item, class Less>
void quicksort(std::vector<Item>& items, std::ptrdiff_t lo, std::ptrdiff_t hi, Less less) {
  while (lo < hi) {
    const Item pivot = items[static_cast<std::size_t>((lo + hi) / 2)];
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    auto at = [&](std::ptrdiff_t p) -> Item& { return items[static_cast<std::size_t>(p)]; };
    do {
      while (less(pivot, at(j))) --j;
      while (less(at(i), pivot)) ++i;
      if (i <= j) {
        std::swap(at(i), at(j));
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - lo < hi - i) {
      if (lo < j) quicksort(items, lo, j, less);
      lo = i;
    } else {
      if (i < hi) quicksort(items, i, hi, less);
      hi = j;
    }
  }
}

// Field `column` of the trimmed split, without splitting the whole line.
Text fieldOf(const Text& line, int column, char32_t separator) {
  std::size_t start = 0;
  for (int field = 1;; ++field) {
    const std::size_t p = line.find(separator, start);
    if (p == Text::npos) {
      if (field == column && start < line.size()) return line.substr(start);
      return Text();
    }
    if (field == column) return trim(line.substr(start, p - start));
    start = p + 1;
  }
}

struct TextItem {
  Text key;
  std::size_t line = 0;
};

struct NumberItem {
  double value = 0;  // +infinity for a value that is no number, so it sorts after all numbers
  bool missing = false;
  std::size_t line = 0;
};

}  // namespace

Text sortKey(const Text& line, int column, char32_t separator, std::size_t index) {
  return fieldOf(line, column, separator) + separator + intToText(static_cast<long long>(index));
}

std::vector<Text> sortLines(const std::vector<Text>& lines, int column, char32_t separator,
                            bool headerOnTop) {
  const std::size_t first = headerOnTop && !lines.empty() ? 1 : 0;
  const std::size_t count = lines.size() - first;
  if (count < 2) return lines;

  std::vector<std::size_t> order;
  order.reserve(count);
  const std::optional<double> probe =
      readNumber(trim(fieldOf(lines[first + 1], column, separator)));
  if (probe) {
    std::vector<NumberItem> items;
    items.reserve(count);
    for (std::size_t i = first; i < lines.size(); ++i) {
      const std::optional<double> v = readNumber(trim(fieldOf(lines[i], column, separator)));
      items.push_back({v.value_or(std::numeric_limits<double>::infinity()), !v, i});
    }
    quicksort(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1,
              [](const NumberItem& a, const NumberItem& b) {
                if (a.missing || b.missing) return !a.missing && b.missing;
                return a.value < b.value;
              });
    for (const NumberItem& item : items) order.push_back(item.line);
  } else {
    std::vector<TextItem> items;
    items.reserve(count);
    for (std::size_t i = first; i < lines.size(); ++i)
      items.push_back({sortKey(lines[i], column, separator, i), i});
    quicksort(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1,
              [](const TextItem& a, const TextItem& b) { return a.key < b.key; });
    for (const TextItem& item : items) order.push_back(item.line);
  }

  std::vector<Text> sorted;
  sorted.reserve(lines.size());
  if (first == 1) sorted.push_back(lines.front());
  for (const std::size_t i : order) sorted.push_back(lines[i]);
  return sorted;
}

}  // namespace korvale
