#include "base/encoding.h"

#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#include <array>
#include <map>
#include <memory>
#include <mutex>

namespace korvale {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

bool isSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// The length of the well-formed UTF-8 sequence at `i` and its character; 0 when none starts
// there.
std::size_t utf8Sequence(std::string_view bytes, std::size_t i, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(bytes[i]);
  if (b0 < 0x80) {
    c = b0;
    return 1;
  }
  std::size_t length = 0;
  char32_t min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    c = b0 & 0x1Fu;
    min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    c = b0 & 0x0Fu;
    min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    c = b0 & 0x07u;
    min = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() - i < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3Fu);
  }
  if (c < min || c > 0x10FFFF || isSurrogate(c)) return 0;
  return length;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || isSurrogate(c)) c = kReplacement;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

void appendUnit(std::string& out, unsigned unit, bool bigEndian) {
  const auto high = static_cast<char>(unit >> 8);
  const auto low = static_cast<char>(unit & 0xFF);
  out.push_back(bigEndian ? high : low);
  out.push_back(bigEndian ? low : high);
}

// ICU's converter for a Windows code page number; nullptr when ICU has none.
struct ConverterClose {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

Converter openCodePage(int codePage) {
  const std::string number = std::to_string(codePage);
  const std::string names[] = {codePage == 10000 ? "macintosh" : "windows-" + number,
                               "ibm-" + number};
  for (const std::string& name : names) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name.c_str(), &status));
    if (U_FAILURE(status) || converter == nullptr) continue;
    // Undefined bytes are reported, not guessed at.
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    if (U_SUCCESS(status)) return converter;
  }
  return nullptr;
}

// One character from the bytes, or nothing when they are not exactly one character.
std::optional<char32_t> convertOne(UConverter* converter, const char* bytes, int length) {
  ucnv_resetToUnicode(converter);
  UChar units[4];
  UErrorCode status = U_ZERO_ERROR;
  const int n = ucnv_toUChars(converter, units, 4, bytes, length, &status);
  if (U_FAILURE(status) || n < 1 || n > 2) return std::nullopt;
  if (n == 1) return isSurrogate(units[0]) ? std::nullopt : std::optional<char32_t>(units[0]);
  if (units[0] < 0xD800 || units[0] > 0xDBFF || units[1] < 0xDC00 || units[1] > 0xDFFF)
    return std::nullopt;
  return 0x10000 + ((static_cast<char32_t>(units[0]) - 0xD800) << 10) + (units[1] - 0xDC00);
}

struct CodePages {
  std::mutex mutex;
  std::map<int, std::unique_ptr<std::u32string>> upperHalves;  // nullptr: not single-byte
  std::map<int, Converter> doubleByte;
};

CodePages& codePages() {
  static CodePages pages;
  return pages;
}

}  // namespace

const char* encodingName(Encoding encoding) {
  switch (encoding) {
    case Encoding::Cp1252:
      return "cp1252";
    case Encoding::Utf8:
      return "UTF-8";
    case Encoding::Utf8Bom:
      return "UTF-8 BOM";
    case Encoding::Utf16Le:
      return "UTF-16LE";
    case Encoding::Utf16Be:
      return "UTF-16BE";
  }
  return "?";
}

Encoding detectEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return Encoding::Utf8Bom;
  if (bytes.starts_with(kUtf16LeBom)) return Encoding::Utf16Le;
  if (bytes.starts_with(kUtf16BeBom)) return Encoding::Utf16Be;
  bool nonAscii = false;
  for (const char b : bytes)
    if (static_cast<unsigned char>(b) >= 0x80) {
      nonAscii = true;
      break;
    }
  return nonAscii && isWellFormedUtf8(bytes) ? Encoding::Utf8 : Encoding::Cp1252;
}

Text decode(std::string_view bytes, Encoding encoding) {
  switch (encoding) {
    case Encoding::Cp1252:
      return decodeCp1252(bytes);
    case Encoding::Utf8:
      return decodeUtf8(bytes);
    case Encoding::Utf8Bom:
      if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
      return decodeUtf8(bytes);
    case Encoding::Utf16Le:
      if (bytes.starts_with(kUtf16LeBom)) bytes.remove_prefix(kUtf16LeBom.size());
      return decodeUtf16(bytes, false);
    case Encoding::Utf16Be:
      if (bytes.starts_with(kUtf16BeBom)) bytes.remove_prefix(kUtf16BeBom.size());
      return decodeUtf16(bytes, true);
  }
  return Text();
}

