// Small text operations every table operation rests on. Positions count from 1; 0 means "none".
#pragma once

#include <cstddef>
#include <vector>

#include "base/text.h"

namespace korvale {

constexpr char kTab = '\t';

// A character that trimming removes: codes 0 to 32.
inline bool isTrimmable(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

Text trim(const Text& text);
Text trimLeft(const Text& text);
Text trimRight(const Text& text);

Text padRight(const Text& text, int width);
Text padLeft(const Text& text, int width);
Text removeBlanks(const Text& text);
Text repeatChar(int count, char c);

// ASCII upper case; other bytes (umlauts among them) stay as they are.
Text upperAscii(const Text& text);
Text lowerAscii(const Text& text);

enum class CaseMode { Exact, IgnoreAscii };

int countOccurrences(const Text& text, const Text& pattern, CaseMode mode);

struct ReplaceResult {
  Text text;
  int count = 0;
};
// Every non-overlapping match, found left to right in the original text, is replaced;
// a replacement never creates a new match.
ReplaceResult replaceAll(const Text& text, const Text& pattern, const Text& replacement,
                         CaseMode mode);

int nthSeparatorPosition(const Text& line, char separator, int k);
int lastPosition(const Text& text, char c);

// ";" when present anywhere, else "," when present, else TAB.
char detectSeparator(const Text& text);

// Fields before each separator are trimmed; a non-empty remainder after the last separator is
// kept as it is. An empty line gives no fields.
std::vector<Text> trimmedSplit(const Text& line, char separator);
std::vector<Text> plainSplit(const Text& line, char separator);

// Lines of a text broken at CR LF, LF or CR. A final line break does not start another line.
std::vector<Text> splitLines(const Text& text);
Text joinLines(const std::vector<Text>& lines, const Text& lineBreak);

bool startsWith(const Text& text, const Text& prefix);
bool endsWith(const Text& text, const Text& suffix);

}  // namespace korvale
