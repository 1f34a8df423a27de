// Helper for scripts/check_rtf_with_libreoffice.sh: writes the sample letter as RTF and shows
// what the reader makes of an RTF file, in UTF-8.
#include <cstdio>
#include <iostream>
#include <string>

#include "base/files.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#include "sample_document.h"

namespace {

using namespace korvale;

// One line per text line: its characters grouped by format, the line breaks left out, since
// word processors give a paragraph mark a format of their own.
std::string describe(const RichText& doc) {
  std::string out;
  std::string pending;
  CharFormat last;
  bool open = false;
  for (std::size_t i = 0; i < doc.text.size(); ++i) {
    const char32_t c = doc.text[i];
    if (c == '\n') {
      if (open) out += "]";
      out += "\n";
      open = false;
      continue;
    }
    const CharFormat f = doc.formatAt(i);
    if (!open || f != last) {
      if (open) out += "] ";
      out += "[" + toUtf8(f.font) + " " + std::to_string(f.size) + (f.bold ? " b" : "") +
             (f.italic ? " i" : "") + (f.underline ? " u" : "");
      if (f.color != 0) {
        char color[16];
        std::snprintf(color, sizeof color, " #%06x", static_cast<unsigned>(f.color));
        out += color;
      }
      out += ": ";
      last = f;
      open = true;
    }
    out += toUtf8(Text(1, c));
  }
  if (open) out += "]";
  return out + "\n";
}

int usage() {
  std::cerr << "usage: rtf_tool sample OUT.rtf | text IN.rtf | formats IN.rtf\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return usage();
  const std::string command = argv[1];
  if (command == "sample")
    return writeFileAtomic(Path(argv[2]), writeRtf(sampleDocument())) ? 0 : 1;
  const auto bytes = readFileBytes(Path(argv[2]));
  if (!bytes) return 1;
  const auto doc = readRtf(*bytes);
  if (!doc) return 1;
  if (command == "text")
    std::cout << toUtf8(doc->text) << "\n";
  else if (command == "formats")
    std::cout << describe(*doc);
  else
    return usage();
  return 0;
}
