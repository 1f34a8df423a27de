#include "formula/preparation.h"

#include <algorithm>

namespace korvale {

namespace {

// Each rewriting step below is decided by at most two characters of its input, so a step
// applied to a cut-off prefix is exact except for its last character. Working on a few
// characters more than the buffer keeps the part that survives the final cut exact.
constexpr int kWorkCapacity = FormulaBuffer::kCapacity + 9;

struct WorkText {
  char chars[kWorkCapacity];
  int length = 0;

  void append(char c) {
    if (length < kWorkCapacity) chars[length++] = c;
  }
  void append(std::string_view text) {
    for (char c : text) append(c);
  }
  bool full() const { return length == kWorkCapacity; }
};

void removeBlanksAndUpperCase(std::string_view formula, WorkText& out) {
  for (char c : formula) {
    if (out.full()) return;
    if (c == ' ') continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    out.append(c);
  }
}

void replaceAll(const WorkText& in, char first, char second, std::string_view replacement,
                WorkText& out) {
  out.length = 0;
  int i = 0;
  while (i < in.length && !out.full()) {
    if (in.chars[i] == first && i + 1 < in.length && in.chars[i + 1] == second) {
      out.append(replacement);
      i += 2;
    } else {
      out.append(in.chars[i++]);
    }
  }
}

}  // namespace

void prepareFormula(std::string_view formula, FormulaBuffer& buffer) {
  WorkText a;
  WorkText b;
  removeBlanksAndUpperCase(formula, a);
  replaceAll(a, 'P', 'I', "3.14159265358979", b);
  replaceAll(b, '(', '-', "((0-1)*", a);
  replaceAll(a, '(', '+', "((0+1)*", b);

  std::string_view text(b.chars, static_cast<std::size_t>(b.length));
  std::string_view lead;
  if (!text.empty() && text.front() == '-') {
    lead = "(-1)*";
    text.remove_prefix(1);
  } else if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }

  buffer.length = 0;
  for (std::string_view part : {lead, text}) {
    const int n =
        std::min<int>(static_cast<int>(part.size()), FormulaBuffer::kCapacity - buffer.length);
    std::copy_n(part.data(), n, buffer.chars.data() + buffer.length);
    buffer.length += n;
  }
}

}  // namespace korvale
