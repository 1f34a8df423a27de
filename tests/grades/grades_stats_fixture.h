// The statistics commands on the Grades editor, with a list shown as the database or a plain text.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "csvlist/field_table.h"
#include "grades_fixture.h"

namespace korvale {

using Lines = std::vector<Text>;

class StatsTest : public ::testing::Test, protected GradesOnMemoryPorts {
 protected:
  // The lines as the Grades editor shows a loaded list: the table closed by "#".
  void showDatabase(const Lines& lines) {
    editor.setLines(lines);
    const int records = static_cast<int>(lines.size()) - 1;  // header and records, not "#"
    list.table = buildFieldTable(lines[0], records > 1 ? &lines[1] : nullptr, ';', records);
    ctx.db.listLoaded = true;
    ctx.db.mode = DatabasePart::Mode::Shown;
  }
  void showText(const Lines& lines) {
    editor.setLines(lines);
    ctx.db.listLoaded = false;
    ctx.db.mode = DatabasePart::Mode::None;
  }

  void run1() { statistics1Command(ctx); }
  void run2() { statistics2Command(ctx); }
  void runN() { statisticsNCommand(ctx); }

  // The lines after the end marker.
  Lines output() const {
    const Lines all = editor.lines();
    for (std::size_t i = 0; i < all.size(); ++i)
      if (all[i] == U"#") return Lines(all.begin() + static_cast<long>(i) + 1, all.end());
    return {};
  }

  ListState& list = ctx.db.list;
  StatsState& state = ctx.stats;
};

// A school-mark list with absent marks and a supplementary column.
inline const Lines kGradesList = {U"NAMEN;M1;M2;ZUSATZ;",
                                  U"Anna ;1;2;gut;",
                                  U"Ben  ;2;a;x;",
                                  U"Cora ;3;3;;",
                                  U"Dirk ;a;4;y;",
                                  U"Emil ;5;5;z;",
                                  U"#"};

// An ordinary list of numbers and texts.
inline const Lines kNumericList = {U"Nummer;Zuname;Gewicht;Groesse;",
                                   U"1;Albers;61;168;",
                                   U"2;Brückner;84;182;",
                                   U"3;Claasen;58;165;",
                                   U"4;Dietrich;77;179;",
                                   U"#"};

}  // namespace korvale
