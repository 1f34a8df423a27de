// The seating plan's grid file (".tab"): the grid's highest row and column index, then every
// cell text row by row, each with its byte length. All counts and lengths are 16-bit
// little-endian; there is no header, so the reader checks every count against what it can hold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/path.h"
#include "base/text.h"

namespace korvale {

// A rectangle of cp1252 text cells addressed (column, row), both from 0.
class TextGrid {
 public:
  explicit TextGrid(int columns = 8, int rows = 8);

  int columns() const { return columns_; }
  int rows() const { return rows_; }
  bool contains(int column, int row) const {
    return column >= 0 && row >= 0 && column < columns_ && row < rows_;
  }
  // Cells outside the grid read as empty; writes to them are dropped.
  const Text& cell(int column, int row) const;
  void setCell(int column, int row, Text text);
  // Cells inside both the old and the new rectangle keep their texts.
  void resize(int columns, int rows);

  bool operator==(const TextGrid&) const = default;

 private:
  int columns_;
  int rows_;
  std::vector<Text> cells_;  // row by row
};

namespace GridFile_u {

// The Class editor's plan is never larger than this, so a file claiming more is damaged.
inline constexpr int kMaxDimension = 8;
inline constexpr std::size_t kMaxCellBytes = 65535;
// The largest well-formed file; reading never takes more than this from disk.
inline constexpr std::size_t kMaxFileBytes =
    4 + kMaxDimension * kMaxDimension * (2 + kMaxCellBytes);

enum class Status {
  Ok,
  CannotOpen,   // missing, unreadable or not a regular file
  CannotWrite,  // the save failed; an older file stays as it was
  EndedEarly,   // shorter than the counts and lengths in it demand
  TooLarge,     // more than kMaxDimension columns or rows (or none at all, when saving)
  CellTooLong,  // a cell text longer than a 16-bit length can say
};

// A short German text for the error display.
Text describe(Status status);

struct Dimensions {
  int columns = 0;
  int rows = 0;
};

// The file's bytes for a grid of 1 to kMaxDimension columns and rows; nothing is produced for a
// grid the file cannot hold.
Status encodeGrid(const TextGrid& grid, std::string& bytes);
Status decodeDimensions(std::string_view bytes, Dimensions& dimensions);
// Assigns the stored cells to the grid without resizing it: cells outside the stored rectangle
// keep their texts, stored cells outside the grid are passed over. When the bytes end early,
// the cells read up to there stay assigned.
Status decodeCells(std::string_view bytes, TextGrid& grid);

// The same on a file. A save replaces the file atomically, so a failed save keeps the old one.
Status saveGrid(const Path& path, const TextGrid& grid);
Status readGridDimensions(const Path& path, Dimensions& dimensions);
Status loadGridCells(const Path& path, TextGrid& grid);

}  // namespace GridFile_u
}  // namespace korvale
