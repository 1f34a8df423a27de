#include "sample_document.h"

namespace korvale {

namespace {
CharFormat format(const char* font, int size, bool bold = false, bool italic = false,
                  bool underline = false, std::uint32_t color = 0) {
  return {font, size, bold, italic, underline, color};
}

void add(RichText& doc, const Text& text, const CharFormat& f) {
  doc.replace(doc.text.size(), 0, text, f);
}
}  // namespace

RichText sampleDocument() {
  const CharFormat body = format("Times New Roman", 12);
  const CharFormat table = format("Courier New", 10);
  RichText doc;
  add(doc, "Zeugnis für Jürgen Groß\n"_cp, format("Arial", 16, true));
  add(doc, "Größe: 12 €, Straße, Ärger, Öl, Übung – „Grüße“ {Klammern} \\Pfad\\\n"_cp, body);
  add(doc, "Name\tMathe\tDeutsch\n", table);
  add(doc, "Müller"_cp, format("Courier New", 10, true, true));
  add(doc, "\t2\t", table);
  add(doc, "1-2", format("Courier New", 10, false, false, true));
  add(doc, "\n", table);
  add(doc, "rot", format("Arial", 12, false, false, false, 0xC00000));
  add(doc, " und ", format("Arial", 12));
  add(doc, "blau", format("Arial", 12, false, false, false, 0x0000FF));
  add(doc, "\nrechts\n", format("Arial", 12));
  add(doc, "¶\n"_cp, format("Arial", 12));
  add(doc, "Seite zwei\n\nEnde.", format("Arial", 14, false, true));
  doc.setAlignment(0, Alignment::Center);
  doc.setAlignment(5, Alignment::Right);
  doc.setAlignment(7, Alignment::Justify);
  return doc;
}

}  // namespace korvale
