#include "listtools/new_list.h"

#include <gtest/gtest.h>

#include "list_tools_fixture.h"
#include "listtools/record_mask.h"
#include "listtools/structure.h"

namespace korvale {
namespace {

struct Entry {
  Text count, name, length, type;
};

class NewListTest : public ListToolsTest {
 protected:
  void enter(const Entry& e) {
    NewListDraft& d = state.newList;
    d.count = e.count;
    d.name = e.name;
    d.length = e.length;
    d.type = e.type;
    acceptField(c);
  }
};

TEST_F(NewListTest, PanelStartsWithItsDefaults) {
  load("a.csv", "Nr;\r\n1;\r\n");
  newList(c);
  const NewListDraft& d = state.newList;
  EXPECT_TRUE(d.panelShown);
  EXPECT_EQ((std::vector<Text>{d.fieldNumberLabel, d.count, d.name, d.length, d.type}),
            (std::vector<Text>{U"Feldnummer =  1", U"3", U"Feld1", U"10", U"T"}));
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_EQ(state.view.focus, listfocus::kFieldCount);
}

TEST_F(NewListTest, WrongEntriesAreRefusedOneByOne) {
  newList(c);
  struct Row {
    Entry entry;
    Entry after;  // the edits after the refusal
    std::string focus;
  } rows[] = {
      {{U"51", U"x", U"5", U"T"}, {U"", U"x", U"5", U"T"}, listfocus::kFieldCount},
      {{U"0", U"x", U"5", U"T"}, {U"", U"x", U"5", U"T"}, listfocus::kFieldCount},
      {{U"2", U" ;; ", U"5", U"T"}, {U"2", U"", U"5", U"T"}, listfocus::kFieldName},
      {{U"2", U"x", U"31", U"T"}, {U"2", U"x", U"", U"T"}, listfocus::kFieldLength},
      {{U"2", U"x", U"zehn", U"T"}, {U"2", U"x", U"", U"T"}, listfocus::kFieldLength},
      {{U"2", U"x", U"5", U"X"}, {U"2", U"x", U"5", U"T"}, listfocus::kFieldType},
  };
  for (const auto& r : rows) {
    enter(r.entry);
    const NewListDraft& d = state.newList;
    EXPECT_EQ((std::vector<Text>{d.count, d.name, d.length, d.type}),
              (std::vector<Text>{r.after.count, r.after.name, r.after.length, r.after.type}));
    EXPECT_EQ(state.view.focus, r.focus);
    EXPECT_EQ(shownDialogs(), (std::vector<std::string>{"[message] Falsche Eingabe !"}));
    EXPECT_EQ(d.position, 1);
  }
}

TEST_F(NewListTest, NamesAreCutToTenAndNoStartsOver) {
  newList(c);
  enter({U"2", U" Geburtsdatum; ", U"10", U"t"});
  EXPECT_EQ(state.newList.fields, (std::vector<ListField>{{U"GEBURTSDAT", 'T', 10}}));
  EXPECT_EQ(state.newList.fieldNumberLabel, U"Feldnummer = 2");
  EXPECT_EQ(state.newList.name, U"Feld2");
  dialogs.no();
  enter({U"2", U"größe", U"5", U"n"});
  EXPECT_EQ(shownDialogs(),
            (std::vector<std::string>{"[confirm] Korrekte Datenfelder übernehmen ? -> no"}));
  const NewListDraft& d = state.newList;
  EXPECT_TRUE(d.fields.empty());
  EXPECT_EQ((std::vector<Text>{d.fieldNumberLabel, d.count, d.name, d.length, d.type}),
            (std::vector<Text>{U"Feldnummer = 1", U"3", U"Feld1", U"10", U"T"}));
  EXPECT_FALSE(state.view.infoShown);
}

TEST_F(NewListTest, TheStructureIsShownWhileItIsConfirmed) {
  newList(c);
  enter({U"2", U"Name", U"12", U"T"});
  // The confirmation sees the info window with the new structure.
  std::vector<Text> infoWhileAsked;
  dialogs.yes();
  enter({U"2", U"Note", U"1", U"I"});
  EXPECT_EQ(newListStructureText(state),
            (std::vector<Text>{U"", U" -----------------------", U" Struktur der CSV-Liste ",
                               U" -----------------------", U"", U" Datei = \"newfile.csv\"",
                               U" Separator = ;", U" Datenfelder = 2", U" Datensätze  = 0",
                               U" Schulnoten  = nein", U"", U"  1: NAME (T,12)", U"  2: NOTE (I,1)",
                               U"", U" -----------------------", U" <F1>  = Window on/off",
                               U" <F2>  = Print Window ", U" -----------------------"}));
  EXPECT_EQ(state.view.infoLines, newListStructureText(state));
  EXPECT_FALSE(state.view.infoShown);
}

TEST_F(NewListTest, ANewListFilledThroughTheMaskIsSavedAndReopensByteExact) {
  newList(c);
  enter({U"3", U"Name", U"8", U"T"});
  enter({U"3", U"Alter", U"3", U"I"});
  dialogs.yes();
  enter({U"3", U"Gewicht", U"6", U"N"});
  EXPECT_FALSE(state.newList.panelShown);
  EXPECT_TRUE(state.mask.shown && state.mask.recordPending);
  EXPECT_EQ(state.list.headerEditor, U"NAME;ALTER;GEWICHT;");
  EXPECT_EQ(state.list.fileName, "newfile.csv");
  maskExit(c);  // refused: the first record is still to be written
  const Lines records[] = {
      {U"Anna", U"12", U"41.5"}, {U"Bert", U"13", U"44"}, {U"Cleo", U"12", U"39.75"}};
  for (std::size_t i = 0; i < 3; ++i) {
    if (i > 0) maskNew(c);
    state.mask.edits = records[i];
    maskWrite(c);
  }
  maskExit(c);
  EXPECT_EQ(shownDialogs(),
            (std::vector<std::string>{"[confirm] Korrekte Datenfelder übernehmen ? -> yes",
                                      "[message] Zuerst neuen Datensatz schreiben !"}));
  const Lines shown = {U"Anna    ; 12; 41.50;", U"Bert    ; 13; 44.00;", U"Cleo    ; 12; 39.75;"};
  EXPECT_EQ(view(), shown);
  EXPECT_TRUE(state.list.present);
  EXPECT_FALSE(state.newList.mode);
  EXPECT_EQ(state.view.countLabel, U"Sätze = 3 / Felder = 3 / newfile.csv");

  dialogs.file(folder / "newfile.csv");
  saveList(c);
  const std::string bytes =
      "NAME;ALTER;GEWICHT;\r\nAnna    ; 12; 41.50;\r\nBert    ; 13; 44.00;\r\nCleo    ; 12; "
      "39.75;\r\n";
  EXPECT_EQ(readFile("newfile.csv"), bytes);
  dialogs.file(folder / "newfile.csv");
  loadList(c);
  EXPECT_EQ(view(), shown);
  dialogs.file(folder / "newfile.csv");
  saveList(c);
  EXPECT_EQ(readFile("newfile.csv"), bytes);
}

}  // namespace
}  // namespace korvale
