#include "app/paths.h"

#include <pwd.h>
#include <unistd.h>

#include "base/files.h"

namespace korvale {

Path temporaryFolder(const char* tmpdirVariable) {
  std::string folder = tmpdirVariable != nullptr ? tmpdirVariable : "";
  // Blanks around the value are no part of the folder's name.
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!folder.empty() && blank(folder.back())) folder.pop_back();
  std::size_t lead = 0;
  while (lead < folder.size() && blank(folder[lead])) ++lead;
  folder.erase(0, lead);
  if (folder.empty()) folder = "/tmp";
  return Path(folder).withoutTrailingSlash();
}

std::string currentLogin() {
  if (const passwd* pw = ::getpwuid(::geteuid()); pw != nullptr && pw->pw_name != nullptr)
    return pw->pw_name;
  return std::to_string(::geteuid());
}

namespace {
// A folder we may write into: a real directory of our own.
bool usable(const Path& folder) {
  return isDirectory(folder) && ownedByCurrentUser(folder);
}
}  // namespace

std::optional<AppPaths> setupDataFolders(const Path& workingDirectory, const Path& tempFolder,
                                         const std::string& login, Dialogs& dialogs) {
  AppPaths paths;
  paths.startFolder = workingDirectory.withoutTrailingSlash();
  paths.tempFolder = tempFolder;
  paths.dataFolder = (tempFolder.empty() ? Path("/") : tempFolder).join("LEHRDATEN");
  // On a shared machine the common name may be taken by someone else (or planted as a link).
  if (pathExists(paths.dataFolder) && !usable(paths.dataFolder))
    paths.dataFolder = paths.dataFolder + ("-" + login);

  const auto fail = [&]() -> std::optional<AppPaths> {
    dialogs.message(U"Abbruch: Ordner \r" + paths.dataFolder.displayText() + U"\rNICHT angelegt !");
    return std::nullopt;
  };
  if (pathExists(paths.dataFolder)) {
    if (!usable(paths.dataFolder)) return fail();
    clearReadOnly(paths.dataFolder);
  } else if (!createDirectory(paths.dataFolder)) {
    return fail();
  }
  paths.demoFolder = paths.dataFolder.join("DATACOPY");
  paths.firmaFolder = paths.dataFolder.join("DATAFIRMA");
  // A sub-folder that cannot be made is not reported here; writing the samples reports it.
  for (const Path& sub : {paths.demoFolder, paths.firmaFolder})
    if (!pathExists(sub)) createDirectory(sub);
  return paths;
}

}  // namespace korvale
