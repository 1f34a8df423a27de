// The modal dialogs a window may show. Filters are written "Text|*.ext|Text|*.ext".
#pragma once

#include <optional>

#include "base/path.h"
#include "base/text.h"
#include "ui/ports/rich_text.h"

namespace korvale {

enum class Icon { None, Information, Warning, Error, Question };

struct FontChoice {
  Text name;
  int size = 10;
  bool bold = false;
  bool italic = false;

  bool operator==(const FontChoice&) const = default;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Plain message box with an OK button.
  virtual void message(const Text& text) = 0;
  // Message box with a caption and an icon ("Daten-Fehler" / "Problem").
  virtual void error(const Text& caption, const Text& text, Icon icon) = 0;
  // Yes/no confirmation box; true for yes.
  virtual bool confirm(const Text& text) = 0;
  // Yes/no question with a caption and an icon; true for yes.
  virtual bool question(const Text& caption, const Text& text, Icon icon) = 0;
  // One-line input; nothing when cancelled.
  virtual std::optional<Text> input(const Text& title, const Text& prompt,
                                    const Text& defaultText) = 0;
  virtual std::optional<Path> openFile(const Text& filter, const Path& folder) = 0;
  virtual std::optional<Path> saveFile(const Text& filter, const Path& folder,
                                       const Path& fileName) = 0;
  virtual std::optional<FontChoice> font(const FontChoice& current) = 0;
  // The print dialog; true when the user chose to print.
  virtual bool print() = 0;
  virtual void printerSetup() = 0;
};

// "Daten-Fehler" with caption "Problem": how every failed file read or write is reported.
void showDataError(Dialogs& dialogs);

}  // namespace korvale
