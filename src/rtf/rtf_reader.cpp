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
#include "rtf/rtf_reader_state.h"
#include "rtf/rtf_words.h"

namespace korvale {

namespace rtf_reading {

namespace {

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

}  // namespace

std::optional<RichText> RtfReader::read() {
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

void RtfReader::openGroup() {
  fallbackToSkip_ = 0;
  leadByte_ = -1;
  if (overflowDepth_ > 0 || stack_.size() >= kMaxGroupDepth) {
    ++overflowDepth_;
    return;
  }
  stack_.push_back(state_);
}

bool RtfReader::closeGroup() {
  fallbackToSkip_ = 0;
  starredInText_ = false;
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

bool RtfReader::consumeFallback() {
  if (fallbackToSkip_ == 0) return false;
  --fallbackToSkip_;
  return true;
}

void RtfReader::controlSequence() {
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

void RtfReader::controlSymbol(char c) {
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
      starredInText_ = writingBody();
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

void RtfReader::controlWord(std::string_view name, bool hasParameter, int parameter) {
  if (name == "bin") {
    // Binary data is skipped by count: its bytes may hold braces and backslashes.
    if (hasParameter && parameter > 0)
      pos_ += std::min(static_cast<std::size_t>(parameter), in_.size() - pos_);
    consumeFallback();
    return;
  }
  if (consumeFallback()) return;
  // Only what stands in the body counts: a picture inside the list table is a bullet's.
  const bool inBody = writingBody() || starredInText_;
  starredInText_ = false;
  if (inBody) leftOut_.kinds |= leftOutKindOf(name);
  if (skipping()) return;
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

void RtfReader::textWord(Word word, const WordInfo& info, bool hasParameter, int parameter) {
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
      if (writingText()) leftOut_.kinds |= LeftOutContent::Tables;
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

}  // namespace rtf_reading

std::optional<RichText> readRtf(std::string_view bytes, LeftOutContent* leftOut) {
  rtf_reading::RtfReader reader(bytes);
  auto doc = reader.read();
  if (doc && leftOut != nullptr) *leftOut = reader.leftOut();
  return doc;
}

Text LeftOutContent::names() const {
  static constexpr std::pair<unsigned, std::u32string_view> kNames[] = {
      {Pictures, U"Bilder"},
      {Tables, U"Tabellen"},
      {Footnotes, U"Fußnoten"},
      {HeadersAndFooters, U"Kopf- und Fußzeilen"},
      {Comments, U"Kommentare"},
      {Fields, U"Feldbefehle"},
      {HiddenText, U"verborgenen Text"},
  };
  std::vector<std::u32string_view> present;
  for (const auto& [kind, name] : kNames)
    if ((kinds & kind) != 0) present.push_back(name);
  Text out;
  for (std::size_t i = 0; i < present.size(); ++i) {
    if (i > 0) out += i + 1 == present.size() ? U" und " : U", ";
    out += present[i];
  }
  return out;
}

}  // namespace korvale
