#include "window/window.h"

namespace korvale {

bool modifiersMatch(Modifiers rule, const KeyPress& key) {
  switch (rule) {
    case Modifiers::None:
      return !key.ctrl && !key.shift && !key.alt;
    case Modifiers::Ctrl:
      return key.ctrl && !key.shift && !key.alt;
    case Modifiers::Shift:
      return key.shift && !key.ctrl && !key.alt;
    case Modifiers::Alt:
      return key.alt && !key.ctrl && !key.shift;
    case Modifiers::NoneOrShift:
      return !key.ctrl && !key.alt;
    case Modifiers::Any:
      return true;
    case Modifiers::NotCtrlAlone:
      return !(key.ctrl && !key.shift && !key.alt);
    case Modifiers::NeitherShiftNorCtrl:
      return !key.shift && !key.ctrl;
    case Modifiers::NotCtrlOrShiftAlone:
      return !(key.ctrl && !key.shift && !key.alt) && !(key.shift && !key.ctrl && !key.alt);
  }
  return false;
}

std::string shortcutName(const KeyPress& key) {
  return (key.ctrl ? "Ctrl+" : "") + std::string(key.alt ? "Alt+" : "") +
         (key.shift ? "Shift+" : "") + key.name;
}

bool Window::runKey(const std::string& control, const KeyPress& key) {
  for (const KeyBinding& binding : keys_) {
    if (binding.key != key.name) continue;
    if (binding.control != control && binding.control != KeyBinding::kAnyControl) continue;
    if (!modifiersMatch(binding.modifiers, key)) continue;
    if (binding.condition && !binding.condition()) continue;
    const auto action = binding.action;  // the table may change while it runs
    action();
    return true;
  }
  const std::string name = shortcutName(key);
  for (const MenuItem& item : menu_) {
    if (item.shortcut.empty() || item.shortcut != name || !item.enabled || !item.action) continue;
    const auto action = item.action;
    action();
    return true;
  }
  return false;
}

bool Window::keyPressed(const KeyPress& key) {
  const bool handled = runKey(std::string(), key);
  afterKey();
  return handled;
}

bool Window::keyInControl(const std::string& control, const KeyPress& key) {
  if (runKey(control, key)) return true;
  if (key.name != "Enter") return false;
  // Enter on a focused button presses it, as on the desktop.
  for (const Control& c : controls()) {
    if (c.name == control && c.kind == Control::Kind::Button && c.action && c.visible &&
        c.enabled) {
      const auto action = c.action;
      action();
      return true;
    }
  }
  return false;
}

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
