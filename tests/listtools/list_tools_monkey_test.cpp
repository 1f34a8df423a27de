// Random use of every button, key, edit and click of the List tools window with random answers:
// whatever the order, nothing crashes, a saved list holds every record the window showed, and
// nothing is written but the files the user chose.
#include <map>
#include <random>
#include <set>

#include "base/files.h"
#include "listtools/list_text.h"
#include "listtools/list_tools_window.h"
#include "support/memory_text_editor.h"
#include "support/random_dialogs.h"
#include "support/temp_folder.h"
#include "support/test_ports.h"
#include "ui/ports/shell.h"

namespace korvale {
namespace {

class ClosingHost : public WindowHost {
 public:
  void openModal(const WindowId&) override {}
  void close(const WindowId&) override { ++closes; }
  int closes = 0;
};

// A List tools window on in-memory ports, opened.
struct RandomWindow {
  RandomWindow(Dialogs& dialogs, const Path& folder, FolderChoice folders)
      : workingFolder(folder),
        window(ListToolsPorts{listView, dialogs, cursor, shell, host, workingFolder,
                              std::move(folders), Screen{}, randomValues, variables, printer}) {
    window.opened();
  }

  MemoryTextEditor listView;
  TestCursor cursor;
  RecordingShell shell;
  ClosingHost host;
  Path workingFolder;
  RandomSource randomValues;
  VariableTable variables;
  RecordingPrinter printer;
  ListToolsWindow window;
};

// Answers for every dialog of the window: columns, counts, separators, names, types, formulas.
const std::vector<Text> kAnswers = {
    U"1", U"2", U"3", U"0",          U"25",       U"tab", U";",       U",",    U"x",  U"-1",
    U"4", U"N", U"I", U"<F2>, <F1>", U"<F2,1,2>", U"er",  U"<F1>*2+", U"<F2>", U"10", U"16"};

std::vector<std::string> filesIn(const Path& folder) {
  return sortedFileNames(folder);
}

TEST(ListToolsRandomUse, NoCrashNoLostRecordNoStrayFile) {
  TempFolder folder;
  const Path demo = folder / "demo";
  ASSERT_TRUE(createDirectory(demo));
  const auto put = [&](const Path& path, const std::string& bytes) {
    EXPECT_TRUE(writeFileAtomic(path, bytes));
    return path;
  };
  const std::vector<Path> opened = {
      put(folder / "noten.csv", "NAME;M1;M2;\r\nAnna;1;0;\r\nBert;0;2;\r\nCarl;3;a;\r\n"),
      put(folder / "orte.csv", "Nr;Ort;Gewicht\r\n1;Graz;61.5\r\n12;Linz;7\r\n#\r\n"),
      put(folder / "tab.csv", "Nr\tName\t\r\n1\tAnna\t\r\n"),
      put(folder / "komma.csv", "Nr,Name\r\n1,Anna\r\n"),
      put(folder / "leer.csv", "A;B;\r\n"),
      put(demo.join(Path("medien.csv")), "NR;BILD;\r\n1;bild.jpg;\r\n2;fehlt.jpg;\r\n"),
      put(demo.join(Path("bild.jpg")), "JPEG"),
      folder / "fehlt.csv",
  };
  const std::vector<Path> saved = {folder / "neu.csv", folder / "noten.csv",
                                   demo.join(Path("kopie.csv")),
                                   folder.path().join(Path("fehlt/x.csv"))};
  std::set<std::string> allowed = {"noten.csv", "orte.csv", "tab.csv",    "komma.csv", "leer.csv",
                                   "neu.csv",   "demo",     "medien.csv", "bild.jpg",  "kopie.csv"};

  std::mt19937 random(20261208);
  RandomDialogs answers(random, opened, kAnswers, saved);
  RandomWindow w(answers, folder.path(), FolderChoice{demo, folder.path()});
  ListToolsWindow& window = w.window;
  MemoryTextEditor& listView = w.listView;
  static const char* const typed[] = {"", "  ", "7", "Anna", "3.5", "x;y", "Ayşe", "99999999999"};

  // What the run reached, so that it cannot pass by doing nothing.
  int saves = 0, masks = 0, newLists = 0, records = 0;
  std::map<std::string, std::string> before;
  for (const Path& p : saved) before[p.bytes()] = readFileBytes(p).value_or("");
  for (int step = 0; step < 4000; ++step) {
    const std::size_t roll = answers.pick(10);
    std::vector<Control> visible;
    for (const Control& c : window.controls())
      if (c.visible && c.enabled) visible.push_back(c);
    if (roll < 5) {
      std::vector<Control> buttons;
      for (const Control& c : visible)
        if (c.action) buttons.push_back(c);
      buttons[answers.pick(buttons.size())].action();
    } else if (roll < 7) {
      std::vector<Control> edits;
      for (const Control& c : visible)
        if (c.edited) edits.push_back(c);
      if (!edits.empty()) {
        const Control& e = edits[answers.pick(edits.size())];
        e.edited(fromUtf8(typed[answers.pick(std::size(typed))]));
        window.setFocus(e.name);
        if (answers.pick(2) == 0) window.keyInControl(e.name, KeyPress{"Enter"});
      }
    } else if (roll == 7) {
      const KeyPress key{"F" + std::to_string(1 + answers.pick(12))};
      if (window.focus().empty())
        window.keyPressed(key);
      else
        window.keyInControl(window.focus(), key);
    } else {
      const int lines = std::max(listView.lineCount(), 1);
      listView.setCaret({static_cast<int>(answers.pick(static_cast<std::size_t>(lines) + 1)),
                         static_cast<int>(answers.pick(40))});
      window.setFocus(std::string());
      if (roll == 8)
        window.textClicked();
      else
        window.textRightClicked();
    }
    // A list the window saved holds its header and every record on the screen, no end marker.
    for (const Path& p : saved) {
      const std::string now = readFileBytes(p).value_or("");
      if (now == before[p.bytes()]) continue;
      before[p.bytes()] = now;
      ++saves;
      std::size_t lines = 0;
      for (char ch : now) lines += ch == '\n';
      EXPECT_EQ(static_cast<int>(lines), listView.lineCount() + 1) << "step " << step;
      EXPECT_EQ(now.find("\n#"), std::string::npos) << "step " << step;
    }
    masks += window.state().mask.shown;
    newLists += window.state().newList.panelShown;
    records = std::max(records, listView.lineCount());
    if (w.host.closes > 0) {
      window.closed();
      window.opened();
      w.host.closes = 0;
    }
  }
  EXPECT_GT(saves, 0);
  EXPECT_GT(masks, 0);
  EXPECT_GT(newLists, 0);
  EXPECT_GT(records, 3);
  // Nothing but the chosen files: no temporary file left behind, nothing beside them.
  for (const Path& f : {folder.path(), demo})
    for (const std::string& name : filesIn(f)) EXPECT_TRUE(allowed.count(name)) << name;
  for (const Path& p : w.shell.opened) EXPECT_EQ(p, demo.join(Path("bild.jpg")));
}

}  // namespace
}  // namespace korvale

