// Arbitrary bytes as an RTF file. Besides the sanitizers, checks what must hold for whatever the
// reader makes of them: runs that cover the text exactly, no more characters than bytes read,
// only tabs and line breaks among the control characters, and a document that the writer and
// the reader give back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void checkShape(const korvale::RichText& doc, std::size_t inputSize) {
  require(doc.text.size() <= inputSize);
  std::size_t covered = 0;
  for (const auto& run : doc.runs) {
    require(run.length > 0);
    require(run.format.size >= 1 && run.format.size <= 1638);
    require(run.format.color <= 0xFFFFFF);
    covered += run.length;
  }
  require(covered == doc.text.size());
  for (const char32_t c : doc.text) require(c >= 0x20 || c == '\t' || c == '\n');
  require(doc.alignments.size() <= static_cast<std::size_t>(doc.lineCount()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto doc = korvale::readRtf(bytes);
  if (!doc) return 0;
  checkShape(*doc, size);
  const auto again = korvale::readRtf(korvale::writeRtf(*doc));
  require(again.has_value() && *again == *doc);
  return 0;
}
