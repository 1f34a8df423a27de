// A file-system name: the bytes the system hands out and takes (UTF-8 names on Linux), with "/"
// between folders. It is a type of its own so that a name never passes for label text, nor a
// field's text for a name: both ways go through fromText() and displayText().
#pragma once

#include <compare>
#include <iosfwd>
#include <string>
#include <string_view>

#include "base/text.h"

namespace korvale {

class Path {
 public:
  Path() = default;
  // The system's own bytes (argv, getenv, getcwd, a directory entry).
  explicit Path(std::string bytes) : bytes_(std::move(bytes)) {}
  // A name the program spells itself ("/tmp", "LEHRDATEN").
  Path(const char* bytes) : bytes_(bytes) {}  // NOLINT: literals are never a user's text
  // What the user typed or a field holds, as a UTF-8 name.
  static Path fromText(TextView text) { return Path(toUtf8(text)); }

  const std::string& bytes() const { return bytes_; }
  const char* c_str() const { return bytes_.c_str(); }
  bool empty() const { return bytes_.empty(); }
  void clear() { bytes_.clear(); }
  bool isAbsolute() const { return !bytes_.empty() && bytes_[0] == '/'; }
  // The name as the user reads it; a byte that is no UTF-8 shows as its cp1252 character.
  Text displayText() const { return fromUtf8(bytes_); }

  // `name` inside this folder; an empty folder leaves the name as it is.
  Path join(const Path& name) const;
  // The folder part ("" for a bare name, "/" for a name in the root).
  Path folder() const;
  Path fileName() const;
  // The extension in ASCII lower case with its dot, "" when the name has none.
  std::string extension() const;
  // Removes one final "/" (but keeps the root "/" itself).
  Path withoutTrailingSlash() const;
  // Without blanks and control characters at either end (bytes below 33, never part of a
  // longer UTF-8 character).
  Path trimmed() const;
  // True for a path below `folder` (not the folder itself).
  bool isInside(const Path& folder) const;

  bool operator==(const Path&) const = default;
  auto operator<=>(const Path&) const = default;

 private:
  std::string bytes_;
};

// The same name with bytes appended to its last part ("liste" + ".csv").
inline Path operator+(const Path& path, std::string_view suffix) {
  return Path(path.bytes() + std::string(suffix));
}

std::ostream& operator<<(std::ostream& out, const Path& path);

}  // namespace korvale
