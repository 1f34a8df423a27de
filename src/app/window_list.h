// The program's windows. Adding a window: one controller folder and one line in
// window_list.cpp (and a view in ui/qt only where a widget is special).
#pragma once

#include "window/registry.h"

namespace korvale {

void registerWindows(WindowRegistry& registry);

}  // namespace korvale
