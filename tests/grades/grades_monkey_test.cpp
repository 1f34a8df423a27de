// Random use of every menu entry, button, key and click with random answers: whatever the order,
// the window neither crashes nor loses its invariants.
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "grades_fixture.h"
#include "support/random_dialogs.h"

namespace korvale {
namespace {

TEST_F(GradesEditorTest, RandomUseKeepsTheWindowSound) {
  // Hostile choices too: a FIFO must neither block an open nor be replaced by a save, and a save
  // onto a link must keep the link.
  const Path fifo = dir + "/fifo.csv";
  const Path link = dir + "/link.csv";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  write("ziel.csv", "NAMEN;M1;\r\nAnna;1;\r\n");
  ASSERT_EQ(symlink("ziel.csv", link.c_str()), 0);
  const std::vector<Path> files = {
      write("noten.csv", "NAMEN;M1;M2;ZUSATZ;\r\nAnna;1;0;x;\r\nBen;0;3;;\r\nCem;2;a;y;\r\n"),
      write("orte.dat", "Nr,Ort,Gewicht\r\n1,Bremen,61\r\n12,Kiel,7.5\r\n"),
      write("leer.csv", "A;B;\r\n"),
      write("nichts.csv", ""),
      write("brief.txt", "Hallo <F2>,\r\n\xB6\r\n{<F1>*2}\r\n"),
      write("tab.csv", "a\tb\r\n1\t2\t3\t4\r\n\r\n"),
      dir + "/neu.csv",
      dir + "/neu.rtf",
      dir + "/fehlt/x.csv",
      write("binaer.csv", std::string("NAMEN;M1;\r\n\x7F"
                                      "ELF\0\0;1;\r\n",
                                      19)),
      write("lang.csv", "NAMEN;M1;\r\nAnna;" + std::string(kMaxLineBytes, '1') + ";\r\n"),
      write("formeln.txt",
            "a = 3\r\nb=a*2+1\r\nsqrt(b) =\r\nx^2,-2,2,1\r\n1/x,5\r\nx,0,a,0.5\r\n"
            "1;2;3\r\n"),
      fifo,
      link,
  };
  std::mt19937 random(20261208);
  RandomDialogs answers(random, files,
                        {U"1", U"2", U"3", U"0", U"25", U"12", U"tab", U";", U",", U"x", U"=", U"-",
                         U"+", U">", U"a", U"5 , 0.5 , 1"});
  GradesEditor monkey{{editor, answers, keys, cursor, host, paths, printer, clipboard, shell,
                       variables, canvas, workingFolder, Screen{}}};
  monkey.opened();
  const std::vector<KeyPress> keysToPress = {{"F3"},
                                             {"Enter", false, true, false},
                                             {"Y", false, true, false},
                                             {"A"},
                                             {"F1"},
                                             {"F2"},
                                             {"F2", true},
                                             {"F4"},
                                             {"F4", false, true, true},
                                             {"F5"},
                                             {"F6"},
                                             {"F7"},
                                             {"F11"}};
  for (int step = 0; step < 3000; ++step) {
    const auto roll = std::uniform_int_distribution<int>(0, 9)(random);
    if (roll < 6) {
      std::vector<const MenuItem*> enabled;
      for (const MenuItem& item : monkey.menu())
        if (item.enabled && item.entry != U"Beenden") enabled.push_back(&item);
      const auto action =
          enabled[std::uniform_int_distribution<std::size_t>(0, enabled.size() - 1)(random)]
              ->action;
      action();
    } else if (roll == 6) {
      std::vector<Control> clickable;
      for (const Control& c : monkey.controls())
        if (c.visible && c.action) clickable.push_back(c);
      clickable[std::uniform_int_distribution<std::size_t>(0, clickable.size() - 1)(random)]
          .action();
    } else if (roll == 7) {
      monkey.keyPressed(keysToPress[std::uniform_int_distribution<std::size_t>(
          0, keysToPress.size() - 1)(random)]);
    } else {
      const int lines = std::max(editor.lineCount(), 1);
      const int line = std::uniform_int_distribution<int>(0, lines + 1)(random);
      const int column = std::uniform_int_distribution<int>(0, 30)(random);
      editor.setCaret({line, column});
      if (roll == 8)
        monkey.textClicked();
      else if (column % 2 == 0)
        monkey.textRightClicked();
      else
        monkey.canvasPressed("chart", column * 14, line * 7);
    }
    // What the other parts rely on while the table is shown.
    if (monkey.databaseDisplayed() && !monkey.lettersShown()) {
      ASSERT_TRUE(monkey.databaseLoaded()) << "step " << step;
    }
    ASSERT_EQ(editor.readOnly(), monkey.locked()) << "step " << step;
    ASSERT_TRUE(readFileBytes(files[0]).has_value());
  }
  struct stat st {};
  EXPECT_TRUE(::lstat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
  EXPECT_TRUE(isSymlink(link));
  // No end marker ever reached a saved list.
  for (const char* name : {"neu.csv"}) {
    const auto saved = readFileBytes(dir + "/" + name);
    if (saved) {
      EXPECT_EQ(saved->find("\r\n#\r\n"), std::string::npos) << *saved;
    }
  }
}

}  // namespace
}  // namespace korvale
