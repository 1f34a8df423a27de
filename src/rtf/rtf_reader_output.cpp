// The RTF reader's output: characters in their code pages, formats, paragraphs and page marks.
#include <algorithm>

#include "base/encoding.h"
#include "base/text_routines.h"
#include "rtf/code_pages.h"
#include "rtf/rtf_reader_state.h"

namespace korvale::rtf_reading {

int RtfReader::codePage() {
  if (state_.destination == Destination::FontTable) {
    if (entryCodePage_ > 0) return entryCodePage_;
    return entryCharsetCodePage_ == kDocumentCodePage ? documentCodePage_ : entryCharsetCodePage_;
  }
  ensureFormat();
  return codePage_;
}

void RtfReader::ensureFormat() {
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

void RtfReader::byteChar(unsigned char b) {
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

void RtfReader::unicodeChar(char32_t u) {
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

void RtfReader::put(char32_t c) {
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

void RtfReader::textChar(char32_t c) {
  if (state_.hidden) {
    leftOut_.kinds |= LeftOutContent::HiddenText;
    return;
  }
  if (state_.pageBreakBefore && !pageBreakDone_) pageMark();
  afterPageMark_ = false;
  afterCell_ = false;
  appendChar(c);
}

void RtfReader::appendChar(char32_t c) {
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

void RtfReader::pageMark() {
  if (column_ > 0) appendChar('\n');
  appendChar(kPageMark);
  markLines_.push_back(line_);
  appendChar('\n');
  afterPageMark_ = true;
  pageBreakDone_ = true;
}

void RtfReader::endParagraph() {
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

void RtfReader::alignLines(int first, int last, Alignment alignment) {
  if (alignment == Alignment::Left) return;
  for (int line = first; line <= last; ++line)
    if (!std::binary_search(markLines_.begin(), markLines_.end(), line))
      doc_.setAlignment(line, alignment);
}

void RtfReader::commitFont() {
  const int page = entryCodePage_ > 0 ? entryCodePage_ : entryCharsetCodePage_;
  fonts_[entryFont_] = {trim(entryName_), page};
  entryName_.clear();
  formatChanged();
}

void RtfReader::commitColor() {
  colors_.push_back(colorGiven_ ? entryColor_ : 0);
  colorGiven_ = false;
  entryColor_ = 0;
}

RichText RtfReader::finish() {
  if (column_ > 0) alignLines(paragraphFirstLine_, line_, lastAlignment_);
  // Word processors end every paragraph, the last one too; that end is no further line.
  if (!doc_.text.empty() && doc_.text.back() == '\n') {
    doc_.text.pop_back();
    --doc_.runs.back().length;
  }
  doc_.normalize();
  return std::move(doc_);
}

}  // namespace korvale::rtf_reading
