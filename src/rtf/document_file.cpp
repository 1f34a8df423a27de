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

std::optional<RichText> loadDocument(const Path& path, bool asRtf, const CharFormat& plainFormat,
                                     Encoding* encoding, LeftOutContent* leftOut) {
  const auto bytes = readUserFile(path);
  if (!bytes) return std::nullopt;
  Encoding found = Encoding::Cp1252;
  std::optional<RichText> doc;
  LeftOutContent left;
  if (asRtf && looksLikeRtf(*bytes))
    doc = readRtf(*bytes, &left);
  else
    doc = RichText::plain(readPlainText(*bytes, found), plainFormat);
  if (doc && leftOut != nullptr) *leftOut = left;
  if (doc && encoding != nullptr) *encoding = found;
  return doc;
}

bool saveDocument(const Path& path, const RichText& doc, bool asRtf, Encoding& encoding) {
  if (asRtf) return writeUserFileAtomic(path, writeRtf(doc));
  Encoding written = encoding;
  if (!writeUserFileAtomic(path, writePlainText(doc.text, written))) return false;
  encoding = written;
  return true;
}

bool saveDocument(const Path& path, const RichText& doc, bool asRtf) {
  Encoding encoding = Encoding::Cp1252;
  return saveDocument(path, doc, asRtf, encoding);
}

bool saveUserDocument(const Path& path, const RichText& doc, bool asRtf, Encoding& encoding,
                      Dialogs& dialogs) {
  const bool lacking = !asRtf && encoding == Encoding::Cp1252 && !fitsCp1252(doc.text);
  if (!saveDocument(path, doc, asRtf, encoding)) return false;
  if (lacking)
    dialogs.message(
        U"Die Datei enthält Zeichen, die der Zeichensatz Windows-1252 nicht kennt.\r"
        U"Sie wurde deshalb im Format UTF-8 gespeichert.");
  return true;
}

void noteLeftOutContent(std::optional<IncompleteOriginal>& original, const Path& file,
                        const LeftOutContent& leftOut, Dialogs& dialogs) {
  original.reset();
  if (!leftOut.any()) return;
  original = IncompleteOriginal{file, leftOut};
  dialogs.message(U"Die Datei \"" + file.fileName().displayText() + U"\" enthält " +
                  leftOut.names() + U", die dieser Editor nicht anzeigt.\r" +
                  U"Wird sie hier gespeichert, gehen diese verloren.");
}

bool mayReplaceOriginal(std::optional<IncompleteOriginal>& original, const Path& target,
                        Dialogs& dialogs) {
  if (!original || !isSameFile(original->file, target)) return true;
  if (!dialogs.confirm(U"Die Datei \"" + original->file.fileName().displayText() + U"\" enthält " +
                       original->leftOut.names() + U", die beim Speichern verloren gehen.\r" +
                       U"Trotzdem überschreiben ?"))
    return false;
  original.reset();
  return true;
}

}  // namespace korvale
