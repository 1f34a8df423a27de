#include "app/window.h"

namespace korvale {

MenuItem* Window::findMenu(const Text& menu, const Text& entry) {
  for (MenuItem& item : menu_)
    if (item.menu == menu && item.entry == entry) return &item;
  return nullptr;
}

void Window::enableMenu(const Text& menu, bool enabled) {
  for (MenuItem& item : menu_)
    if (item.menu == menu) item.enabled = enabled;
}

}  // namespace korvale
