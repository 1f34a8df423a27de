// The folders fixed at start-up: start folder, data folder with its demo and DATAFIRMA folders.
#pragma once

#include <optional>
#include <string>

#include "base/path.h"
#include "ui/ports/dialogs.h"
#include "window/folders.h"

namespace korvale {

// The user's temporary folder: $TMPDIR when set, else /tmp; trimmed, without a final "/".
Path temporaryFolder(const char* tmpdirVariable);

// Prepares the data folder and its two sub-folders. A data folder that is a symlink or belongs to
// another user is never used: the user then gets "LEHRDATEN-<login>" beside it. When the data
// folder cannot be had, the message "Abbruch: Ordner " CR path CR "NICHT angelegt !" is shown and
// nothing is returned: the program ends.
std::optional<AppPaths> setupDataFolders(const Path& workingDirectory, const Path& tempFolder,
                                         const std::string& login, Dialogs& dialogs);

// The login name of the user running the program (the numeric id when there is no name).
std::string currentLogin();

}  // namespace korvale
