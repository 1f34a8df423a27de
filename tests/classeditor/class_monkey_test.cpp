// Random use of every menu entry, the mouse on the list, the plan and the help text, and typing
// into cells, with random answers: whatever the order, the window neither crashes nor breaks its
// plan, and it writes no file but the lists the dialogs chose and the plans beside them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <random>
#include <set>

#include "base/files.h"
#include "classeditor/class_window.h"
#include "support/memory_text_editor.h"
#include "support/random_dialogs.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"
#include "support/test_host.h"

namespace korvale {
namespace {

// The names of the files in a folder and its subfolders, with their bytes.
void snapshot(const Path& folder, const std::string& prefix,
              std::map<std::string, std::string>& files) {
  for (const std::string& name : sortedFileNames(folder)) {
    const Path path = folder.join(Path(name));
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode))
      snapshot(path, prefix + name + "/", files);
    else
      files[prefix + name] = S_ISREG(st.st_mode) ? readFileBytes(path).value_or("?") : "special";
  }
}

TEST(ClassEditorRandomUse, KeepsThePlanSoundAndWritesOnlyWhatWasChosen) {
  TempFolder root;
  const Path lists = root / "listen";
  ASSERT_TRUE(createDirectory(lists));
  ASSERT_TRUE(createDirectory(root / "anderswo"));
  ASSERT_TRUE(writeFileAtomic(root / "anderswo/klasse.txt", "Huber Anna\r\n"));
  const auto write = [&](const std::string& name, const std::string& bytes) {
    EXPECT_TRUE(writeFileAtomic(lists.join(Path(name)), bytes));
    return lists.join(Path(name));
  };
  const Path fifo = lists.join(Path("fifo.txt"));
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const Path link = lists.join(Path("link.txt"));
  ASSERT_EQ(symlink("../anderswo/klasse.txt", link.c_str()), 0);
  const std::vector<Path> files = {
      write("2a.txt", "Huber Anna\r\nRuß Tom\r\nÖz\tAyşe\r\n"),
      write("2b.rtf", "{\\rtf1\\ansi {\\b Z\\'fcrcher} Lena\\par Nowak Ewa\\par}"),
      write("2b.tab", std::string("\x01\x00\x00\x00\x03\x00"
                                  " AB\x00\x00",
                                  10)),
      write("kaputt.tab", "\x07\x00\x07"),
      write("kaputt.txt", "Weiß Noah\r\n"),
      write("binaer.txt", std::string("\x7F"
                                      "ELF\0\0",
                                      6)),
      write("lang.txt", std::string(kMaxLineBytes + 10, 'a')),
      write("leer.txt", ""),
      lists.join(Path("neu.txt")),
      lists.join(Path("neu.2.txt")),
      lists.join(Path("ohnepunkt")),
      lists.join(Path("fehlt/x.txt")),
      lists.join(Path("tabelle.xls")),
      lists,
      fifo,
      link,
  };
  std::map<std::string, std::string> before;
  snapshot(root.path(), "", before);

  std::mt19937 random(20261208);
  RandomDialogs answers(random, files,
                        {U"1", U"2", U"3", U"0", U"9", U"x", U"", U" 4 ", U"#tab?;", U"a?", U"?x",
                         U"e?e?E", U";?#TAB", U"#TAB?#tab"});
  MemoryTextEditor list;
  RecordingPrinter printer;
  MemoryClipboard clipboard;
  RecordingShell shell;
  RecordingCanvas surface;
  TestHost host;
  ClassEditorWindow window{
      ClassWindowPorts{list, answers, printer, clipboard, shell, surface, host, Screen{}, lists}};
  window.opened();
  const auto any = [&](int n) {
    return static_cast<int>(answers.pick(static_cast<std::size_t>(n)));
  };
  for (int step = 0; step < 3000; ++step) {
    const int roll = any(10);
    if (roll < 5) {
      std::vector<const MenuItem*> entries;
      for (const MenuItem& item : window.menu())
        if (item.enabled && !item.isSeparator() && item.entry != U"Beenden")
          entries.push_back(&item);
      const MenuItem& item = *entries[answers.pick(entries.size())];
      if (!item.entry.empty()) window.menuOpened(item.menu);
      const auto action = item.action;
      action();
    } else if (roll == 5) {
      // A marking anywhere, also beyond the ends of lines and of the list.
      const int lines = list.lineCount() + 2;
      list.setSelection({any(lines), any(20)}, {any(lines), any(20)});
      window.textClicked();
    } else if (roll == 6) {
      window.cellPressed("plan", any(10) - 1, any(10) - 1);
    } else if (roll == 7) {
      window.cellDoubleClicked("plan", any(10) - 1, any(10) - 1);
    } else if (roll == 8) {
      window.cellEdited("plan", any(10) - 1, any(10) - 1, any(2) ? U"Tafel" : Text());
    } else if (window.panels()[1].visible) {
      window.panelDoubleClicked("help");
    }
    const Panel plan = window.panels()[0];
    ASSERT_TRUE(plan.columns >= 1 && plan.columns <= 8) << "step " << step;
    ASSERT_TRUE(plan.rows >= 1 && plan.rows <= 8) << "step " << step;
    ASSERT_EQ(plan.cells.size(), static_cast<std::size_t>(plan.columns * plan.rows));
    ASSERT_EQ(plan.rowHeights.size(), static_cast<std::size_t>(plan.rows));
  }

  // Only lists the dialogs chose were written, and plans beside them; nothing outside the list
  // folder changed, the FIFO and the link are still what they were.
  std::map<std::string, std::string> after;
  snapshot(root.path(), "", after);
  EXPECT_GT(after.size(), before.size()) << "no list or plan was ever saved";
  // Each chosen path, the file a chosen link leads to, and the plan file beside each (".tab" for
  // a name without a point, or for no list at all).
  std::set<std::string> chosen{"anderswo/klasse.txt", "listen/.tab"};
  for (const Path& file : files) {
    const std::string name = file.fileName().bytes();
    const std::string folder = file.folder().bytes().substr(root.path().bytes().size());
    const std::string prefix = folder.empty() ? "" : folder.substr(1) + "/";
    const std::size_t point = name.find('.');
    chosen.insert(prefix + name);
    chosen.insert(prefix + (point == std::string::npos ? "" : name.substr(0, point)) + ".tab");
  }
  for (const auto& [name, bytes] : after) {
    if (before.count(name) > 0 && before[name] == bytes) continue;
    EXPECT_TRUE(chosen.count(name) > 0) << name << " was written";
  }
  struct stat st {};
  EXPECT_TRUE(::lstat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
  EXPECT_TRUE(isSymlink(link));
  EXPECT_FALSE(printer.jobs.empty());
}

}  // namespace
}  // namespace korvale
