#include "classeditor/grid_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "base/files.h"
#include "support/temp_folder.h"

namespace korvale {
namespace {

using namespace GridFile_u;

std::string bytesOf(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes.push_back(static_cast<char>(v));
  return bytes;
}

TextGrid gridOf(int columns, int rows, std::initializer_list<Text> rowByRow) {
  TextGrid grid(columns, rows);
  int i = 0;
  for (const Text& text : rowByRow) {
    grid.setCell(i % columns, i / columns, text);
    ++i;
  }
  return grid;
}

struct EncodeCase {
  const char* what;
  TextGrid grid;
  std::string bytes;
};

TEST(GridFileEncoding, ByteLayouts) {
  std::string empty8x8 = bytesOf({7, 0, 7, 0});
  empty8x8.append(128, '\0');
  ASSERT_EQ(empty8x8.size(), 132u);
  const EncodeCase cases[] = {
      {"one cell", gridOf(1, 1, {U"A"}), bytesOf({0, 0, 0, 0, 1, 0, 'A'})},
      {"rows before columns, cells row by row", gridOf(3, 2, {U"a", U"b", U"", U"d", U"ee", U"f"}),
       bytesOf({1, 0, 2, 0, 1, 0, 'a', 1, 0, 'b', 0, 0, 1, 0, 'd', 2, 0, 'e', 'e', 1, 0, 'f'})},
      {"empty 8 x 8", TextGrid(8, 8), empty8x8},
      {"umlauts stay single bytes", gridOf(1, 1, {U"Größe"}),
       bytesOf({0, 0, 0, 0, 5, 0, 'G', 'r', 0xF6, 0xDF, 'e'})},
      {"a name cp1252 lacks is kept in UTF-8", gridOf(1, 1, {U"Ayşe"}),
       bytesOf({0, 0, 0, 0, 5, 0, 'A', 'y', 0xC5, 0x9F, 'e'})},
      {"cp1252 bytes that would read as UTF-8 are written as UTF-8", gridOf(1, 1, {U"Ã©"}),
       bytesOf({0, 0, 0, 0, 4, 0, 0xC3, 0x83, 0xC2, 0xA9})},
  };
  for (const EncodeCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string bytes;
    ASSERT_EQ(encodeGrid(c.grid, bytes), Status::Ok);
    EXPECT_EQ(bytes, c.bytes);

    TextGrid back(c.grid.columns(), c.grid.rows());
    back.setCell(0, 0, U"stale");
    ASSERT_EQ(decodeCells(bytes, back), Status::Ok);
    EXPECT_EQ(back, c.grid);
  }
}

TEST(GridFileEncoding, LengthsAreLittleEndian) {
  const Text longText(0x0102, 'x');
  std::string bytes;
  ASSERT_EQ(encodeGrid(gridOf(1, 1, {longText}), bytes), Status::Ok);
  EXPECT_EQ(bytes.substr(4, 2), bytesOf({0x02, 0x01}));
  EXPECT_EQ(bytes.size(), 4u + 2u + 0x0102u);
}

TEST(GridFileEncoding, RefusesWhatTheFileCannotHold) {
  std::string bytes = "untouched";
  EXPECT_EQ(encodeGrid(TextGrid(9, 1), bytes), Status::TooLarge);
  EXPECT_EQ(encodeGrid(TextGrid(1, 9), bytes), Status::TooLarge);
  EXPECT_EQ(encodeGrid(TextGrid(0, 3), bytes), Status::TooLarge);
  EXPECT_EQ(encodeGrid(gridOf(2, 1, {U"", Text(65536, 'x')}), bytes), Status::CellTooLong);
  EXPECT_EQ(bytes, "untouched");
  EXPECT_EQ(encodeGrid(gridOf(1, 1, {Text(65535, 'x')}), bytes), Status::Ok);
}

TEST(GridFileDimensions, FromTheFirstTwoWords) {
  Dimensions d;
  ASSERT_EQ(decodeDimensions(bytesOf({1, 0, 2, 0}), d), Status::Ok);
  EXPECT_EQ(d.columns, 3);
  EXPECT_EQ(d.rows, 2);
  // Only the counts are read: missing cell records do not matter here.
  ASSERT_EQ(decodeDimensions(bytesOf({7, 0, 0, 0, 9}), d), Status::Ok);
  EXPECT_EQ(d.columns, 1);
  EXPECT_EQ(d.rows, 8);
}

struct DamagedCase {
  const char* what;
  std::string bytes;
  Status dimensions;
  Status cells;
  std::vector<Text> cellsAfter;  // row 0 of a 2 x 2 grid prefilled with "old", then row 1
};

TEST(GridFileDamaged, RefusedWithCellsReadSoFarKept) {
  const Text o = U"old";
  const DamagedCase cases[] = {
      {"empty file", "", Status::EndedEarly, Status::EndedEarly, {o, o, o, o}},
      {"half a count", bytesOf({1, 0, 1}), Status::EndedEarly, Status::EndedEarly, {o, o, o, o}},
      {"nine rows", bytesOf({8, 0, 0, 0, 0, 0}), Status::TooLarge, Status::TooLarge, {o, o, o, o}},
      {"nine columns", bytesOf({0, 0, 8, 0}), Status::TooLarge, Status::TooLarge, {o, o, o, o}},
      {"huge counts",
       bytesOf({0xFF, 0xFF, 0xFF, 0xFF}),
       Status::TooLarge,
       Status::TooLarge,
       {o, o, o, o}},
      {"cells missing", bytesOf({1, 0, 1, 0}), Status::Ok, Status::EndedEarly, {o, o, o, o}},
      {"length cut",
       bytesOf({1, 0, 1, 0, 1, 0, 'a', 1}),
       Status::Ok,
       Status::EndedEarly,
       {U"a", o, o, o}},
      {"text cut",
       bytesOf({1, 0, 1, 0, 1, 0, 'a', 0, 0, 3, 0, 'x', 'y'}),
       Status::Ok,
       Status::EndedEarly,
       {U"a", U"", o, o}},
      {"length far beyond the end",
       bytesOf({0, 0, 0, 0, 0xFF, 0xFF, 'x'}),
       Status::Ok,
       Status::EndedEarly,
       {o, o, o, o}},
      {"bytes after the last cell",
       bytesOf({0, 0, 0, 0, 1, 0, 'a', 'z', 'z'}),
       Status::Ok,
       Status::Ok,
       {U"a", o, o, o}},
  };
  for (const DamagedCase& c : cases) {
    SCOPED_TRACE(c.what);
    Dimensions d;
    EXPECT_EQ(decodeDimensions(c.bytes, d), c.dimensions);
    TextGrid grid(2, 2);
    for (int i = 0; i < 4; ++i) grid.setCell(i % 2, i / 2, o);
    EXPECT_EQ(decodeCells(c.bytes, grid), c.cells);
    EXPECT_EQ(
        (std::vector<Text>{grid.cell(0, 0), grid.cell(1, 0), grid.cell(0, 1), grid.cell(1, 1)}),
        c.cellsAfter);
  }
}

class GridFileOnDisk : public ::testing::Test {
 protected:
  Path path(const std::string& name) const { return dir.join(Path(name)); }
  TempFolder temp;
  Path dir = temp.path();
};

TEST_F(GridFileOnDisk, SavedPlanReadsBack) {
  const TextGrid plan = gridOf(3, 2, {U"Bauer Lena", U"", U"Öztürk Ali", U"x", U"", U"Maaß Ida"});
  ASSERT_EQ(saveGrid(path("5a.tab"), plan), Status::Ok);
  EXPECT_EQ(readFileBytes(path("5a.tab"))->substr(0, 4), bytesOf({1, 0, 2, 0}));

  Dimensions d;
  ASSERT_EQ(readGridDimensions(path("5a.tab"), d), Status::Ok);
  EXPECT_EQ(d.columns, 3);
  EXPECT_EQ(d.rows, 2);
  TextGrid loaded(d.columns, d.rows);
  ASSERT_EQ(loadGridCells(path("5a.tab"), loaded), Status::Ok);
  EXPECT_EQ(loaded, plan);
}

TEST_F(GridFileOnDisk, SmallFileChangesOnlyItsCornerOfALargerGrid) {
  ASSERT_EQ(saveGrid(path("small.tab"), gridOf(2, 2, {U"a", U"b", U"", U"d"})), Status::Ok);
  TextGrid grid(8, 8);
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 8; ++column) grid.setCell(column, row, U"keep");
  ASSERT_EQ(loadGridCells(path("small.tab"), grid), Status::Ok);
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      const char32_t* expected = U"keep";
      if (row < 2 && column < 2)
        expected = row == 0 ? (column == 0 ? U"a" : U"b") : (column == 0 ? U"" : U"d");
      EXPECT_EQ(grid.cell(column, row), expected) << column << "," << row;
    }
  }
}

