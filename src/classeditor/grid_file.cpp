#include "classeditor/grid_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "base/encoding.h"
#include "base/files.h"

namespace korvale {

TextGrid::TextGrid(int columns, int rows)
    : columns_(std::max(columns, 0)),
      rows_(std::max(rows, 0)),
      cells_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_)) {}

const Text& TextGrid::cell(int column, int row) const {
  static const Text empty;
  if (!contains(column, row)) return empty;
  return cells_[static_cast<std::size_t>(row) * columns_ + column];
}

void TextGrid::setCell(int column, int row, Text text) {
  if (contains(column, row))
    cells_[static_cast<std::size_t>(row) * columns_ + column] = std::move(text);
}

void TextGrid::resize(int columns, int rows) {
  TextGrid resized(columns, rows);
  for (int row = 0; row < std::min(rows_, resized.rows_); ++row)
    for (int column = 0; column < std::min(columns_, resized.columns_); ++column)
      resized.setCell(column, row,
                      std::move(cells_[static_cast<std::size_t>(row) * columns_ + column]));
  *this = std::move(resized);
}

namespace GridFile_u {
namespace {

// A cell is code page 1252 as the program always wrote it; a name that code page cannot hold is
// kept in UTF-8, which is told apart by the same rule as a file's bytes. So is a cp1252 text
// whose bytes that rule would take for UTF-8 ("Ã©"): every cell reads back as it was written.
std::string encodeCell(const Text& text) {
  if (auto bytes = encodeCp1252(text); bytes && detectEncoding(*bytes) != Encoding::Utf8)
    return std::move(*bytes);
  return encodeUtf8(text);
}

Text decodeCell(std::string_view bytes) {
  return detectEncoding(bytes) == Encoding::Utf8 ? decodeUtf8(bytes) : decodeCp1252(bytes);
}

void putWord(std::string& bytes, std::size_t value) {
  bytes.push_back(static_cast<char>(value & 0xFF));
  bytes.push_back(static_cast<char>((value >> 8) & 0xFF));
}

// Reads the byte string front to back; every read says whether the bytes sufficed.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool word(std::size_t& value) {
    if (bytes_.size() - pos_ < 2) return false;
    value = static_cast<unsigned char>(bytes_[pos_]) |
            static_cast<std::size_t>(static_cast<unsigned char>(bytes_[pos_ + 1])) << 8;
    pos_ += 2;
    return true;
  }
  bool text(std::size_t length, Text& out) {
    if (bytes_.size() - pos_ < length) return false;
    out = decodeCell(bytes_.substr(pos_, length));
    pos_ += length;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

Status readHeader(Reader& reader, Dimensions& dimensions) {
  std::size_t highestRow = 0;
  std::size_t highestColumn = 0;
  if (!reader.word(highestRow) || !reader.word(highestColumn)) return Status::EndedEarly;
  if (highestRow >= kMaxDimension || highestColumn >= kMaxDimension) return Status::TooLarge;
  dimensions.rows = static_cast<int>(highestRow) + 1;
  dimensions.columns = static_cast<int>(highestColumn) + 1;
  return Status::Ok;
}

// At most `limit` bytes of a regular file; a FIFO or device planted under the name would block
// or never end, so only regular files are read.
std::optional<std::string> readFilePrefix(const Path& path, std::size_t limit) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  std::string bytes(std::min(limit, static_cast<std::size_t>(st.st_size)), '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;  // the file shrank meanwhile
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return bytes;
}

}  // namespace

Text describe(Status status) {
  switch (status) {
    case Status::Ok:
      return U"OK";
    case Status::CannotOpen:
      return U"Sitzplan-Datei nicht lesbar";
    case Status::CannotWrite:
      return U"Sitzplan-Datei nicht gespeichert";
    case Status::EndedEarly:
      return U"Sitzplan-Datei unvollständig";
    case Status::TooLarge:
      return U"Sitzplan größer als 8 x 8";
    case Status::CellTooLong:
      return U"Sitzplan-Zelle zu lang";
  }
  return Text();
}

Status encodeGrid(const TextGrid& grid, std::string& bytes) {
  if (grid.columns() < 1 || grid.rows() < 1 || grid.columns() > kMaxDimension ||
      grid.rows() > kMaxDimension)
    return Status::TooLarge;
  std::string out;
  putWord(out, static_cast<std::size_t>(grid.rows() - 1));
  putWord(out, static_cast<std::size_t>(grid.columns() - 1));
  for (int row = 0; row < grid.rows(); ++row) {
    for (int column = 0; column < grid.columns(); ++column) {
      const std::string text = encodeCell(grid.cell(column, row));
      // A longer text would wrap its 16-bit length and garble every cell after it.
      if (text.size() > kMaxCellBytes) return Status::CellTooLong;
      putWord(out, text.size());
      out += text;
    }
  }
  bytes = std::move(out);
  return Status::Ok;
}

Status decodeDimensions(std::string_view bytes, Dimensions& dimensions) {
  Reader reader(bytes);
  return readHeader(reader, dimensions);
}

Status decodeCells(std::string_view bytes, TextGrid& grid) {
  Reader reader(bytes);
  Dimensions stored;
  if (const Status status = readHeader(reader, stored); status != Status::Ok) return status;
  for (int row = 0; row < stored.rows; ++row) {
    for (int column = 0; column < stored.columns; ++column) {
      std::size_t length = 0;
      Text text;
      if (!reader.word(length) || !reader.text(length, text)) return Status::EndedEarly;
      grid.setCell(column, row, std::move(text));
    }
  }
  return Status::Ok;
}

Status saveGrid(const Path& path, const TextGrid& grid) {
  std::string bytes;
  if (const Status status = encodeGrid(grid, bytes); status != Status::Ok) return status;
  return writeFileAtomic(path, bytes) ? Status::Ok : Status::CannotWrite;
}

Status readGridDimensions(const Path& path, Dimensions& dimensions) {
  const std::optional<std::string> bytes = readFilePrefix(path, 4);
  if (!bytes) return Status::CannotOpen;
  return decodeDimensions(*bytes, dimensions);
}

Status loadGridCells(const Path& path, TextGrid& grid) {
  const std::optional<std::string> bytes = readFilePrefix(path, kMaxFileBytes);
  if (!bytes) return Status::CannotOpen;
  return decodeCells(*bytes, grid);
}

}  // namespace GridFile_u
}  // namespace korvale
