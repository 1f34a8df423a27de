#include "csvlist/grades_mode.h"

#include "base/numbers.h"
#include "csvlist/table_text.h"

namespace korvale {

int absentMarksToZero(std::vector<Text>& lines) {
  int count = 0;
  for (Text& line : lines) {
    std::size_t start = 0;
    while (true) {
      const std::size_t end = line.find(';', start);
      if (end == Text::npos) break;
      std::size_t b = start;
      std::size_t e = end;
      while (b < e && line[b] == ' ') ++b;
      while (e > b && line[e - 1] == ' ') --e;
      if (e == b + 1 && (line[b] == 'a' || line[b] == 'A')) {
        line[b] = '0';
        ++count;
      }
      start = end + 1;
    }
  }
  return count;
}

int zerosToAbsentMarks(std::vector<Text>& lines) {
  int count = 0;
  for (Text& line : lines) {
    // The closing ";" of one mark may open the next, so that neighbouring absent marks
    // (";0;0;") are all converted, as opening the list does.
    for (std::size_t i = 0; i + 2 < line.size(); ++i) {
      if (line[i] == ';' && line[i + 1] == '0' && line[i + 2] == ';') {
        line[i + 1] = 'a';
        ++count;
        ++i;
      }
    }
  }
  return count;
}

}  // namespace korvale