TEST_F(GridFileOnDisk, LargerFileFillsOnlyTheCellsTheGridHas) {
  ASSERT_EQ(saveGrid(path("big.tab"),
                     gridOf(3, 3, {U"1", U"2", U"3", U"4", U"5", U"6", U"7", U"8", U"9"})),
            Status::Ok);
  TextGrid grid(2, 1);
  ASSERT_EQ(loadGridCells(path("big.tab"), grid), Status::Ok);
  EXPECT_EQ(grid, gridOf(2, 1, {U"1", U"2"}));
}

TEST_F(GridFileOnDisk, FailuresLeaveFilesAndGridAlone) {
  Dimensions d;
  TextGrid grid(1, 1);
  grid.setCell(0, 0, U"mine");
  EXPECT_EQ(readGridDimensions(path("missing.tab"), d), Status::CannotOpen);
  EXPECT_EQ(loadGridCells(path("missing.tab"), grid), Status::CannotOpen);
  EXPECT_EQ(loadGridCells(dir, grid), Status::CannotOpen);  // a folder is no grid file
  ASSERT_EQ(mkfifo(path("fifo.tab").c_str(), 0600), 0);
  EXPECT_EQ(loadGridCells(path("fifo.tab"), grid), Status::CannotOpen);
  EXPECT_EQ(grid.cell(0, 0), U"mine");

  EXPECT_EQ(saveGrid(path("no/such/folder.tab"), grid), Status::CannotWrite);

  // A refused save keeps the file that was there.
  ASSERT_EQ(saveGrid(path("plan.tab"), grid), Status::Ok);
  const auto before = readFileBytes(path("plan.tab"));
  EXPECT_EQ(saveGrid(path("plan.tab"), gridOf(1, 1, {Text(70000, 'x')})), Status::CellTooLong);
  ASSERT_TRUE(setReadOnly(path("plan.tab"), true));
  EXPECT_EQ(saveGrid(path("plan.tab"), gridOf(1, 1, {U"new"})), Status::CannotWrite);
  EXPECT_EQ(readFileBytes(path("plan.tab")), before);
}

