// The checks and messages of the five menu entries, Escape during the preview, the files of
// templates and printing.
#include <unistd.h>

#include <cstdlib>
#include <functional>

#include "base/files.h"
#include "grades_mail_merge_fixture.h"
#include "rtf/rtf_writer.h"

namespace korvale {
namespace {

const Lines kList = {U"Nr;Name;", U"1;Albers;", U"2;Claasen;", U"3;Dietrich;"};

using Command = void (*)(GradesContext&);

// The flags of a case; the list and a valid template are always there.
struct Given {
  bool loaded = true;
  bool displayed = false;
  bool templateFlag = true;
  bool previewOn = false;
  Text text = U"Sehr geehrte(r) <F2>";
};

struct RefusalCase {
  const char* name;
  Command command;
  Given given;
  std::vector<std::string> shown;
  std::function<void(TestDialogs&)> answers = nullptr;
};

class RefusalTest : public MailMergeTest, public ::testing::WithParamInterface<RefusalCase> {
 public:
  void apply(const Given& g) {
    loadList(kList);
    ctx.db.mode = !g.loaded     ? DatabasePart::Mode::None
                  : g.displayed ? DatabasePart::Mode::Shown
                                : DatabasePart::Mode::Hidden;
    setTemplate(g.text);
    state.templateInEditor = g.templateFlag;
    if (g.previewOn && ctx.db.mode == DatabasePart::Mode::Hidden)
      ctx.db.mode = DatabasePart::Mode::Letters;
  }
};

TEST_P(RefusalTest, MessageAndNothingElse) {
  const RefusalCase& c = GetParam();
  apply(c.given);
  if (c.answers) c.answers(dialogs);
  const RichText before = editor.richText();
  const MailMergeState stateBefore = state;
  const bool previewBefore = previewOn();
  auto& w = window();
  c.command(w);
  EXPECT_EQ(dialogs.shown, c.shown);
  EXPECT_EQ(editor.richText(), before);
  EXPECT_EQ(previewOn(), previewBefore);
  EXPECT_EQ(state.templateInEditor, stateBefore.templateInEditor);
  EXPECT_TRUE(printed.empty());
  EXPECT_EQ(fileLabel, U"Datei: ");
}

const std::string kShowDatabase = "[message] Bitte zuerst <Datenbank anzeigen> ausschalten !";
const std::string kPreviewOn = "[message] Bitte zuerst <Serienbrief-Vorschau> ausschalten !";
const std::string kNoDatabase = "[message] Noch keine Datenbank geladen !";
const std::string kWriteFirst = "[message] Bitte zuerst einen Serienbrief schreiben !";

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusalTest,
    ::testing::Values(
        RefusalCase{
            "LoadWhileDisplayed", loadTemplateCommand, {.displayed = true}, {kShowDatabase}},
        RefusalCase{"LoadDuringPreview", loadTemplateCommand, {.previewOn = true}, {kPreviewOn}},
        RefusalCase{"LoadDisplayedBeforePreview",
                    loadTemplateCommand,
                    {.displayed = true, .previewOn = true},
                    {kShowDatabase}},
        RefusalCase{"NewWhileDisplayed", newTemplateCommand, {.displayed = true}, {kShowDatabase}},
        RefusalCase{"NewDuringPreview", newTemplateCommand, {.previewOn = true}, {kPreviewOn}},
        RefusalCase{
            "SaveWhileDisplayed", saveTemplateCommand, {.displayed = true}, {kShowDatabase}},
        RefusalCase{"SaveDuringPreview", saveTemplateCommand, {.previewOn = true}, {kPreviewOn}},
        RefusalCase{"SaveEmpty", saveTemplateCommand, {.text = U""}, {kWriteFirst}},
        RefusalCase{"PreviewWithoutDatabase",
                    previewCommand,
                    {.loaded = false, .displayed = true, .templateFlag = false},
                    {kNoDatabase}},
        RefusalCase{"PreviewWhileDisplayed",
                    previewCommand,
                    {.displayed = true, .templateFlag = false},
                    {kShowDatabase}},
        RefusalCase{"PreviewWithoutTemplate",
                    previewCommand,
                    {.templateFlag = false},
                    {"[message] Noch kein Serienbrief geladen !"}},
        RefusalCase{"PreviewOfATextWithoutF",
                    previewCommand,
                    {.text = U"<Name> <n2>"},
                    {"[message] Abbruch: Kein gültiger Serienbrief !"}},
        RefusalCase{"PreviewOfATextWithoutBrackets",
                    previewCommand,
                    {.text = U"Feld F2 und f3"},
                    {"[message] Abbruch: Kein gültiger Serienbrief !"}},
        RefusalCase{"PrintWithoutDatabase",
                    printLettersCommand,
                    {.loaded = false, .displayed = true},
                    {kNoDatabase}},
        RefusalCase{"PrintWhileDisplayed",
                    printLettersCommand,
                    {.displayed = true, .templateFlag = false},
                    {kShowDatabase}},
        RefusalCase{"PrintWithoutTemplate",
                    printLettersCommand,
                    {.templateFlag = false, .text = U""},
                    {"[message] Noch kein Serienbrief vorhanden !"}},
        RefusalCase{"PrintEmpty", printLettersCommand, {.text = U""}, {kWriteFirst}},
        RefusalCase{"PrintDeclined",
                    printLettersCommand,
                    {},
                    {"[confirm]  Den Serienbrief drucken ?  -> no"},
                    [](TestDialogs& d) { d.no(); }},
        RefusalCase{"PrintDialogCancelled",
                    printLettersCommand,
                    {},
                    {"[confirm]  Den Serienbrief drucken ?  -> yes", "[print] -> cancel"},
                    [](TestDialogs& d) { d.yes().cancel(); }}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST_F(MailMergeTest, NewTemplateStartsEmptyAndWritable) {
  loadList(kList);
  setTemplate(U"alt");
  state.templateInEditor = false;
  auto& w = window();
  newTemplateCommand(w);
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_TRUE(state.templateInEditor);
  EXPECT_EQ(unlocks, 1);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MailMergeTest, EscapeStopsAfterTheCurrentRecordAndThePreviewCommandRestores) {
  loadList(kList);
  setTemplate(U"Hallo <F2>\n\n  \n");
  const RichText original = editor.richText();
  keys = TestKeyState(3);
  preview(false, true);

  std::vector<std::string> expected = previewQuestions(false, true);
  expected.push_back("[message] Serienbrief-Vorschau abgebrochen !");
  EXPECT_EQ(dialogs.shown, expected);
  EXPECT_EQ(keys.polls(), 3);
  // The two copies made so far stay, as they were made.
  EXPECT_EQ(editor.lines(), (Lines{U"Hallo Albers", U"", U"  ", U"", U"\xB6", U"Hallo Claasen", U"",
                                   U"  ", U"", U"\xB6"}));
  EXPECT_TRUE(previewOn());
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));

