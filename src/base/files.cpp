#include "base/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string_view>

namespace korvale {

namespace {

// Nothing for a file that is not regular or holds more than `limit` bytes. The file is checked
// before it is opened, and opened without waiting, so a FIFO swapped in meanwhile cannot block.
std::optional<std::string> readRegularFile(const Path& path, std::size_t limit) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      static_cast<std::uintmax_t>(st.st_size) > limit) {
    ::close(fd);
    return std::nullopt;
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > limit) {  // it grew while being read
      ::close(fd);
      return std::nullopt;
    }
  }
  ::close(fd);
  return bytes;
}

// UTF-16 text holds a NUL in every ASCII character, so its byte-order mark exempts it.
bool looksBinary(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return false;
  return bytes.substr(0, kBinaryProbeBytes).find('\0') != std::string_view::npos;
}

bool linesWithin(std::string_view bytes, std::size_t limit) {
  std::size_t start = 0;
  while (true) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if ((end == std::string_view::npos ? bytes.size() : end) - start > limit) return false;
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

}  // namespace

std::optional<std::string> readFileBytes(const Path& path) {
  return readRegularFile(path, std::numeric_limits<std::size_t>::max());
}

std::optional<std::string> readUserFile(const Path& path) {
  auto bytes = readRegularFile(path, kMaxUserFileBytes);
  if (!bytes || looksBinary(*bytes) || !linesWithin(*bytes, kMaxLineBytes)) return std::nullopt;
  return bytes;
}

namespace {
bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return true;
}
}  // namespace

bool writeFileAtomic(const Path& path, const std::string& bytes) {
  const Path folder = path.folder();
  const Path dir = folder.empty() ? Path(".") : folder;
  // A file whose owner write bit is off is read-only, for root as for everyone.
  struct stat st {};
  mode_t mode = 0644;
  if (::lstat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return false;
    if (S_ISREG(st.st_mode)) {
      if ((st.st_mode & S_IWUSR) == 0) return false;
      mode = st.st_mode & 07777;
    }
  }
  static std::mt19937 rng{std::random_device{}()};
  Path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 20 && fd < 0; ++attempt) {
    temp = dir.join(Path("." + path.fileName().bytes() + ".tmp" + std::to_string(rng() % 1000000)));
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  const bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !ok || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

bool writeUserFileAtomic(const Path& path, const std::string& bytes) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return writeFileAtomic(path, bytes);  // a new file
  Path target = path;
  if (S_ISLNK(st.st_mode)) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return false;
    target = Path(std::string(resolved));
    std::free(resolved);
  }
  if (::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return writeFileAtomic(target, bytes);
}

bool pathExists(const Path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

bool isDirectory(const Path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isRegularFile(const Path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isSymlink(const Path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool isSameFile(const Path& a, const Path& b) {
  struct stat sa {};
  struct stat sb {};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

bool createDirectory(const Path& path) {
  return ::mkdir(path.c_str(), 0700) == 0;
}

bool ownedByCurrentUser(const Path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && st.st_uid == ::geteuid();
}

bool setReadOnly(const Path& path, bool readOnly) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  const mode_t mode = readOnly ? (st.st_mode & ~S_IWUSR) : (st.st_mode | S_IWUSR);
  return ::chmod(path.c_str(), mode & 07777) == 0;
}

bool clearReadOnly(const Path& path) {
  return setReadOnly(path, false);
}

Path currentDirectory() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return Path();
  return Path(buffer);
}

bool isDocumentIn(const Path& folder, const Text& name) {
  if (name.empty() || name == U"." || name == U".." || name.find('/') != Text::npos) return false;
  const Path path = folder.join(Path::fromText(name));
  if (!isRegularFile(path)) return false;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  return (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0;
}

bool changeDirectory(const Path& path) {
  return ::chdir(path.c_str()) == 0;
}

std::vector<std::string> sortedFileNames(const Path& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace korvale