TEST_F(GridFileOnDisk, TruncatedFileKeepsTheCellsReadSoFar) {
  ASSERT_EQ(saveGrid(path("plan.tab"), gridOf(2, 1, {U"left", U"right"})), Status::Ok);
  std::string bytes = *readFileBytes(path("plan.tab"));
  bytes.resize(bytes.size() - 2);
  ASSERT_TRUE(writeFileAtomic(path("plan.tab"), bytes));
  TextGrid grid(2, 1);
  grid.setCell(1, 0, U"old");
  EXPECT_EQ(loadGridCells(path("plan.tab"), grid), Status::EndedEarly);
  EXPECT_EQ(grid, gridOf(2, 1, {U"left", U"old"}));
}

TEST(TextGrid, ResizeKeepsTheOverlap) {
  TextGrid grid = gridOf(3, 2, {U"a", U"b", U"c", U"d", U"e", U"f"});
  grid.resize(2, 3);
  EXPECT_EQ(grid, gridOf(2, 3, {U"a", U"b", U"d", U"e", U"", U""}));
  EXPECT_EQ(grid.cell(5, 0), U"");
  grid.setCell(-1, 0, U"ignored");
  EXPECT_EQ(grid, gridOf(2, 3, {U"a", U"b", U"d", U"e", U"", U""}));
}

}  // namespace
}  // namespace korvale
