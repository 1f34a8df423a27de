// The Class editor's commands on in-memory ports, in a fresh folder of their own.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "base/files.h"
#include "classeditor/class_commands.h"
#include "support/memory_text_editor.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"
#include "support/test_ports.h"

namespace korvale {

// Every character 7 pixels wide, every line 13 high, whatever the font.
class FixedMeasure : public TextMeasure {
 public:
  int textWidth(const Text& text, const FontChoice&) override {
    return 7 * static_cast<int>(text.size());
  }
  int lineHeight(const FontChoice&) override { return 13; }
};

class ClassEditorTest : public ::testing::Test {
 protected:
  // The plan of the design screen: 784 x 660 pixels.
  static constexpr int kPlanWidth = 784;
  static constexpr int kPlanHeight = 660;

  Path write(const std::string& name, const std::string& bytes) {
    const Path path = folder / name;
    EXPECT_TRUE(writeFileAtomic(path, bytes));
    return path;
  }
  std::string bytesOf(const std::string& name) {
    return readFileBytes(folder / name).value_or("<missing>");
  }
  void answerFont(const FontChoice& font) {
    dialogs.queue({ScriptAnswer::Kind::Font, Text(), Path(), font});
  }
  void setList(std::initializer_list<Text> lines) { list.setLines(std::vector<Text>(lines)); }
  // Marks a whole line of the list and releases the mouse over it.
  void markLine(int line) {
    list.mark({line, 0}, {line, static_cast<int>(list.line(line).size())});
    listMarked(cx);
  }

  TempFolder folder;
  MemoryTextEditor list;
  TestDialogs dialogs;
  RecordingPrinter printer;
  MemoryClipboard clipboard;
  RecordingShell shell;
  FixedMeasure measure;
  ClassContext cx{
      {list, dialogs, printer, clipboard, shell, measure}, kPlanWidth, kPlanHeight, folder.path()};
};

}  // namespace korvale