std::string encode(TextView text, Encoding& encoding) {
  switch (encoding) {
    case Encoding::Cp1252:
      if (auto bytes = encodeCp1252(text); bytes && detectEncoding(*bytes) == Encoding::Cp1252)
        return std::move(*bytes);
      encoding = Encoding::Utf8Bom;
      return std::string(kUtf8Bom) + encodeUtf8(text);
    case Encoding::Utf8:
      return encodeUtf8(text);
    case Encoding::Utf8Bom:
      return std::string(kUtf8Bom) + encodeUtf8(text);
    case Encoding::Utf16Le:
      return std::string(kUtf16LeBom) + encodeUtf16(text, false);
    case Encoding::Utf16Be:
      return std::string(kUtf16BeBom) + encodeUtf16(text, true);
  }
  return std::string();
}

char32_t cp1252ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
}

int unicodeToCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i)
    if (kCp1252High[i] == c) return static_cast<int>(0x80 + i);
  return -1;
}

bool fitsCp1252(TextView text) {
  for (const char32_t c : text)
    if (c >= 0x80 && unicodeToCp1252(c) < 0) return false;
  return true;
}

Text decodeCp1252(std::string_view bytes) {
  Text text(bytes.size(), U'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i)
    text[i] = cp1252ToUnicode(static_cast<unsigned char>(bytes[i]));
  return text;
}

std::optional<std::string> encodeCp1252(TextView text) {
  std::string bytes(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c < 0x80) {
      bytes[i] = static_cast<char>(c);
      continue;
    }
    const int b = unicodeToCp1252(c);
    if (b < 0) return std::nullopt;
    bytes[i] = static_cast<char>(b);
  }
  return bytes;
}

char32_t asciiFallback(char32_t c) {
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
  UChar decomposed[8];
  const int length =
      U_SUCCESS(status) && c <= 0x10FFFF && !isSurrogate(c)
          ? unorm2_getDecomposition(nfd, static_cast<UChar32>(c), decomposed, 8, &status)
          : 0;
  const char32_t base = length > 0 && U_SUCCESS(status) ? decomposed[0] : U'?';
  const bool plain = base >= 0x20 && base < 0x7F && base != '\\' && base != '{' && base != '}';
  return plain ? base : U'?';
}

bool isWellFormedUtf8(std::string_view bytes) {
  char32_t c = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = utf8Sequence(bytes, i, c);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

Text decodeUtf8(std::string_view bytes) {
  Text text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t c = 0;
    const std::size_t length = utf8Sequence(bytes, i, c);
    if (length == 0) {
      text.push_back(cp1252ToUnicode(static_cast<unsigned char>(bytes[i])));
      ++i;
    } else {
      text.push_back(c);
      i += length;
    }
  }
  return text;
}

std::string encodeUtf8(TextView text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char32_t c : text) appendUtf8(out, c);
  return out;
}

Text decodeUtf16(std::string_view bytes, bool bigEndian) {
  Text text;
  text.reserve(bytes.size() / 2 + 1);
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (char32_t{first} << 8) | second : (char32_t{second} << 8) | first;
  };
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        text.push_back(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    text.push_back(u);
  }
  if (i < bytes.size()) text.push_back(kReplacement);
  return text;
}

std::string encodeUtf16(TextView text, bool bigEndian) {
  std::string out;
  out.reserve(2 * text.size());
  for (char32_t c : text) {
    if (c > 0x10FFFF) c = kReplacement;
    if (c >= 0x10000) {
      appendUnit(out, 0xD800 + ((c - 0x10000) >> 10), bigEndian);
      appendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), bigEndian);
    } else {
      appendUnit(out, static_cast<unsigned>(c), bigEndian);
    }
  }
  return out;
}

const std::u32string* upperHalfOfCodePage(int codePage) {
  CodePages& pages = codePages();
  const std::lock_guard lock(pages.mutex);
  auto found = pages.upperHalves.find(codePage);
  if (found == pages.upperHalves.end()) {
    std::unique_ptr<std::u32string> half;
    Converter converter = openCodePage(codePage);
    if (converter != nullptr && ucnv_getMaxCharSize(converter.get()) == 1) {
      half = std::make_unique<std::u32string>(128, kReplacement);
      for (int b = 0x80; b <= 0xFF; ++b) {
        const char byte = static_cast<char>(b);
        (*half)[static_cast<std::size_t>(b - 0x80)] =
            convertOne(converter.get(), &byte, 1).value_or(kReplacement);
      }
    }
    found = pages.upperHalves.emplace(codePage, std::move(half)).first;
  }
  return found->second.get();
}

std::optional<char32_t> decodeMultiByte(int codePage, std::string_view bytes) {
  CodePages& pages = codePages();
  const std::lock_guard lock(pages.mutex);
  auto found = pages.doubleByte.find(codePage);
  if (found == pages.doubleByte.end()) {
    Converter converter = openCodePage(codePage);
    if (converter != nullptr && ucnv_getMaxCharSize(converter.get()) != 2) converter.reset();
    found = pages.doubleByte.emplace(codePage, std::move(converter)).first;
  }
  if (found->second == nullptr || bytes.empty() || bytes.size() > 2) return std::nullopt;
  return convertOne(found->second.get(), bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace korvale
