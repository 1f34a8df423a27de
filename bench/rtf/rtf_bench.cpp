// Reading and writing documents of 1 MB of RTF: letters in the program's own RTF, and the
// LibreOffice fixture repeated, which spends most of its bytes on control words.
#include <benchmark/benchmark.h>

#include "base/files.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

namespace korvale {
namespace {

constexpr std::size_t kTargetBytes = 1 << 20;

// Lines of a mail-merge preview: words with a bold or italic one now and then, umlauts, tabs and
// a page-break mark after every letter.
RichText letters() {
  const CharFormat body{U"Times New Roman", 12, false, false, false, 0};
  CharFormat bold = body;
  bold.bold = true;
  CharFormat italic = body;
  italic.italic = true;
  RichText doc;
  const auto add = [&doc](const Text& text, const CharFormat& f) {
    doc.runs.push_back({text.size(), f});
    doc.text += text;
  };
  // The size is measured every 20 letters, so building the document stays cheap.
  for (int letter = 0; letter % 20 != 0 || writeRtf(doc).size() < kTargetBytes; ++letter) {
    for (int line = 0; line < 40; ++line) {
      add(U"Sehr geehrte Frau M\xFCller,\tdie Note im Fach ", body);
      add(U"Mathematik", bold);
      add(U" ist gut; Gr\xFC\xDF"
          "e aus K\xF6ln, ",
          body);
      add(U"Ihr Klassenlehrer", italic);
      add(U"\n", body);
    }
    add(U"\xB6\n", body);
  }
  doc.normalize();
  return doc;
}

std::string libreOfficeStyle() {
  const auto fixture =
      readFileBytes(Path(std::string(KORVALE_TEST_DATA) + "/rtf/fixtures/libreoffice_brief.rtf"));
  if (!fixture) return {};
  const std::size_t bodyStart = fixture->find("\\pard\\plain");
  const std::size_t bodyEnd = fixture->rfind('}');
  const std::string head = fixture->substr(0, bodyStart);
  const std::string body = fixture->substr(bodyStart, bodyEnd - bodyStart);
  std::string rtf = head;
  while (rtf.size() < kTargetBytes) rtf += body;
  return rtf + "}";
}

void readOwnRtf(benchmark::State& state) {
  const std::string rtf = writeRtf(letters());
  for (auto _ : state) benchmark::DoNotOptimize(readRtf(rtf));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
  state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
}
BENCHMARK(readOwnRtf)->Unit(benchmark::kMillisecond);

void readLibreOfficeRtf(benchmark::State& state) {
  const std::string rtf = libreOfficeStyle();
  if (rtf.empty()) state.SkipWithError("fixture missing");
  for (auto _ : state) benchmark::DoNotOptimize(readRtf(rtf));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
  state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
}
BENCHMARK(readLibreOfficeRtf)->Unit(benchmark::kMillisecond);

void writeOwnRtf(benchmark::State& state) {
  const RichText doc = letters();
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string rtf = writeRtf(doc);
    size = rtf.size();
    benchmark::DoNotOptimize(rtf.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
  state.counters["rtf_bytes"] = static_cast<double>(size);
}
BENCHMARK(writeOwnRtf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvale
