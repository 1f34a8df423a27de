#include "rtf/rtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/encoding.h"
#include "base/text_routines.h"
#include "rtf/code_pages.h"
#include "rtf/rtf_words.h"

namespace korvale {

namespace {

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

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}

  std::optional<RichText> read();

 private:
  bool skipping() const { return overflowDepth_ > 0 || state_.destination == Destination::Skip; }
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
};

std::optional<RichText> Reader::read() {
  if (in_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  while (pos_ < in_.size() && isTrimmable(in_[pos_])) ++pos_;
  if (in_.substr(pos_, 5) != "{\\rtf") return std::nullopt;
  while (pos_ < in_.size()) {
    const char c = in_[pos_++];
    switch (c) {
      case '{':
        openGroup();
        break;
      case '}':
        if (!closeGroup()) return finish();
        break;
      case '\\':
        controlSequence();
        break;
      case '\r':
      case '\n':
        break;
      default:
        if (consumeFallback() || skipping()) break;
        byteChar(static_cast<unsigned char>(c));
    }
  }
  return finish();
}

void Reader::openGroup() {
  fallbackToSkip_ = 0;
  leadByte_ = -1;
  if (overflowDepth_ > 0 || stack_.size() >= kMaxGroupDepth) {
    ++overflowDepth_;
    return;
  }
  stack_.push_back(state_);
}

bool Reader::closeGroup() {
  fallbackToSkip_ = 0;
  leadByte_ = -1;
  if (overflowDepth_ > 0) {
    --overflowDepth_;
    return true;
  }
  if (stack_.empty()) return false;
  if (state_.destination == Destination::FontTable && !entryName_.empty()) commitFont();
  state_ = stack_.back();
  stack_.pop_back();
  formatChanged();
  return !stack_.empty();
}

bool Reader::consumeFallback() {
  if (fallbackToSkip_ == 0) return false;
  --fallbackToSkip_;
  return true;
}

void Reader::controlSequence() {
  if (pos_ >= in_.size()) return;
  if (!isLetter(in_[pos_])) {
    controlSymbol(in_[pos_++]);
    return;
  }
  const std::size_t start = pos_;
  while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
  const std::size_t length = pos_ - start;
  bool negative = false;
  if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
    negative = true;
    ++pos_;
  }
  bool hasParameter = false;
  int parameter = 0;
  while (pos_ < in_.size() && isDigit(in_[pos_])) {
    hasParameter = true;
    if (parameter < kMaxParameter / 10) parameter = parameter * 10 + (in_[pos_] - '0');
    ++pos_;
  }
  if (negative) parameter = -parameter;
  if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
  // An overlong word is no word this reader knows; it still counts as one fallback character.
  controlWord(length <= kMaxWordLength ? in_.substr(start, length) : std::string_view("?"),
              hasParameter, parameter);
}

void Reader::controlSymbol(char c) {
  if (c == '\'') {
    int value = -1;
    if (pos_ + 1 < in_.size()) {
      const int high = hexValue(in_[pos_]);
      const int low = hexValue(in_[pos_ + 1]);
      if (high >= 0 && low >= 0) {
        value = high * 16 + low;
        pos_ += 2;
      }
    }
    if (consumeFallback() || skipping() || value < 0) return;
    byteChar(static_cast<unsigned char>(value));
    return;
  }
  if (consumeFallback() || skipping()) return;
  switch (c) {
    case '\\':
    case '{':
    case '}':
      put(c);
      break;
    case '~':
      unicodeChar(0xA0);
      break;
    case '_':
      put('-');
      break;
    case '*':
      state_.destination = Destination::Skip;
      break;
    case '\r':
    case '\n':
      endParagraph();
      break;
    case '\t':
      put('\t');
      break;
    default:  // \- optional hyphen, \| and \: formula and index marks
      break;
  }
}

