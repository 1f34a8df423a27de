#include "app/samples/sample_files.h"

#include "base/files.h"

namespace korvale {

void writeSampleFiles(const Path& demoFolder, Dialogs& dialogs) {
  // A link in place of the folder is never written through; neither is one in place of a file
  // (the atomic write replaces the link itself).
  if (!isDirectory(demoFolder)) return;
  for (const SampleFile& file : sampleFiles()) {
    const std::string bytes(reinterpret_cast<const char*>(file.data), file.size);
    if (!writeFileAtomic(demoFolder.join(file.name), bytes)) {
      dialogs.message(U" DataStore- Error ");
      return;
    }
  }
}

}  // namespace korvale
