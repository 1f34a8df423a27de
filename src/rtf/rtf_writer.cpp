#include "rtf/rtf_writer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/encoding.h"
#include "base/text_routines.h"

namespace korvale {

namespace {

// Raw line breaks are ignored by RTF readers; they only keep the file readable.
constexpr std::size_t kLineWidth = 200;

Text fontTableName(const Text& name) {
  Text clean;
  for (const char32_t c : name)
    if (c != ';' && c >= 0x20) clean.push_back(c);
  return trim(clean);
}

void appendNumber(std::string& out, long long value) {
  out += std::to_string(value);
}

// \uN counts signed 16-bit units; the character after it is what readers without Unicode show.
void appendUnicodeUnit(std::string& out, char32_t unit, char32_t fallback) {
  out += "\\u";
  appendNumber(out, unit > 0x7FFF ? static_cast<long long>(unit) - 0x10000 : unit);
  out.push_back(static_cast<char>(fallback));
}

void appendEscaped(std::string& out, char32_t c) {
  static constexpr char kHex[] = "0123456789abcdef";
  if (c == '\\' || c == '{' || c == '}') {
    out.push_back('\\');
    out.push_back(static_cast<char>(c));
  } else if (c < 0x20) {
    return;
  } else if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (const int b = unicodeToCp1252(c); b >= 0) {
    out += "\\'";
    out.push_back(kHex[b >> 4]);
    out.push_back(kHex[b & 0x0F]);
  } else {
    // The fallback is ASCII, so it is one byte as \uc1 says.
    const char32_t fallback = asciiFallback(c);
    if (c > 0xFFFF && c <= 0x10FFFF) {
      appendUnicodeUnit(out, 0xD800 + ((c - 0x10000) >> 10), fallback);
      appendUnicodeUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), fallback);
    } else {
      appendUnicodeUnit(out, c <= 0xFFFF ? c : 0xFFFD, fallback);
    }
  }
}

const char* alignmentWord(Alignment alignment) {
  switch (alignment) {
    case Alignment::Center:
      return "\\qc";
    case Alignment::Right:
      return "\\qr";
    case Alignment::Justify:
      return "\\qj";
    case Alignment::Left:
      break;
  }
  return "\\ql";
}

template <typename T>
std::size_t indexOf(std::vector<T>& list, const T& value) {
  const auto found = std::find(list.begin(), list.end(), value);
  if (found != list.end()) return static_cast<std::size_t>(found - list.begin());
  list.push_back(value);
  return list.size() - 1;
}

}  // namespace

std::string writeRtf(const RichText& source) {
  RichText doc = source;
  doc.normalize();

  std::vector<Text> fonts;
  std::vector<std::uint32_t> colors;
  if (doc.runs.empty()) fonts.push_back(fontTableName(CharFormat().font));
  for (const auto& run : doc.runs) {
    indexOf(fonts, fontTableName(run.format.font));
    if (run.format.color != 0) indexOf(colors, run.format.color & 0xFFFFFFu);
  }

  std::string out;
  out.reserve(doc.text.size() + doc.text.size() / 8 + 512);
  out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031\r\n{\\fonttbl";
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    out += "{\\f";
    appendNumber(out, static_cast<long long>(i));
    out += "\\fnil\\fcharset0 ";
    for (const char32_t c : fonts[i]) appendEscaped(out, c);
    out += ";}";
  }
  out += "}\r\n{\\colortbl;";
  for (const auto color : colors) {
    out += "\\red";
    appendNumber(out, color >> 16);
    out += "\\green";
    appendNumber(out, (color >> 8) & 0xFF);
    out += "\\blue";
    appendNumber(out, color & 0xFF);
    out += ';';
  }
  out += "}\r\n{\\*\\generator KORVALE;}\\viewkind4\\uc1\\pard\\plain\r\n";

  std::size_t lineStartInOut = out.size();
  int line = 0;
  bool atLineStart = true;
  Alignment paragraphAlignment = Alignment::Left;
  // Paragraph properties stand at the start of a paragraph and last until the next \pard.
  const auto startLine = [&] {
    const Alignment wanted = doc.alignmentOf(line);
    if (wanted != paragraphAlignment) {
      out += "\\pard";
      if (wanted != Alignment::Left) out += alignmentWord(wanted);
      out += ' ';
      paragraphAlignment = wanted;
    }
    atLineStart = false;
  };
  std::size_t offset = 0;
  for (const auto& run : doc.runs) {
    const CharFormat& f = run.format;
    out += "\\plain\\f";
    appendNumber(out, static_cast<long long>(indexOf(fonts, fontTableName(f.font))));
    out += "\\fs";
    appendNumber(out, std::clamp(f.size, 1, 1638) * 2);
    if (f.bold) out += "\\b";
    if (f.italic) out += "\\i";
    if (f.underline) out += "\\ul";
    if (f.color != 0) {
      out += "\\cf";
      appendNumber(out, static_cast<long long>(indexOf(colors, f.color & 0xFFFFFFu) + 1));
    }
    out += ' ';
    for (std::size_t i = 0; i < run.length; ++i, ++offset) {
      if (atLineStart) startLine();
      const char32_t c = doc.text[offset];
      if (c == '\n') {
        out += "\\par\r\n";
        lineStartInOut = out.size();
        ++line;
        atLineStart = true;
      } else if (c == '\t') {
        out += "\\tab ";
      } else {
        if (out.size() - lineStartInOut > kLineWidth) {
          out += "\r\n";
          lineStartInOut = out.size();
        }
        appendEscaped(out, c);
      }
    }
  }
  // Every paragraph ends with \par, the last one too, as word processors expect.
  if (!doc.text.empty()) {
    if (atLineStart) startLine();
    out += "\\par\r\n";
  }
  out += "}\r\n";
  return out;
}

}  // namespace korvale
