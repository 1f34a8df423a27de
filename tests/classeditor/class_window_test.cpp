// What the Class editor's window shows beyond the scenarios' reach: its size on a screen, the
// plan as the view draws it, the help text hidden by every opening and by the file menus, and
// text typed into a cell.
#include <gtest/gtest.h>

#include "classeditor/class_commands.h"
#include "classeditor/class_window.h"
#include "support/memory_text_editor.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"
#include "support/test_host.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

class ClassWindowTest : public ::testing::Test {
 protected:
  Panel panel(const std::string& name) {
    for (const Panel& p : window.panels())
      if (p.name == name) return p;
    ADD_FAILURE() << "no panel " << name;
    return {};
  }
  void invoke(const Text& menu, const Text& entry) {
    for (const MenuItem& item : window.menu())
      if (item.menu == menu && item.entry == entry) {
        if (!entry.empty()) window.menuOpened(menu);
        item.action();
        return;
      }
    ADD_FAILURE() << "no entry " << toUtf8(entry);
  }

  TempFolder folder;
  MemoryTextEditor list;
  TestDialogs dialogs;
  RecordingPrinter printer;
  MemoryClipboard clipboard;
  RecordingShell shell;
  RecordingCanvas surface;
  TestHost host;
  ClassEditorWindow window{ClassWindowPorts{list, dialogs, printer, clipboard, shell, surface, host,
                                            Screen{}, folder.path()}};
};

TEST(ClassEditorFit, ScalesThePlanAndFontsAsTheStartWindowDoes) {
  struct Case {
    Screen screen;
    int planWidth, planHeight, listWidth, windowFont, planFont;
  };
  const Case cases[] = {
      {{1024, 768, 96}, 784, 660, 209, 12, 10},
      {{1280, 1024, 96}, 980, 825, 261, 15, 13},
      {{1920, 1080, 96}, 1103, 928, 294, 17, 14},
      {{1920, 1080, 120}, 882, 743, 235, 14, 11},
  };
  for (const Case& c : cases) {
    const ClassEditorFit fit = classEditorFit(c.screen);
    EXPECT_EQ(fit.planWidth, c.planWidth) << c.screen.width;
    EXPECT_EQ(fit.planHeight, c.planHeight) << c.screen.width;
    EXPECT_EQ(fit.listWidth, c.listWidth) << c.screen.width;
    EXPECT_EQ(fit.windowFontSize, c.windowFont) << c.screen.width;
    EXPECT_EQ(fit.planFontSize, c.planFont) << c.screen.width;
  }
}

TEST_F(ClassWindowTest, ThePlanIsAPaleYellowGridWithDoubleLinesAndEvenCells) {
  EXPECT_EQ(window.objectName(), "TForm1");
  EXPECT_EQ(window.background(), 0x647896u);
  const Panel plan = panel("plan");
  EXPECT_EQ(plan.kind, Panel::Kind::Grid);
  EXPECT_EQ(plan.background, kTooltipBackground);
  EXPECT_EQ(plan.gridLineWidth, 2);
  EXPECT_TRUE(plan.editableCells);
  EXPECT_FALSE(plan.wrapCells);
  EXPECT_EQ(plan.width, 784);
  EXPECT_EQ(plan.height, 660);
  EXPECT_EQ(plan.font.family, U"Times New Roman");
  EXPECT_TRUE(plan.font.bold);
  EXPECT_EQ(plan.columnWidths, std::vector<int>(8, (784 - 24) / 8));
  EXPECT_EQ(plan.rowHeights, std::vector<int>(8, (660 - 24) / 8));
  ASSERT_EQ(plan.cells.size(), 64u);
  for (const Panel::Cell& cell : plan.cells) EXPECT_EQ(cell.background, kTooltipBackground);

  dialogs.text(U"3");
  invoke(U"Bearbeiten", U"Spalten");
  EXPECT_EQ(panel("plan").columnWidths, std::vector<int>(3, (784 - 24) / 3));
  EXPECT_EQ(panel("plan").cells.size(), 24u);
}

