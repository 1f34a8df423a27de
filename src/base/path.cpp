#include "base/path.h"

#include <ostream>

namespace korvale {

Path Path::join(const Path& name) const {
  if (bytes_.empty()) return name;
  if (bytes_.back() == '/') return Path(bytes_ + name.bytes_);
  return Path(bytes_ + "/" + name.bytes_);
}

Path Path::folder() const {
  const std::size_t p = bytes_.rfind('/');
  if (p == std::string::npos) return Path();
  if (p == 0) return Path("/");
  return Path(bytes_.substr(0, p));
}

Path Path::fileName() const {
  const std::size_t p = bytes_.rfind('/');
  return p == std::string::npos ? *this : Path(bytes_.substr(p + 1));
}

std::string Path::extension() const {
  const std::string name = fileName().bytes_;
  const std::size_t p = name.rfind('.');
  if (p == std::string::npos) return std::string();
  std::string extension = name.substr(p);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension;
}

Path Path::withoutTrailingSlash() const {
  if (bytes_.size() > 1 && bytes_.back() == '/') return Path(bytes_.substr(0, bytes_.size() - 1));
  return *this;
}

Path Path::trimmed() const {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t begin = 0;
  std::size_t end = bytes_.size();
  while (begin < end && blank(bytes_[begin])) ++begin;
  while (end > begin && blank(bytes_[end - 1])) --end;
  return Path(bytes_.substr(begin, end - begin));
}

bool Path::isInside(const Path& folder) const {
  return !folder.empty() && bytes_.size() > folder.bytes_.size() &&
         bytes_.starts_with(folder.bytes_) && bytes_[folder.bytes_.size()] == '/';
}

std::ostream& operator<<(std::ostream& out, const Path& path) {
  return out << path.bytes();
}

}  // namespace korvale
