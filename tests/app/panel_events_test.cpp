// The generic panels, the key table and Enter on a button, driven by script commands exactly as
// the views drive them.
#include <gtest/gtest.h>

#include <sstream>

#include "app/script_runner.h"
#include "support/app/test_platform.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"

namespace korvale {
namespace {

// A main window with a plan, a chart, a memo, an edit and a button; it logs every event.
class PanelWindow : public Window {
 public:
  PanelWindow() {
    keys_ = {{"K", Modifiers::Ctrl, nullptr, [this] { log.push_back("Ctrl+K"); }},
             {"F2", Modifiers::Any, [this] { return armed; }, [this] { log.push_back("F2"); }},
             {"Enter", Modifiers::None, nullptr, [this] { setFocus("ok"); }, "name"}};
  }
  WindowId id() const override { return WindowId::Start; }
  std::string objectName() const override { return "TForm0"; }
  Text caption() const override { return U"Probe"; }
  std::uint32_t background() const override { return 0; }
  std::vector<Control> controls() const override {
    auto* self = const_cast<PanelWindow*>(this);
    return {
        {Control::Kind::Label, "nameLabel", U"Name", true, true, nullptr},
        {Control::Kind::Edit, "name", Text(), true, true, nullptr,
         [self](const Text& t) { self->log.push_back("edited " + toUtf8(t)); }},
        {Control::Kind::Button, "ok", U"OK", true, true, [self] { self->log.push_back("OK"); }}};
  }
  std::vector<Panel> panels() const override {
    Panel plan{Panel::Kind::Grid, "plan", U"Sitzplan", true, false};
    plan.columns = 3;
    plan.rows = 2;
    Panel chart{Panel::Kind::Canvas, "chart", U"Grafik", chartShown, true};
    chart.canvas = &canvas;
    Panel memo{Panel::Kind::Lines, "memo", U"Hinweis", true, false};
    Panel hidden{Panel::Kind::Lines, "hidden", U"Versteckt", false, false};
    return {plan, chart, memo, hidden};
  }
  void afterKey() override { log.push_back("after key"); }
  void panelDoubleClicked(const std::string& p) override { log.push_back("dbl " + p); }
  void cellPressed(const std::string& p, int c, int r) override {
    log.push_back("cell " + p + " " + std::to_string(c) + " " + std::to_string(r));
  }
  void cellDoubleClicked(const std::string& p, int c, int r) override {
    log.push_back("dblcell " + p + " " + std::to_string(c) + " " + std::to_string(r));
  }
  void canvasPressed(const std::string& p, int x, int y) override {
    log.push_back("canvas " + p + " " + std::to_string(x) + " " + std::to_string(y));
  }

  std::vector<std::string> log;
  bool armed = false;
  bool chartShown = true;
  RecordingCanvas canvas;
};

PanelWindow* shown = nullptr;

void panelWindowOnly(WindowRegistry& r) {
  r.add({WindowId::Start, [](WindowServices&) {
           auto w = std::make_unique<PanelWindow>();
           shown = w.get();
           return std::unique_ptr<Window>(std::move(w));
         }});
}

class PanelEvents : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app.start({dir, dir, "anna"})); }
  ScriptResult run(const std::string& script) {
    ScriptContext context{app, platform.testDialogs(), keys, out, dir, nullptr, nullptr, nullptr};
    return runScript(script, context);
  }

  TempFolder temp;
  Path dir = temp.path();
  TestPlatform platform;
  Application app{platform, panelWindowOnly};
  ScriptKeyState keys;
  std::ostringstream out;
};

TEST_F(PanelEvents, ScriptCommandsReachThePanelsKeysAndButtons) {
  const auto result =
      run("cell 2 1\ndblcell 0 0\nchartclick 5 6\ndblpanel Hinweis\nkey Ctrl+K\nkey Ctrl+Shift+K\n"
          "key F2\nedit Name Anna\nkey Enter\nkey Enter\n");
  EXPECT_EQ(result.exitCode, 0) << result.error;
  EXPECT_EQ(shown->log, (std::vector<std::string>{
                            "cell plan 2 1", "dblcell plan 0 0", "canvas chart 5 6", "dbl memo",
                            "Ctrl+K", "after key", "after key", "after key", "edited Anna", "OK"}))
      << "Ctrl+Shift+K is no Ctrl+K; F2 waits for its condition; Enter walks from the edit to "
         "the button and then presses it";
  EXPECT_EQ(shown->focus(), "ok");
}

TEST_F(PanelEvents, CommandsWithoutTheirPanelFail) {
  struct Row {
    std::string script, error;
  } rows[] = {
      {"cell 3 0\n", "line 1: no such cell: 3 0"},
      {"dblcell 0 -1\n", "line 1: no such cell: 0 -1"},
      {"dblpanel Versteckt\n", "line 1: 'Versteckt' is not available"},
      {"dblpanel Nirgendwo\n", "line 1: no such panel: Nirgendwo"},
      {"chartclick 1\n", "line 1: expected 2 numbers"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(run(r.script).error, r.error) << r.script;
  }
  shown->chartShown = false;
  EXPECT_EQ(run("chartclick 1 1\n").error, "line 1: the window shows no chart");
}

}  // namespace
}  // namespace korvale