void Reader::controlWord(std::string_view name, bool hasParameter, int parameter) {
  if (name == "bin") {
    // Binary data is skipped by count: its bytes may hold braces and backslashes.
    if (hasParameter && parameter > 0)
      pos_ += std::min(static_cast<std::size_t>(parameter), in_.size() - pos_);
    consumeFallback();
    return;
  }
  if (consumeFallback() || skipping()) return;
  const auto& table = words();
  const auto found = table.find(name);
  if (found == table.end()) return;
  const WordInfo& info = found->second;
  if (info.word == Word::SkipDestination) {
    state_.destination = Destination::Skip;
    return;
  }
  if (info.word == Word::Unicode) {
    if (!hasParameter) return;
    // \uN counts 16-bit units, negative ones from 65536.
    const int unit = parameter < 0 ? parameter + 65536 : parameter;
    unicodeChar(unit >= 0 && unit <= 0xFFFF ? static_cast<char32_t>(unit) : kReplacement);
    fallbackToSkip_ = state_.fallbackLength;
    return;
  }
  if (info.word == Word::FallbackLength) {
    state_.fallbackLength = std::clamp(parameter, 0, kMaxFallbackLength);
    return;
  }

  switch (state_.destination) {
    case Destination::FontTable:
      if (info.word == Word::Font) {
        if (!entryName_.empty()) commitFont();
        entryFont_ = parameter;
        entryCharsetCodePage_ = kDocumentCodePage;
        entryCodePage_ = 0;
      } else if (info.word == Word::FontCharset) {
        entryCharsetCodePage_ = codePageOfCharset(parameter);
      } else if (info.word == Word::FontCodePage) {
        entryCodePage_ = parameter;
      }
      return;
    case Destination::ColorTable:
      if (info.word == Word::Red || info.word == Word::Green || info.word == Word::Blue) {
        const int shift = info.word == Word::Red ? 16 : info.word == Word::Green ? 8 : 0;
        const auto value = static_cast<std::uint32_t>(std::clamp(parameter, 0, 255));
        entryColor_ = (entryColor_ & ~(0xFFu << shift)) | (value << shift);
        colorGiven_ = true;
      }
      return;
    case Destination::Text:
      textWord(info.word, info, hasParameter, parameter);
      return;
    case Destination::Skip:
      return;
  }
}

void Reader::textWord(Word word, const WordInfo& info, bool hasParameter, int parameter) {
  const bool on = !hasParameter || parameter != 0;
  switch (word) {
    case Word::Ansi:
      documentCodePage_ = 1252;
      formatChanged();
      break;
    case Word::Mac:
      documentCodePage_ = 10000;
      formatChanged();
      break;
    case Word::Pc:
      documentCodePage_ = 437;
      formatChanged();
      break;
    case Word::Pca:
      documentCodePage_ = 850;
      formatChanged();
      break;
    case Word::AnsiCodePage:
      if (parameter > 0) documentCodePage_ = parameter;
      formatChanged();
      break;
    case Word::DefaultFont:
      defaultFont_ = parameter;
      formatChanged();
      break;
    case Word::FontTable:
      state_.destination = Destination::FontTable;
      entryName_.clear();
      break;
    case Word::ColorTable:
      state_.destination = Destination::ColorTable;
      colors_.clear();
      colorGiven_ = false;
      entryColor_ = 0;
      break;
    case Word::Font:
      state_.font = parameter;
      formatChanged();
      break;
    case Word::FontSize:
      if (hasParameter && parameter > 0) state_.halfPoints = parameter;
      formatChanged();
      break;
    case Word::Bold:
      state_.bold = on;
      formatChanged();
      break;
    case Word::Italic:
      state_.italic = on;
      formatChanged();
      break;
    case Word::Underline:
      state_.underline = on;
      formatChanged();
      break;
    case Word::UnderlineNone:
      state_.underline = false;
      formatChanged();
      break;
    case Word::Color:
      state_.color = std::max(parameter, 0);
      formatChanged();
      break;
    case Word::Hidden:
      state_.hidden = on;
      break;
    case Word::Plain:
      state_.font = -1;
      state_.halfPoints = kDefaultHalfPoints;
      state_.color = 0;
      state_.bold = state_.italic = state_.underline = state_.hidden = false;
      formatChanged();
      break;
    case Word::Pard:
      state_.alignment = Alignment::Left;
      state_.pageBreakBefore = false;
      break;
    case Word::AlignLeft:
      state_.alignment = Alignment::Left;
      break;
    case Word::AlignCenter:
      state_.alignment = Alignment::Center;
      break;
    case Word::AlignRight:
      state_.alignment = Alignment::Right;
      break;
    case Word::AlignJustify:
      state_.alignment = Alignment::Justify;
      break;
    case Word::PageBreakBefore:
      state_.pageBreakBefore = on;
      break;
    case Word::Par:
      endParagraph();
      break;
    case Word::Line:
      put('\n');
      break;
    case Word::Tab:
      put('\t');
      break;
    case Word::Page:
      if (writingText()) pageMark();
      break;
    case Word::Cell:
      put('\t');
      afterCell_ = writingText();
      break;
    case Word::Row:
      // The row's last cell ends the line instead of leaving a tab at its end.
      if (afterCell_ && writingText() && !doc_.text.empty() && doc_.text.back() == '\t') {
        doc_.text.pop_back();
        --doc_.runs.back().length;
        --column_;
      }
      endParagraph();
      break;
    case Word::Character:
      unicodeChar(info.character);
      break;
    case Word::Blank:
      put(' ');
      break;
    default:
      break;
  }
}

