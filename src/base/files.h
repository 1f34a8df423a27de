// File and folder access. No stored folder ends in "/".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/path.h"

namespace korvale {

std::optional<std::string> readFileBytes(const Path& path);

// Writes a temporary file beside the target, flushes it and renames it over the target, so a
// failed write leaves the old file as it was. A symlink at the target is replaced, never
// followed.
bool writeFileAtomic(const Path& path, const std::string& bytes);

bool pathExists(const Path& path);
bool isDirectory(const Path& path);  // a real folder, not a link to one
bool isRegularFile(const Path& path);
bool isSymlink(const Path& path);
bool createDirectory(const Path& path);  // one level; false when it fails
bool ownedByCurrentUser(const Path& path);
// The read-only attribute is the owner's write permission.
bool clearReadOnly(const Path& path);
bool setReadOnly(const Path& path, bool readOnly);

Path currentDirectory();
bool changeDirectory(const Path& path);

std::vector<std::string> sortedFileNames(const Path& folder);

}  // namespace korvale
