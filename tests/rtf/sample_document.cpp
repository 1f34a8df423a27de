#include "sample_document.h"

namespace korvale {

namespace {
CharFormat format(const Text& font, int size, bool bold = false, bool italic = false,
                  bool underline = false, std::uint32_t color = 0) {
  return {font, size, bold, italic, underline, color};
}

void add(RichText& doc, const Text& text, const CharFormat& f) {
  doc.replace(doc.text.size(), 0, text, f);
}
}  // namespace

RichText sampleDocument() {
  const CharFormat body = format(U"Times New Roman", 12);
  const CharFormat table = format(U"Courier New", 10);
  RichText doc;
  add(doc, U"Zeugnis für Jürgen Groß\n", format(U"Arial", 16, true));
  add(doc, U"Größe: 12 €, Straße, Ärger, Öl, Übung – „Grüße“ {Klammern} \\Pfad\\\n", body);
  add(doc, U"Name\tMathe\tDeutsch\n", table);
  add(doc, U"Müller", format(U"Courier New", 10, true, true));
  add(doc, U"\t2\t", table);
  add(doc, U"1-2", format(U"Courier New", 10, false, false, true));
  add(doc, U"\n", table);
  add(doc, U"rot", format(U"Arial", 12, false, false, false, 0xC00000));
  add(doc, U" und ", format(U"Arial", 12));
  add(doc, U"blau", format(U"Arial", 12, false, false, false, 0x0000FF));
  add(doc, U"\nrechts\n", format(U"Arial", 12));
  add(doc, U"¶\n", format(U"Arial", 12));
  add(doc, U"Seite zwei\n\nEnde.", format(U"Arial", 14, false, true));
  doc.setAlignment(0, Alignment::Center);
  doc.setAlignment(5, Alignment::Right);
  doc.setAlignment(7, Alignment::Justify);
  return doc;
}

}  // namespace korvale
