// The line commands on the Grades editor.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "grades_fixture.h"

namespace korvale {

using Lines = std::vector<Text>;

class LineCommandsTest : public ::testing::Test, protected GradesOnMemoryPorts {
 protected:
  StatsState& stats = ctx.stats;
  GradesContext& context = ctx;
};

}  // namespace korvale
