// A fresh folder under /tmp for one test, removed with everything in it afterwards.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <string>

#include "base/path.h"

namespace korvale {

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/korvale-test-XXXXXX";
    if (mkdtemp(pattern) != nullptr) path_ = Path(pattern);
    EXPECT_FALSE(path_.empty()) << "no temporary folder";
  }
  ~TempFolder() {
    // Write bits first: tests make files and folders read-only.
    if (!path_.empty())
      std::system(
          ("chmod -R u+rwx '" + path_.bytes() + "' 2>/dev/null; rm -rf '" + path_.bytes() + "'")
              .c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const Path& path() const { return path_; }
  Path operator/(const std::string& name) const { return path_.join(Path(name)); }

 private:
  Path path_;
};

}  // namespace korvale
