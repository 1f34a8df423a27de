// Random use of every button, key, edit and click of the List tools window with random answers:
// whatever the order, nothing crashes, a saved list holds every record the window showed, and
// nothing is written but the files the user chose.
#include <map>
#include <random>
#include <set>

#include "base/files.h"
#include "listtools/list_tools_window.h"
#include "support/memory_text_editor.h"
#include "support/temp_folder.h"
#include "support/test_ports.h"
#include "ui/ports/shell.h"

namespace korvale {
namespace {

class RandomDialogs : public Dialogs {
 public:
  RandomDialogs(std::mt19937& random, std::vector<Path> opened, std::vector<Path> saved)
      : random_(random), opened_(std::move(opened)), saved_(std::move(saved)) {}

  void message(const Text&) override {}
  void error(const Text&, const Text&, Icon) override {}
  bool confirm(const Text&) override { return pick(4) != 0; }
  bool question(const Text&, const Text&, Icon) override { return coin(); }
  std::optional<Text> input(const Text&, const Text&, const Text& defaultText) override {
    static const char* const answers[] = {"1", "2", "3", "0", "25", "tab", ";", ",", "x", "-1"};
    switch (pick(4)) {
      case 0:
        return std::nullopt;
      case 1:
        return defaultText;
      default:
        return fromUtf8(answers[pick(std::size(answers))]);
    }
  }
  std::optional<Path> openFile(const Text&, const Path&) override { return from(opened_); }
  std::optional<Path> saveFile(const Text&, const Path&, const Path&) override {
    return from(saved_);
  }
  std::optional<FontChoice> font(const FontChoice&) override { return std::nullopt; }
  bool print() override { return coin(); }
  void printerSetup() override {}

  std::size_t pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }

 private:
  bool coin() { return pick(2) == 0; }
  std::optional<Path> from(const std::vector<Path>& files) {
    if (pick(6) == 0) return std::nullopt;
    return files[pick(files.size())];
  }

  std::mt19937& random_;
  std::vector<Path> opened_;
  std::vector<Path> saved_;
};

class ClosingHost : public WindowHost {
 public:
  void openModal(const WindowId&) override {}
  void close(const WindowId&) override { ++closes; }
  int closes = 0;
};

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
  RandomDialogs answers(random, opened, saved);
  MemoryTextEditor listView;
  TestCursor cursor;
  RecordingShell shell;
  ClosingHost host;
  Path workingFolder = folder.path();
  ListToolsWindow window(ListToolsPorts{listView, answers, cursor, shell, host, workingFolder,
                                        FolderChoice{demo, folder.path()}, Screen{}});
  window.opened();
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
    if (host.closes > 0) {
      window.closed();
      window.opened();
      host.closes = 0;
    }
  }
  EXPECT_GT(saves, 0);
  EXPECT_GT(masks, 0);
  EXPECT_GT(newLists, 0);
  EXPECT_GT(records, 3);
  // Nothing but the chosen files: no temporary file left behind, nothing beside them.
  for (const Path& f : {folder.path(), demo})
    for (const std::string& name : filesIn(f)) EXPECT_TRUE(allowed.count(name)) << name;
  for (const Path& p : shell.opened) EXPECT_EQ(p, demo.join(Path("bild.jpg")));
}

}  // namespace
}  // namespace korvale
