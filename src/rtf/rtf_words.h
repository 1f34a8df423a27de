// The control words the RTF reader acts on, each with what it means to the reader.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace korvale {

enum class Word : std::uint8_t {
  SkipDestination,
  Ansi,
  Mac,
  Pc,
  Pca,
  AnsiCodePage,
  DefaultFont,
  FontTable,
  ColorTable,
  FontCharset,
  FontCodePage,
  Red,
  Green,
  Blue,
  Font,
  FontSize,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Color,
  Hidden,
  Plain,
  Pard,
  AlignLeft,
  AlignCenter,
  AlignRight,
  AlignJustify,
  PageBreakBefore,
  Par,
  Line,
  Tab,
  Page,
  Cell,
  Row,
  FallbackLength,
  Unicode,
  Character,
  Blank,
};

struct WordInfo {
  Word word;
  char32_t character = 0;  // for Word::Character
};

// Every known control word by its name; words not in the table are ignored by the reader.
const std::unordered_map<std::string_view, WordInfo>& words();

// The kind of content (a LeftOutContent::Kind) that a group opened by this destination word
// holds and the reader leaves out; 0 for everything else.
unsigned leftOutKindOf(std::string_view destination);

}  // namespace korvale
