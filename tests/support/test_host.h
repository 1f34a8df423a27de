// A window host that only notes which windows were opened and closed.
#pragma once

#include <string>
#include <vector>

#include "window/window.h"

namespace korvale {

class TestHost : public WindowHost {
 public:
  void openModal(const WindowId& id) override { opened.push_back(id.name()); }
  void close(const WindowId& id) override { closed.push_back(id.name()); }
  std::vector<std::string> opened;
  std::vector<std::string> closed;
};

}  // namespace korvale
