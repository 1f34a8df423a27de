// The Class editor's state and the ports it works through: every command takes this one context.
#pragma once

#include <functional>
#include <string>

#include "base/encoding.h"
#include "base/text.h"
#include "classeditor/seating_plan.h"
#include "ui/ports/canvas.h"
#include "ui/ports/clipboard.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/printer.h"
#include "ui/ports/shell.h"
#include "ui/ports/text_editor.h"

namespace korvale {

struct ClassPorts {
  TextEditor& list;
  Dialogs& dialogs;
  Printer& printer;
  Clipboard& clipboard;
  Shell& shell;
  TextMeasure& measure;
};

// The list file last chosen in a file dialog; the plan is stored beside it.
struct ListFile {
  Path folder;
  Path name;  // with its extension
  // How the list was read, so that it is written back the same way.
  Encoding encoding = Encoding::Cp1252;
};

struct ClassContext : ClassPorts {
  // The plan's pixel size on the screen; file dialogs start in `startFolder`.
  ClassContext(const ClassPorts& ports, int planWidth, int planHeight, Path startFolder);

  SeatingPlan plan;
  ListFile file;
  Text nameBox;
  // What was marked in the list when the mouse was last released over it; a transfer uses it up.
  Text marked;
  NameOrder order = NameOrder::SurnameFirst;
  bool helpVisible = false;
  // Shown only while the plan is printed: the list beside the plan.
  bool printPanelVisible = false;
  Text printLabel;
  // Lists named without a point share the plan file ".tab": the list whose plan it last held.
  Path sharedPlanOwner;

  // Set by the window: the list got the input focus; what the window shows has changed while a
  // command still runs (the print panel before the print dialog).
  std::function<void()> listFocused;
  std::function<void()> notify;
};

// The list's font as a font dialog names it.
FontChoice listFont(const ClassContext& cx);

// The list's font as the font dialog shows it.
inline constexpr int kListFontSize = 12;

}  // namespace korvale
