// The Grades editor: a rich-text editor around a CSV list or a document.
#pragma once

#include "app/paths.h"
#include "app/window.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"
#include "ui/ports/text_editor.h"

namespace korvale {

class GradesEditor : public Window {
 public:
  struct Services {
    TextEditor& editor;
    Dialogs& dialogs;
    KeyState& keys;
    Cursor& cursor;
    WindowHost& host;
    const AppPaths& paths;
  };

  explicit GradesEditor(Services services);

  WindowId id() const override { return WindowId::GradesEditor; }
  std::string objectName() const override { return "TForm24"; }
  Text caption() const override {
    return "TABULON  -  Editor zur Auswertung von CSV-Listen (Statistik und Serienbriefe)";
  }
  std::uint32_t background() const override { return 0x506478; }
  std::vector<Control> controls() const override;
  TextEditor* mainText() override { return &s_.editor; }
  Text status() const override { return statusLine_; }

  void opened() override;
  void closed() override;

 private:
  Services s_;
  Text statusLine_ = "Zeile/Spalte";
  Text fileLabel_ = "Datei: ";
};

}  // namespace korvale
