// The RTF reader's state, shared by its two halves: the parser of groups and control words
// (rtf_reader.cpp) and the output of characters, formats and lines (rtf_reader_output.cpp).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rtf/code_pages.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_words.h"
#include "ui/ports/rich_text.h"

namespace korvale::rtf_reading {

// Real documents nest a few dozen groups at most; deeper groups are skipped whole, so a file of
// opening braces costs no memory.
constexpr std::size_t kMaxGroupDepth = 256;
constexpr std::size_t kMaxFontNameLength = 255;
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxParameter = 1'000'000'000;
constexpr int kMaxFallbackLength = 64;
constexpr int kDefaultHalfPoints = 24;  // RTF's own default size, 12 points
constexpr char32_t kPageMark = U'\u00B6';
// What stands for bytes that mean no character in their code page, and for halves of surrogate
// pairs without their partner.
constexpr char32_t kReplacement = 0xFFFD;

enum class Destination : std::uint8_t { Text, FontTable, ColorTable, Skip };

struct GroupState {
  Destination destination = Destination::Text;
  int font = -1;  // -1: the document's default font
  int halfPoints = kDefaultHalfPoints;
  int color = 0;  // index into the colour table; 0 is the automatic colour
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool hidden = false;
  Alignment alignment = Alignment::Left;
  bool pageBreakBefore = false;
  int fallbackLength = 1;  // \ucN: characters after \uN that stand in for it
};

struct Font {
  Text name;
  int codePage = kDocumentCodePage;
};

class RtfReader {
 public:
  explicit RtfReader(std::string_view in) : in_(in) {}

  const LeftOutContent& leftOut() const { return leftOut_; }

  std::optional<RichText> read();

 private:
  bool skipping() const { return overflowDepth_ > 0 || state_.destination == Destination::Skip; }
  // Text that belongs to the document's body, hidden or not.
  bool writingBody() const {
    return overflowDepth_ == 0 && state_.destination == Destination::Text;
  }
  bool writingText() const {
    return overflowDepth_ == 0 && state_.destination == Destination::Text && !state_.hidden;
  }
  void formatChanged() { formatKnown_ = false; }

  void openGroup();
  bool closeGroup();  // false once the document's own group is closed
  void controlSequence();
  void controlSymbol(char c);
  void controlWord(std::string_view name, bool hasParameter, int parameter);
  void textWord(Word word, const WordInfo& info, bool hasParameter, int parameter);
  bool consumeFallback();

  void byteChar(unsigned char b);
  void unicodeChar(char32_t u);
  void put(char32_t c);
  void textChar(char32_t c);
  void appendChar(char32_t c);
  void ensureFormat();
  int codePage();

  void endParagraph();
  void pageMark();
  void alignLines(int first, int last, Alignment alignment);
  void commitFont();
  void commitColor();
  RichText finish();

  std::string_view in_;
  std::size_t pos_ = 0;
  GroupState state_;
  std::vector<GroupState> stack_;
  std::size_t overflowDepth_ = 0;
  int fallbackToSkip_ = 0;
  int leadByte_ = -1;           // the first byte of a double-byte character, until its second
  char32_t highSurrogate_ = 0;  // the first half of a \uN pair, until its second

  int documentCodePage_ = 1252;
  int defaultFont_ = -1;
  std::map<int, Font> fonts_;
  std::vector<std::uint32_t> colors_;

  int entryFont_ = 0;
  int entryCharsetCodePage_ = kDocumentCodePage;
  int entryCodePage_ = 0;
  Text entryName_;
  bool colorGiven_ = false;
  std::uint32_t entryColor_ = 0;

  RichText doc_;
  bool formatKnown_ = false;
  bool runCurrent_ = false;
  CharFormat format_;
  int codePage_ = 1252;
  int line_ = 0;
  std::size_t column_ = 0;
  int paragraphFirstLine_ = 0;
  Alignment lastAlignment_ = Alignment::Left;
  bool pageBreakDone_ = false;
  bool afterPageMark_ = false;
  bool afterCell_ = false;
  std::vector<int> markLines_;
  LeftOutContent leftOut_;
  bool starredInText_ = false;  // "\\*" just opened a destination inside the body
};

}  // namespace korvale::rtf_reading
