// Typing since the last open or save that a command or closing the window would throw away.
#pragma once

#include "ui/ports/dialogs.h"

namespace korvale {

// The one question before typing is lost; Yes discards it.
inline constexpr const char32_t* kDiscardTypingQuestion =
    U"Der Text wurde geändert und nicht gespeichert. Änderungen verwerfen?";

struct TypingGuard {
  bool typed = false;

  // True when nothing typed would be lost, or the user agrees to lose it.
  bool mayDiscard(Dialogs& dialogs) const {
    return !typed || dialogs.confirm(kDiscardTypingQuestion);
  }
};

}  // namespace korvale
