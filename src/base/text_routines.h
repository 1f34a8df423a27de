// Small text operations every table operation rests on. Positions count from 1; 0 means "none".
#pragma once

#include <cstddef>
#include <vector>

#include "base/text.h"

namespace korvale {

constexpr char32_t kTab = U'\t';

// A character that trimming removes: codes 0 to 32.
inline bool isTrimmable(char32_t c) {
  return c <= 32;
}

Text trim(const Text& text);
Text trimLeft(const Text& text);
Text trimRight(const Text& text);

Text padRight(const Text& text, int width);
Text padLeft(const Text& text, int width);
Text removeBlanks(const Text& text);
Text repeatChar(int count, char32_t c);

// ASCII upper case; other characters (umlauts among them) stay as they are. For the program's
// own key words ("TAB", the absent mark "A"), where no other letter may pass for an ASCII one.
Text upperAscii(const Text& text);
Text lowerAscii(const Text& text);

// Upper and lower case of every letter as Unicode maps it character by character: "ş" and "Ş",
// "ł" and "Ł"; "ı" becomes "I" and "İ" becomes "i". "ß" stays "ß", so a text keeps its length.
Text toUpper(const Text& text);
Text toLower(const Text& text);
// The form in which two texts that differ only in case are equal (Unicode simple case folding).
Text foldCase(const Text& text);

// IgnoreAscii folds the ASCII letters only; IgnoreCase folds every letter.
enum class CaseMode { Exact, IgnoreAscii, IgnoreCase };

int countOccurrences(const Text& text, const Text& pattern, CaseMode mode);

struct ReplaceResult {
  Text text;
  int count = 0;
};
// Every non-overlapping match, found left to right in the original text, is replaced;
// a replacement never creates a new match.
ReplaceResult replaceAll(const Text& text, const Text& pattern, const Text& replacement,
                         CaseMode mode);

int nthSeparatorPosition(const Text& line, char32_t separator, int k);
int lastPosition(const Text& text, char32_t c);

// ";" when present anywhere, else "," when present, else TAB.
char32_t detectSeparator(const Text& text);

// Fields before each separator are trimmed; a non-empty remainder after the last separator is
// kept as it is. An empty line gives no fields.
std::vector<Text> trimmedSplit(const Text& line, char32_t separator);
std::vector<Text> plainSplit(const Text& line, char32_t separator);

// Lines of a text broken at CR LF, LF or CR. A final line break does not start another line.
std::vector<Text> splitLines(const Text& text);
Text joinLines(const std::vector<Text>& lines, const Text& lineBreak);

bool startsWith(const Text& text, const Text& prefix);
bool endsWith(const Text& text, const Text& suffix);

}  // namespace korvale
