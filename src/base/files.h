// File and folder access. No stored folder ends in "/".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/path.h"
#include "base/text.h"

namespace korvale {

// The bytes of a regular file; nothing for anything else (a FIFO or device is never opened in a
// way that could wait or read for ever).
std::optional<std::string> readFileBytes(const Path& path);

// A class list or letter stays far below these; far above them the editor's text layout takes
// minutes and gigabytes.
constexpr std::size_t kMaxUserFileBytes = std::size_t{32} << 20;
constexpr std::size_t kMaxLineBytes = std::size_t{64} << 10;
// A NUL byte this near the start marks a binary file (an executable, a picture).
constexpr std::size_t kBinaryProbeBytes = std::size_t{64} << 10;

// The bytes of a file the user chose to open as a list or document: readFileBytes, but nothing
// for a file above kMaxUserFileBytes, a line (between CR or LF) above kMaxLineBytes, or a NUL
// byte in the first kBinaryProbeBytes of a file without a UTF-16 byte-order mark.
std::optional<std::string> readUserFile(const Path& path);

// Writes a temporary file beside the target, flushes it and renames it over the target, so a
// failed write leaves the old file as it was. A symlink at the target is replaced, never
// followed.
bool writeFileAtomic(const Path& path, const std::string& bytes);
// How a user's file is saved: a symbolic link is followed and the file it leads to is replaced
// atomically, so the link stays; a target that is no regular file (a FIFO, a device, a folder, a
// link leading nowhere) is refused and left as it is.
bool writeUserFileAtomic(const Path& path, const std::string& bytes);

bool pathExists(const Path& path);
bool isDirectory(const Path& path);  // a real folder, not a link to one
bool isRegularFile(const Path& path);
bool isSymlink(const Path& path);
// Both name the same existing file, through links or other spellings of the path.
bool isSameFile(const Path& a, const Path& b);
// A file a list field may name: a regular, non-executable file directly in `folder`, never a
// program or a file elsewhere.
bool isDocumentIn(const Path& folder, const Text& name);
bool createDirectory(const Path& path);  // one level; false when it fails
bool ownedByCurrentUser(const Path& path);
// The read-only attribute is the owner's write permission.
bool clearReadOnly(const Path& path);
bool setReadOnly(const Path& path, bool readOnly);

Path currentDirectory();
bool changeDirectory(const Path& path);

std::vector<std::string> sortedFileNames(const Path& folder);

}  // namespace korvale
