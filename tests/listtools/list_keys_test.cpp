// The function keys: what each reports, and that the list keys rest without a list.
#include "listtools/list_keys.h"
#include "list_tools_fixture.h"

namespace korvale {
namespace {

TEST_F(ListToolsTest, GradesModeKeyReportsItsReplacementsEitherWay) {
  struct Case {
    const char* what;
    std::string file;
    std::string report;
    bool gradesModeAfter;
    Lines viewAfter;
  };
  const Case cases[] = {
      {"on, marks turn to zeros",
       "NAME;M1;M2;\r\nAnna;0;1;\r\nBert;2;0;\r\n",
       "[message] Schulnoten AUS,\\rweil 2 Ersetzungen (a zu 0).",
       false,
       {U"Anna;0;1;", U"Bert;2;0;"}},
      {"on without a mark stays on",
       "NAME;M1;\r\nAnna;1;\r\n",
       "[message] Schulnoten EIN,\\rweil 0 Ersetzungen (a zu 0).",
       true,
       {U"Anna;1;"}},
      {"off, zeros turn to marks",
       "Nr;Name;M1;X;\r\n1;Anna;0;x;\r\n",
       "[message] Schulnoten EIN,\\rweil 1 Ersetzungen (0 zu a).",
       true,
       {U"1;Anna;a;x;"}},
      {"off without a zero stays off",
       "Nr;Name;\r\n1;Anna;\r\n",
       "[message] Schulnoten AUS,\\rweil 0 Ersetzungen (0 zu a).",
       false,
       {U"1;Anna;"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    load("liste.csv", k.file);
    shownDialogs();
    functionKey(c, 12);
    EXPECT_EQ(shownDialogs(), std::vector<std::string>{k.report});
    EXPECT_EQ(state.structure.gradesMode, k.gradesModeAfter);
    EXPECT_EQ(view(), k.viewAfter);
  }
}

TEST_F(ListToolsTest, LockKeyAndFontKeys) {
  // Without a list only F10, F11 and F12 act.
  for (int key : {1, 4, 5, 6, 7, 8, 9}) functionKey(c, key);
  EXPECT_FALSE(state.view.infoShown);
  EXPECT_EQ(state.settings.fontSize, 10);

  load("liste.csv", "Nr;Name;\r\n1;Anna;\r\n");
  shownDialogs();
  functionKey(c, 10);
  EXPECT_FALSE(editor.readOnly());
  functionKey(c, 10);
  EXPECT_TRUE(editor.readOnly());
  EXPECT_EQ(shownDialogs(), (std::vector<std::string>{"[message] Listen-Editor GEÖFFNET !",
                                                      "[message] Listen-Editor GESPERRT !"}));

  functionKey(c, 10);
  functionKey(c, 4);
  EXPECT_EQ(state.settings.fontSize, 9);
  EXPECT_EQ(editor.formatAt({0, 0}).size, 9);
  EXPECT_TRUE(editor.readOnly()) << "a font change leaves the list read-only";
  functionKey(c, 5);
  functionKey(c, 5);
  EXPECT_EQ(state.settings.fontSize, 11);

  functionKey(c, 11);
  functionKey(c, 1);
  EXPECT_TRUE(state.view.infoShown);
  EXPECT_FALSE(state.view.infoWide) << "F1 brings a widened info window back to its width";
}

}  // namespace
}  // namespace korvale
