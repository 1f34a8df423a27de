// The Start window: three panels that open the two editors or end the program.
#pragma once

#include "window/window.h"

namespace korvale {

class StartWindow : public Window {
 public:
  explicit StartWindow(WindowHost& host) : host_(host) {}

  WindowId id() const override { return WindowId::Start; }
  std::string objectName() const override { return "TForm0"; }
  Text caption() const override { return U"KORVALE - Version 51.0"; }
  std::uint32_t background() const override { return 0x506478; }
  std::vector<Control> controls() const override;
  std::vector<std::pair<std::string, Text>> tooltips() const override {
    return {{"classEditor", U"Namensliste und Sitzplan einer Klasse"},
            {"gradesEditor", U"Notenlisten auswerten: Statistik und Serienbriefe"},
            {"programEnd", U"KORVALE beenden"}};
  }

 private:
  WindowHost& host_;
};

}  // namespace korvale