int Reader::codePage() {
  if (state_.destination == Destination::FontTable) {
    if (entryCodePage_ > 0) return entryCodePage_;
    return entryCharsetCodePage_ == kDocumentCodePage ? documentCodePage_ : entryCharsetCodePage_;
  }
  ensureFormat();
  return codePage_;
}

void Reader::ensureFormat() {
  if (formatKnown_) return;
  auto font = fonts_.find(state_.font);
  if (font == fonts_.end()) font = fonts_.find(defaultFont_);
  format_ = CharFormat();
  codePage_ = documentCodePage_;
  if (font != fonts_.end()) {
    format_.font = font->second.name;
    if (font->second.codePage != kDocumentCodePage) codePage_ = font->second.codePage;
  }
  format_.size = (std::clamp(state_.halfPoints, 2, 3276) + 1) / 2;
  format_.bold = state_.bold;
  format_.italic = state_.italic;
  format_.underline = state_.underline;
  const auto color = static_cast<std::size_t>(state_.color);
  format_.color = color > 0 && color < colors_.size() ? colors_[color] : 0;
  formatKnown_ = true;
  runCurrent_ = false;
}

void Reader::byteChar(unsigned char b) {
  if (leadByte_ >= 0) {
    const char pair[2] = {static_cast<char>(leadByte_), static_cast<char>(b)};
    leadByte_ = -1;
    unicodeChar(decodeMultiByte(codePage(), std::string_view(pair, 2)).value_or(kReplacement));
    return;
  }
  if (b < 0x80) {
    if (b >= 0x20 || b == '\t') put(b);
    return;
  }
  const int page = codePage();
  // A symbol font's bytes are kept as the characters of code page 1252.
  if (page == 1252 || page == kRawBytes) {
    put(cp1252ToUnicode(b));
  } else if (isDoubleByte(page)) {
    const char single = static_cast<char>(b);
    if (isLeadByte(page, b))
      leadByte_ = b;
    else
      unicodeChar(decodeMultiByte(page, std::string_view(&single, 1)).value_or(kReplacement));
  } else if (const std::u32string* upper = upperHalfOfCodePage(page)) {
    unicodeChar((*upper)[b - 0x80]);
  } else {
    unicodeChar(kReplacement);
  }
}

