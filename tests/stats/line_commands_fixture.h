// The line commands on in-memory ports.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "stats/line_commands.h"
#include "support/memory_text_editor.h"
#include "support/recording_canvas.h"
#include "support/test_ports.h"

namespace korvale {

using Lines = std::vector<Text>;

class LineCommandsTest : public ::testing::Test {
 protected:
  MemoryTextEditor editor;
  TestDialogs dialogs;
  TestKeyState keys;
  RecordingPrinter printer;
  RecordingCanvas canvas{428, 428};
  VariableTable variables;
  StatsState stats;
  LineCommandContext context{editor, dialogs, keys, printer, canvas, variables, stats};
};

}  // namespace korvale