  auto& w = window();
  previewCommand(w);
  EXPECT_FALSE(previewOn());
  EXPECT_EQ(editor.lines(), Lines{U"Hallo <F2>"});
  EXPECT_EQ(editor.formatAt({0, 3}), original.formatAt(3));
  EXPECT_EQ(dialogs.shown.size(), expected.size());
}

TEST_F(MailMergeTest, EscapeBeforeTheFirstRecordLeavesNoCopy) {
  loadList(kList);
  setTemplate(U"<F2>");
  keys = TestKeyState(1);
  preview(true, true);
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_TRUE(previewOn());
  EXPECT_EQ(state.savedTemplate.text, U"<F2>");
}

TEST_F(MailMergeTest, PrintingHandsTheLettersToTheWindowsPrinting) {
  loadList(kList);
  setTemplate(
      U"Liebe(r) <F2>,\nviele Gr\xFC\xDF"
      "e");
  preview(false, true);
  dialogs.yes().ok();
  auto& w = window();
  printLettersCommand(w);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0], editor.richText());

  // The window's printing starts a page at each mark: one letter per page.
  std::vector<Lines> pages(1);
  for (const Text& line : printed[0].lines()) {
    if (line == U"\xB6")
      pages.emplace_back();
    else
      pages.back().push_back(line);
  }
  pages.pop_back();  // nothing follows the last mark
  const Lines greeting = {
      U"viele Gr\xFC\xDF"
      U"e"};
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0], (Lines{U"Liebe(r) Albers,", greeting[0]}));
  EXPECT_EQ(pages[2], (Lines{U"Liebe(r) Dietrich,", greeting[0]}));
}

