// Arbitrary bytes as a text file. Besides the sanitizers, checks what every file relies on: the
// detected encoding reads the bytes, writing the text back in that encoding and reading it again
// gives the same text, and a file goes back byte for byte wherever its encoding can carry it
// (code page 1252 always, well-formed UTF-8, UTF-16 of whole units). Each decoder on its own
// takes any bytes and round-trips its own output.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/encoding.h"

namespace {

using korvale::Encoding;

void require(bool condition) {
  if (!condition) std::abort();
}

bool isScalar(char32_t c) {
  return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

std::string_view withoutBom(std::string_view bytes, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8Bom:
      return bytes.substr(3);
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
      return bytes.substr(2);
    default:
      return bytes;
  }
}

void detectedFileRoundTrips(std::string_view bytes) {
  const Encoding found = korvale::detectEncoding(bytes);
  const korvale::Text text = korvale::decode(bytes, found);
  const std::string_view body = withoutBom(bytes, found);
  require(text.size() <= body.size());

  Encoding written = found;
  const std::string again = korvale::encode(text, written);
  // Only a cp1252 text may change its encoding, and only to UTF-8 with BOM.
  require(written == found || (found == Encoding::Cp1252 && written == Encoding::Utf8Bom));
  require(korvale::detectEncoding(again) == written ||
          (written == Encoding::Utf8 && korvale::isAscii(text)));
  require(korvale::decode(again, korvale::detectEncoding(again)) == text);

  bool exact = false;
  switch (found) {
    case Encoding::Cp1252:
      exact = true;
      break;
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
      exact = korvale::isWellFormedUtf8(body);
      break;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
      exact = body.size() % 2 == 0;
      break;
  }
  if (exact) require(again == bytes);
}

void decodersRoundTrip(std::string_view bytes) {
  const korvale::Text cp1252 = korvale::decodeCp1252(bytes);
  require(cp1252.size() == bytes.size());
  const auto back = korvale::encodeCp1252(cp1252);
  require(back.has_value() && *back == bytes);

  const korvale::Text utf8 = korvale::decodeUtf8(bytes);
  require(utf8.size() <= bytes.size());
  for (const char32_t c : utf8) require(isScalar(c));
  const std::string utf8Bytes = korvale::encodeUtf8(utf8);
  require(korvale::isWellFormedUtf8(utf8Bytes));
  require(korvale::decodeUtf8(utf8Bytes) == utf8);
  if (korvale::isWellFormedUtf8(bytes)) require(utf8Bytes == bytes);

  for (const bool bigEndian : {false, true}) {
    const korvale::Text utf16 = korvale::decodeUtf16(bytes, bigEndian);
    require(utf16.size() <= (bytes.size() + 1) / 2);
    const std::string utf16Bytes = korvale::encodeUtf16(utf16, bigEndian);
    require(korvale::decodeUtf16(utf16Bytes, bigEndian) == utf16);
    if (bytes.size() % 2 == 0) require(utf16Bytes == bytes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  detectedFileRoundTrips(bytes);
  decodersRoundTrip(bytes);
  return 0;
}
