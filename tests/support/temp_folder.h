// A fresh folder under /tmp for one test, removed with everything in it afterwards.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <string>

namespace korvale {

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/korvale-test-XXXXXX";
    if (mkdtemp(pattern) != nullptr) path_ = pattern;
    EXPECT_FALSE(path_.empty()) << "no temporary folder";
  }
  ~TempFolder() {
    // Write bits first: tests make files and folders read-only.
    if (!path_.empty())
      std::system(("chmod -R u+rwx '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'").c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace korvale
