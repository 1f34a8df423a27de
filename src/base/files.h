// File and folder access. Paths are bytes with "/" separators; no stored folder ends in "/".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/text.h"

namespace korvale {

std::optional<std::string> readFileBytes(const std::string& path);

// Writes a temporary file beside the target, flushes it and renames it over the target, so a
// failed write leaves the old file as it was. A symlink at the target is replaced, never
// followed.
bool writeFileAtomic(const std::string& path, const std::string& bytes);

bool pathExists(const std::string& path);
bool isDirectory(const std::string& path);  // a real folder, not a link to one
bool isRegularFile(const std::string& path);
bool isSymlink(const std::string& path);
bool createDirectory(const std::string& path);  // one level; false when it fails
bool ownedByCurrentUser(const std::string& path);
// The read-only attribute is the owner's write permission.
bool clearReadOnly(const std::string& path);
bool setReadOnly(const std::string& path, bool readOnly);

std::string currentDirectory();
bool changeDirectory(const std::string& path);

// Removes one final "/" (but keeps the root "/" itself).
std::string stripTrailingSlash(const std::string& path);
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);
// Extension in lower case with its dot, "" when the name has none.
std::string extensionOf(const std::string& path);
std::string joinPath(const std::string& folder, const std::string& name);

std::vector<std::string> sortedFileNames(const std::string& folder);

}  // namespace korvale
