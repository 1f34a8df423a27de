#include "window/menu_labels.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

std::vector<MenuItem> entries(const Text& menu, const std::vector<Text>& captions) {
  std::vector<MenuItem> items;
  for (const Text& caption : captions)
    items.push_back(caption == U"-" ? MenuItem::separator(menu)
                                    : MenuItem{menu, caption, true, [] {}});
  return items;
}

TEST(MenuLabels, EveryEntryOfAMenuGetsItsOwnAccessKey) {
  struct Case {
    std::vector<Text> captions;
    std::vector<Text> labels;
  } cases[] = {
      // A word's first letter wins over the letters inside a word, in any entry.
      {{U"Alles", U"Ausschneiden", U"Sperren E/A", U"Suchen"},
       {U"&Alles", U"A&usschneiden", U"&Sperren E/A", U"Su&chen"}},
      // An entry whose letters are taken borrows one from a neighbour that can move.
      {{U"Beispiel", U"Excel", U"Neu", U"Drucken", U"Beenden"},
       {U"Be&ispiel", U"&Excel", U"&Neu", U"&Drucken", U"&Beenden"}},
      // Umlauts and digits serve; case does not tell letters apart; separators keep "-".
      {{U"Öffnen", U"öl", U"-", U"Statistik - 1", U"Statistik - 2"},
       {U"&Öffnen", U"ö&l", U"-", U"&Statistik - 1", U"Statistik - &2"}},
      // A caption without a free letter goes without; a literal "&" stays one.
      {{U"ab", U"ba", U"a&b"}, {U"&ab", U"&ba", U"a&&b"}},
  };
  for (const Case& c : cases) {
    const MenuLabels labels = menuLabels(entries(U"M", c.captions));
    EXPECT_EQ(labels.entries, c.labels);
  }
}

TEST(MenuLabels, MenusOfTheBarDifferAndACommandMenuCounts) {
  std::vector<MenuItem> menu = entries(U"Datei", {U"Neu"});
  for (const char32_t* name : {U"Datenbank", U"Hilfe ein/aus"})
    menu.push_back({name, Text(), true, [] {}});
  const MenuLabels labels = menuLabels(menu);
  const std::vector<std::pair<Text, Text>> bar = {
      {U"Datei", U"&Datei"}, {U"Datenbank", U"D&atenbank"}, {U"Hilfe ein/aus", U"&Hilfe ein/aus"}};
  EXPECT_EQ(labels.menus, bar);
  // The command menus keep no entry label.
  EXPECT_EQ(labels.entries, (std::vector<Text>{U"&Neu", Text(), Text()}));
}

}  // namespace
}  // namespace korvale
