#include "csvlist/padded_marks.h"

#include "base/text_routines.h"

namespace korvale {

int convertPaddedMarks(std::vector<Text>& lines, const Text& from, const Text& to) {
  const Text wanted = upperAscii(from);
  int count = 0;
  for (Text& line : lines) {
    std::size_t start = line.find(U';');
    if (start == Text::npos) continue;
    ++start;
    while (true) {
      const std::size_t end = line.find(U';', start);
      if (end == Text::npos) break;
      std::size_t b = start;
      std::size_t e = end;
      while (b < e && line[b] == U' ') ++b;
      while (e > b && line[e - 1] == U' ') --e;
      if (e - b == wanted.size() && upperAscii(line.substr(b, e - b)) == wanted) {
        line.replace(b, e - b, to);
        ++count;
        start = b + to.size() + (end - e) + 1;
      } else {
        start = end + 1;
      }
    }
  }
  return count;
}

}  // namespace korvale