namespace korvale {
namespace {

// The ten column operations and F3 at random, with random answers, on lists of every kind of
// field: whatever they did, the header and every record have the same number of fields, and no
// record is lost or invented.
TEST(ListToolsRandomUse, ColumnOperationsKeepEveryFieldCount) {
  TempFolder folder;
  const auto put = [&](const char* name, const std::string& utf8) {
    const Path path = folder / name;
    const auto bytes = encodeCp1252(fromUtf8(utf8));
    EXPECT_TRUE(writeFileAtomic(path, bytes ? *bytes : utf8));
    return path;
  };
  const std::vector<Path> lists = {
      put("personen.csv",
          "Nr;Name;Ort;Gewicht;Wert;\r\n1;Albers;Bremen;61;47.5;\r\n"
          "2;Brückner;Straße;84;52.0;\r\n3;Öz;Graz;58;38.5;\r\n"),
      put("noten.csv", "NAME;M1;M2;M3;\r\nAnna;1;0;2;\r\nBert;0;2;3;\r\nCarl;3;a;5;\r\n"),
      put("ohne.csv", "A;B;C\r\nx;;z\r\n;2;ß\r\n"),
  };
  const std::vector<Path> files = {lists[0],
                                   lists[1],
                                   lists[2],
                                   put("a.rep", "<F2>, <F1>\r\n"),
                                   put("b.rep", "<F4>/<F2>\r\n"),
                                   folder / "fehlt.rep"};
  std::mt19937 random(20261209);
  RandomDialogs answers(random, files, kAnswers, {folder / "neu.rep", folder / "a.rep"});
  RandomWindow w(answers, folder.path(), FolderChoice{folder.path(), folder.path()});
  ListToolsWindow& window = w.window;
  MemoryTextEditor& listView = w.listView;
  const std::vector<Text> operations = {U"Lower FX",  U"Upper FX",  U"SetLen FX", U"Remove FX",
                                        U"Insert FX", U"Random FX", U"Index FX",  U"Replace FX",
                                        U"Search FX", U"Sort FX"};
  const auto press = [&](const Text& caption) {
    for (const Control& c : window.controls())
      if (c.caption == caption && c.visible && c.action) return c.action();
    FAIL() << toUtf8(caption);
  };

  int records = 0, changes = 0, loads = 0;
  for (int step = 0; step < 2000; ++step) {
    const std::size_t roll = answers.pick(20);
    const std::vector<Text> before = listView.lines();
    if (roll == 0 || records == 0) {
      press(U"Load");
      if (listView.lineCount() > 0 && window.state().list.present) {
        records = listView.lineCount();
        ++loads;
      }
      continue;
    }
    if (roll == 1) {
      window.keyPressed(KeyPress{"F3"});
    } else if (roll == 2) {
      listView.setCaret({static_cast<int>(answers.pick(static_cast<std::size_t>(records))),
                         static_cast<int>(answers.pick(30))});
      window.textClicked();
    } else {
      press(operations[answers.pick(operations.size())]);
    }
    const char32_t separator = window.state().settings.separator;
    const std::size_t fields = splitFields(window.state().list.headerEditor, separator).size();
    ASSERT_EQ(listView.lineCount(), records) << "step " << step;
    for (const Text& line : listView.lines())
      ASSERT_EQ(splitFields(line, separator).size(), fields)
          << "step " << step << ": " << toUtf8(line) << " | "
          << toUtf8(window.state().list.headerEditor);
    changes += listView.lines() != before;
  }
  EXPECT_GT(loads, 3);
  EXPECT_GT(changes, 100);
}

}  // namespace
}  // namespace korvale
