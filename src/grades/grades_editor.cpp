#include "grades/grades_editor.h"

namespace korvale {

GradesEditor::GradesEditor(Services services) : s_(services) {
  menu_ = {
      {"Datei", "Beenden", true, [this] { s_.host.close(WindowId::GradesEditor); }},
  };
}

std::vector<Control> GradesEditor::controls() const {
  using K = Control::Kind;
  return {
      {K::Label, "status", statusLine_, true, true, nullptr},
      {K::Label, "file", fileLabel_, true, true, nullptr},
  };
}

void GradesEditor::opened() {
  s_.editor.setReadOnly(false);
  notify();
}

void GradesEditor::closed() {
  statusLine_ = "Zeile/Spalte";
  fileLabel_ = "Datei";
  s_.editor.clear();
}

}  // namespace korvale