TEST_F(MailMergeTest, PrintingWorksWithoutThePreview) {
  loadList(kList);
  setTemplate(U"<F2>");
  dialogs.yes().ok();
  auto& w = window();
  printLettersCommand(w);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0].text, U"<F2>");
}

class TemplateFileTest : public MailMergeTest {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/korvale-mailmerge-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = Path(pattern);
    loadList(kList);
  }
  void TearDown() override { std::system(("rm -rf '" + dir.bytes() + "'").c_str()); }
  Path dir;
};

TEST_F(TemplateFileTest, SavedTemplateLoadsBackWithItsFormats) {
  RichText doc = RichText::plain(U"Liebe(r) <F2>,\nTsch\xFC\xDF", fmt(U"Arial", 12));
  doc.applyFormat(9, 4, fmt(U"Courier New", 10, true));
  doc.setAlignment(1, Alignment::Right);
  doc.normalize();
  editor.setRichText(doc);
  fileName = "brief.rtf";
  dialogs.file(dir + "/neu");
  auto& w = window();
  saveTemplateCommand(w);
  EXPECT_EQ(
      dialogs.shown,
      (std::vector<std::string>{"[save] RTF-Textdateien (*.rtf)|*.rtf | /tmp | brief.rtf -> " +
                                dir.bytes() + "/neu"}));
  EXPECT_EQ(readFileBytes(dir + "/neu.rtf"), writeRtf(doc));
  EXPECT_EQ(fileName, "neu.rtf");
  EXPECT_EQ(fileExtension, ".rtf");
  EXPECT_EQ(workingFolder, dir);
  EXPECT_EQ(fileLabel, U"Datei: neu.rtf");
  EXPECT_TRUE(state.templateInEditor);

  editor.clear();
  state.templateInEditor = false;
  fileName.clear();
  workingFolder = "/tmp";
  dialogs.file(dir + "/neu.rtf");
  auto& again = window();
  loadTemplateCommand(again);
  EXPECT_EQ(dialogs.shown.back(),
            "[open] RTF-Textdateien (*.rtf)|*.rtf | /tmp -> " + dir.bytes() + "/neu.rtf");
  EXPECT_EQ(editor.richText(), doc);
  EXPECT_TRUE(state.templateInEditor);
  EXPECT_EQ(fileLabel, U"Datei: neu.rtf");
  EXPECT_EQ(workingFolder, dir);
  EXPECT_EQ(unlocks, 1);
}

TEST_F(TemplateFileTest, FailuresReportDataErrorAndClaimNothing) {
  setTemplate(U"<F2>");
  state.templateInEditor = false;
  const RichText before = editor.richText();
  dialogs.file(dir + "/fehlt/brief.rtf").file(dir + "/fehlt.rtf");
  auto& w = window();
  saveTemplateCommand(w);
  loadTemplateCommand(w);
  ASSERT_EQ(dialogs.shown.size(), 4u);
  EXPECT_EQ(dialogs.shown[1], "[error] Problem | Daten-Fehler");
  EXPECT_EQ(dialogs.shown[3], "[error] Problem | Daten-Fehler");
  EXPECT_EQ(editor.richText(), before);
  EXPECT_FALSE(state.templateInEditor);
  EXPECT_EQ(fileLabel, U"Datei: ");
  EXPECT_TRUE(fileName.empty());
}

TEST_F(TemplateFileTest, CancelledDialogsChangeNothing) {
  setTemplate(U"<F2>");
  state.templateInEditor = false;
  dialogs.cancel().cancel();
  auto& w = window();
  saveTemplateCommand(w);
  loadTemplateCommand(w);
  EXPECT_EQ(editor.plainText(), U"<F2>");
  EXPECT_FALSE(state.templateInEditor);
  EXPECT_EQ(workingFolder, "/tmp");
}

}  // namespace
}  // namespace korvale
