#include "rtf/document_file.h"

#include "base/files.h"
#include "base/plain_text.h"
#include "base/text_routines.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

namespace korvale {

bool looksLikeRtf(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  while (!bytes.empty() && isTrimmable(bytes.front())) bytes.remove_prefix(1);
  return bytes.substr(0, 5) == "{\\rtf";
}

std::optional<RichText> loadDocument(const std::string& path, bool asRtf,
                                     const CharFormat& plainFormat) {
  const auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  if (asRtf && looksLikeRtf(*bytes)) return readRtf(*bytes);
  return RichText::plain(readPlainText(*bytes), plainFormat);
}

bool saveDocument(const std::string& path, const RichText& doc, bool asRtf) {
  return writeFileAtomic(path, asRtf ? writeRtf(doc) : writePlainText(doc.text));
}

}  // namespace korvale
