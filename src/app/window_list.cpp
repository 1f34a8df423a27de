#include "app/window_list.h"

#include "app/start_window.h"
#include "calculator/calculator_window.h"
#include "classeditor/class_window.h"
#include "grades/grades_editor.h"
#include "listtools/list_tools_window.h"
#include "window/placeholder_window.h"

namespace korvale {

namespace {

template <typename... Args>
WindowType placeholder(const WindowId& id, Args... args) {
  return {id, [=](WindowServices&) { return std::make_unique<PlaceholderWindow>(id, args...); }};
}

}  // namespace

void registerWindows(WindowRegistry& r) {
  r.add(
      {WindowId::Start, [](WindowServices& s) { return std::make_unique<StartWindow>(s.host()); }});
  r.add({WindowId::ClassEditor, [](WindowServices& s) { return makeClassEditor(s); }});
  r.add({WindowId::GradesEditor, [](WindowServices& s) { return makeGradesEditor(s); }});
  r.add({WindowId::ListTools, [](WindowServices& s) { return makeListTools(s); }});
  r.add({WindowId::Calculator, [](WindowServices& s) { return makeCalculator(s); }});
}

}  // namespace korvale