TEST_F(ClassWindowTest, WordWrapGrowsTheRowsOfLongNamesAndTellsTheView) {
  // 7 pixels a character in 95-pixel cells: each of these first names takes a line of its own.
  const Text name = U"Oberhollenzer Maximilian Konstantin Friedrich Leopold Ferdinand Alexander";
  list.setLines({name});
  list.setSelection({0, 0}, {0, static_cast<int>(name.size())});
  window.textClicked();
  window.cellPressed("plan", 2, 3);
  invoke(U"Bearbeiten", U"WordWrap");
  const Panel plan = panel("plan");
  EXPECT_TRUE(plan.wrapCells);
  EXPECT_GT(plan.rowHeights[3], (660 - 24) / 8);
  EXPECT_EQ(plan.rowHeights[2], (660 - 24) / 8);
  invoke(U"Bearbeiten", U"WordWrap");
  EXPECT_FALSE(panel("plan").wrapCells);
  // Rows never shrink at the toggle; "Zeilen" puts them back.
  EXPECT_EQ(panel("plan").rowHeights[3], plan.rowHeights[3]);
  dialogs.text(U"8");
  invoke(U"Bearbeiten", U"Zeilen");
  EXPECT_EQ(panel("plan").rowHeights[3], (660 - 24) / 8);
}

TEST_F(ClassWindowTest, TheHelpTextHidesAtEveryOpeningAndWhenAFileMenuOpens) {
  EXPECT_FALSE(panel("help").visible);
  const auto toggle = [this] { invoke(U"Hilfe", Text()); };
  toggle();
  EXPECT_TRUE(panel("help").visible);
  EXPECT_EQ(panel("help").lines, classHelpText());
  window.opened();
  EXPECT_FALSE(panel("help").visible);
  for (const char32_t* menu : {U"Datei", U"Bearbeiten"}) {
    toggle();
    window.menuOpened(menu);
    EXPECT_FALSE(panel("help").visible) << toUtf8(menu);
  }
  toggle();
  window.menuOpened(U"Hilfe");
  EXPECT_TRUE(panel("help").visible);
}

TEST_F(ClassWindowTest, ThePrintPanelShowsTheListOnlyWhileThePlanIsPrinted) {
  list.setLines({U"Huber Anna", U"Ruß Tom"});
  bool shownAtDialog = false;
  window.changed = [&] {
    if (panel("printPanel").visible) shownAtDialog = true;
  };
  dialogs.cancel();
  invoke(U"Datei", U"Drucken T");
  EXPECT_TRUE(shownAtDialog);
  EXPECT_FALSE(panel("printPanel").visible);
  EXPECT_TRUE(printer.jobs.empty());
  dialogs.ok();
  invoke(U"Datei", U"Drucken T");
  ASSERT_EQ(printer.jobs.size(), 1u);
  EXPECT_EQ(printer.jobs[0].orientation, Orientation::Landscape);
  // The picture is the window's: plan, gap and list column.
  EXPECT_GT(surface.width(), 784 + 209);
  EXPECT_EQ(panel("printPanel").lines, (std::vector<Text>{U"Huber Anna", U"Ruß Tom"}));
}

TEST_F(ClassWindowTest, TextTypedIntoACellStaysAndIsSavedWithThePlan) {
  window.cellEdited("plan", 4, 0, U"Tafel");
  window.cellEdited("plan", 4, 9, U"nirgends");
  EXPECT_EQ(panel("plan").cells[4].text, U"Tafel");
  dialogs.file(folder / "k.txt");
  invoke(U"Datei", U"Speichern");
  window.cellEdited("plan", 4, 0, U"");
  dialogs.cancel();
  invoke(U"Datei", U"Laden");
  EXPECT_EQ(panel("plan").cells[4].text, U"Tafel");
  EXPECT_EQ(window.controls()[0].caption, U"k.txt");
}

TEST_F(ClassWindowTest, BeendenClosesTheWindowAndKeepsItsState) {
  list.setLines({U"Huber Anna"});
  invoke(U"Datei", U"Beenden");
  EXPECT_EQ(host.closed, (std::vector<std::string>{"classeditor"}));
  window.opened();
  EXPECT_EQ(list.lines(), (std::vector<Text>{U"Huber Anna"}));
}

}  // namespace
}  // namespace korvale
