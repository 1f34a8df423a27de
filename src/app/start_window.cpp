#include "app/start_window.h"

namespace korvale {

std::vector<Control> StartWindow::controls() const {
  using K = Control::Kind;
  WindowHost* host = &host_;
  return {
      {K::Panel, "classEditor", U"Klassen-Editor", true, true,
       [host] { host->openModal(WindowId::ClassEditor); }},
      {K::Panel, "gradesEditor", U"Noten-Editor", true, true,
       [host] { host->openModal(WindowId::GradesEditor); }},
      // The editors close first, then the main window, which ends the program.
      {K::Panel, "programEnd", U"Programmende", true, true,
       [host] {
         host->close(WindowId::ClassEditor);
         host->close(WindowId::GradesEditor);
         host->close(WindowId::Start);
       }},
  };
}

}  // namespace korvale