void Reader::unicodeChar(char32_t u) {
  if (u >= 0xD800 && u <= 0xDBFF) {
    if (highSurrogate_ != 0) put(kReplacement);
    highSurrogate_ = u;
    return;
  }
  if (u >= 0xDC00 && u <= 0xDFFF) {
    const char32_t high = highSurrogate_;
    highSurrogate_ = 0;
    put(high == 0 ? kReplacement : 0x10000 + ((high - 0xD800) << 10) + (u - 0xDC00));
    return;
  }
  if (u < 0x20) {
    if (u == '\t') put('\t');
    return;
  }
  put(u);
}

void Reader::put(char32_t c) {
  // A first half of a pair that something else follows stands alone.
  if (highSurrogate_ != 0) {
    highSurrogate_ = 0;
    put(kReplacement);
  }
  if (overflowDepth_ > 0) return;
  switch (state_.destination) {
    case Destination::Text:
      textChar(c);
      break;
    case Destination::FontTable:
      if (c == ';')
        commitFont();
      else if (entryName_.size() < kMaxFontNameLength && c != '\t')
        entryName_.push_back(c);
      break;
    case Destination::ColorTable:
      if (c == ';') commitColor();
      break;
    case Destination::Skip:
      break;
  }
}

void Reader::textChar(char32_t c) {
  if (state_.hidden) return;
  if (state_.pageBreakBefore && !pageBreakDone_) pageMark();
  afterPageMark_ = false;
  afterCell_ = false;
  appendChar(c);
}

void Reader::appendChar(char32_t c) {
  ensureFormat();
  if (!runCurrent_) {
    if (doc_.runs.empty() || doc_.runs.back().format != format_) doc_.runs.push_back({0, format_});
    runCurrent_ = true;
  }
  doc_.text.push_back(c);
  ++doc_.runs.back().length;
  lastAlignment_ = state_.alignment;
  if (c == '\n') {
    ++line_;
    column_ = 0;
  } else {
    ++column_;
  }
}

void Reader::pageMark() {
  if (column_ > 0) appendChar('\n');
  appendChar(kPageMark);
  markLines_.push_back(line_);
  appendChar('\n');
  afterPageMark_ = true;
  pageBreakDone_ = true;
}

void Reader::endParagraph() {
  if (!writingText()) return;
  if (state_.pageBreakBefore && !pageBreakDone_) pageMark();
  // A paragraph that holds only a page break ends with the mark's own line.
  alignLines(paragraphFirstLine_, afterPageMark_ ? line_ - 1 : line_, state_.alignment);
  if (!afterPageMark_) appendChar('\n');
  afterPageMark_ = false;
  afterCell_ = false;
  pageBreakDone_ = false;
  paragraphFirstLine_ = line_;
}

void Reader::alignLines(int first, int last, Alignment alignment) {
  if (alignment == Alignment::Left) return;
  for (int line = first; line <= last; ++line)
    if (!std::binary_search(markLines_.begin(), markLines_.end(), line))
      doc_.setAlignment(line, alignment);
}

void Reader::commitFont() {
  const int page = entryCodePage_ > 0 ? entryCodePage_ : entryCharsetCodePage_;
  fonts_[entryFont_] = {trim(entryName_), page};
  entryName_.clear();
  formatChanged();
}

void Reader::commitColor() {
  colors_.push_back(colorGiven_ ? entryColor_ : 0);
  colorGiven_ = false;
  entryColor_ = 0;
}

RichText Reader::finish() {
  if (column_ > 0) alignLines(paragraphFirstLine_, line_, lastAlignment_);
  // Word processors end every paragraph, the last one too; that end is no further line.
  if (!doc_.text.empty() && doc_.text.back() == '\n') {
    doc_.text.pop_back();
    --doc_.runs.back().length;
  }
  doc_.normalize();
  return std::move(doc_);
}

}  // namespace

std::optional<RichText> readRtf(std::string_view bytes) {
  return Reader(bytes).read();
}

}  // namespace korvale
