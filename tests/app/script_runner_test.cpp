#include "app/script_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "base/files.h"
#include "support/app/test_platform.h"
#include "support/temp_folder.h"

namespace korvale {
namespace {

class ScriptRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app.start({dir, dir, "anna"})); }

  ScriptResult run(const std::string& script) {
    ScriptContext context{app,     platform.testDialogs(),       keys,   out, dir,
                          nullptr, &platform.testPrinter().jobs, nullptr};
    return runScript(script, context);
  }

  TempFolder temp;
  Path dir = temp.path();
  TestPlatform platform;
  Application app{platform};
  ScriptKeyState keys;
  std::ostringstream out;
};

TEST_F(ScriptRunnerTest, DumpsAndWindows) {
  const auto result =
      run("# comment\n\ndump labels\nopen Noten-Editor\ndump status\nclose\ndump files $DATA\n");
  EXPECT_EQ(result.exitCode, 0) << result.error;
  EXPECT_EQ(out.str(),
            "--- labels\nKORVALE - Version 51.0\nKlassen-Editor\nNoten-Editor\nProgrammende\n"
            "--- end\n--- status\nZeile/Spalte\n--- end\n"
            "--- files $DATA\nDATACOPY\nDATAFIRMA\n--- end\n");
}

TEST_F(ScriptRunnerTest, FailuresStopWithExitTwoAndTheLine) {
  struct Row {
    std::string script, error;
  } rows[] = {
      {"open Noten-Editor\nmenu Datei > Drucken lassen\n",
       "line 2: no such menu entry: Datei > Drucken lassen"},
      {"open Noten-Editor\nmenu Datenbank > Datenbank anzeigen (E/A)\n",
       "line 2: menu entry is disabled: Datenbank > Datenbank anzeigen (E/A)"},
      {"open Nirgendwo\n", "line 1: no such panel or button: Nirgendwo"},
      {"frobnicate\n", "line 1: unknown command: frobnicate"},
      {"answer yes\n", "line 1: 1 answer(s) left unused"},
      {"answer maybe\n", "line 1: unknown answer: maybe"},
      {"key F13\n", "line 1: unknown key: F13"},
      {"open Noten-Editor\ncaret 1 x\n", "line 2: not a number: x"},
      {"dump nothing\n", "line 1: unknown dump: nothing"},
      {"open Programmende\ndump labels\n", "line 2: the program has ended"},
      {"open Noten-Editor\ncell 0 0\n", "line 2: the window shows no plan"},
      {"open Noten-Editor\nchartclick 3 4\n", "line 2: the window shows no chart"},
      {"open Noten-Editor\ndblpanel Hilfe\n", "line 2: 'Hilfe' is not available"},
  };
  for (const auto& r : rows) {
    TestPlatform platform2;
    Application app2(platform2);
    ASSERT_TRUE(app2.start({dir, dir, "anna"}));
    std::ostringstream out2;
    ScriptContext context{app2,    platform2.testDialogs(),       keys,   out2, dir,
                          nullptr, &platform2.testPrinter().jobs, nullptr};
    const ScriptResult result = runScript(r.script, context);
    EXPECT_EQ(result.exitCode, 2) << r.script;
    EXPECT_EQ(result.error, r.error) << r.script;
    // Answers the failed script left behind belong to it, not to the test.
    platform2.testDialogs().dropAnswers();
  }
}

TEST_F(ScriptRunnerTest, TypingAndMarking) {
  const auto result =
      run("open Noten-Editor\ntype Zeile eins\\nÄrger\\tzwei\nmark 2 1 2 6\ndump marked\n"
          "dump editor\n");
  EXPECT_EQ(result.exitCode, 0) << result.error;
  EXPECT_EQ(out.str(),
            "--- marked\n\xC3\x84rger\n--- end\n--- editor\nZeile eins\n\xC3\x84rger\tzwei\n"
            "--- end\n");
}

TEST(ScriptKeys, EscapeIsHeldAfterTheGivenPolls) {
  ScriptKeyState keys;
  EXPECT_FALSE(keys.escapeDown());
  keys.pressAfter(2);
  EXPECT_FALSE(keys.escapeDown());
  EXPECT_FALSE(keys.escapeDown());
  EXPECT_TRUE(keys.escapeDown());
  EXPECT_TRUE(keys.escapeDown());
  keys.release();
  EXPECT_FALSE(keys.escapeDown());
}

TEST(ScriptPaths, PlaceholdersBothWays) {
  TestPlatform platform;
  Application app(platform);
  TempFolder temp;
  const Path dir = temp.path();
  ASSERT_TRUE(app.start({dir + "/", dir, "anna"}));
  EXPECT_EQ(expandScriptPath("$DEMO/demodat.csv", app, "/s"),
            dir + "/LEHRDATEN/DATACOPY/demodat.csv");
  EXPECT_EQ(expandScriptPath("data/a.csv", app, "/s"), "/s/data/a.csv");
  EXPECT_EQ(expandScriptPath("/abs/a.csv", app, "/s"), "/abs/a.csv");
  EXPECT_EQ(shortenScriptPath(dir + "/LEHRDATEN/DATACOPY/x.csv", app, "/s"), "$DEMO/x.csv");
  EXPECT_EQ(shortenScriptPath(dir + "/LEHRDATEN", app, "/s"), "$DATA");
  EXPECT_EQ(shortenScriptPath("/s/data/a.csv", app, "/s"), "data/a.csv");
}

TEST(ScriptedDialogsTest, TranscriptLines) {
  std::vector<std::string> lines;
  ScriptedDialogs d([&](const std::string& l) { lines.push_back(l); });
  d.queue(ScriptAnswer::of(ScriptAnswer::Kind::Yes));
  d.queue(ScriptAnswer::typed(U"3"));
  d.queue(ScriptAnswer::of(ScriptAnswer::Kind::Cancel));
  d.queue(ScriptAnswer::file("/x/a.csv"));
  d.queue(ScriptAnswer::of(ScriptAnswer::Kind::Ok));
  d.message(U"Weiter\rmit\tTAB");
  d.error(U"Problem", U"Daten-Fehler", Icon::Error);
  EXPECT_TRUE(d.confirm(U"Expand OHNE Zusatz-Blank ?"));
  EXPECT_EQ(d.input(U"Ordnerwechsel", U" <1>\r <2>", U"2"), Text(U"3"));
  EXPECT_EQ(d.input(U"T", U"P", U"D"), std::nullopt);
  EXPECT_EQ(d.openFile(U"CSV (*.csv)|*.csv", "/x"), Path("/x/a.csv"));
  EXPECT_TRUE(d.print());
  d.printerSetup();
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "[message] Weiter\\rmit\\tTAB",
                       "[error] Problem | Daten-Fehler",
                       "[confirm] Expand OHNE Zusatz-Blank ? -> yes",
                       "[input] Ordnerwechsel |  <1>\\r <2> | 2 -> 3",
                       "[input] T | P | D -> cancel",
                       "[open] CSV (*.csv)|*.csv | /x -> /x/a.csv",
                       "[print] -> ok",
                       "[printer-setup]",
                   }));
  EXPECT_THROW(d.confirm(U"nobody answers"), ScriptFailure);
  d.queue(ScriptAnswer::typed(U"x"));
  EXPECT_THROW(d.question(U"Frage", U"?", Icon::Question), ScriptFailure);
}

}  // namespace
}  // namespace korvale
