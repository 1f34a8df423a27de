// A window whose content comes later: it has its name, caption and colour, and closes.
#pragma once

#include "window/window.h"

namespace korvale {

class PlaceholderWindow : public Window {
 public:
  PlaceholderWindow(WindowId id, std::string objectName, Text caption, std::uint32_t background)
      : id_(id),
        objectName_(std::move(objectName)),
        caption_(std::move(caption)),
        background_(background) {}

  WindowId id() const override { return id_; }
  std::string objectName() const override { return objectName_; }
  Text caption() const override { return caption_; }
  std::uint32_t background() const override { return background_; }

 private:
  WindowId id_;
  std::string objectName_;
  Text caption_;
  std::uint32_t background_;
};

}  // namespace korvale
