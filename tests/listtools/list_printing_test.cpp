// Print's size and line entries: which entries print, in which size, and which end the printing
// without another question.
#include "listtools/list_printing.h"
#include "list_tools_fixture.h"

namespace korvale {
namespace {

constexpr const char* kCancel = "<cancel>";

TEST_F(ListToolsTest, PrintTakesSizesAndRangesOrEndsQuietly) {
  struct Case {
    const char* size;   // the size entry, or kCancel
    const char* range;  // the range entry, kCancel, or nullptr when the size ends the printing
    int printedSize;    // 0: nothing printed
    Lines printed;      // without the indent line on top
  };
  const Case cases[] = {
      {"4", "2,3", 10, {U"  Bert;2; ", U"  Carl;3; "}},
      {"16", "5,5", 16, {U"  Emil;5; "}},
      {" 6 ", " 2 , 2 ", 6, {U"  Bert;2; "}},
      {"17", "1,1", 10, {U"  Anna;1; "}},
      {"x", "1,1", 10, {U"  Anna;1; "}},
      {"0", nullptr, 0, {}},
      {"", nullptr, 0, {}},
      {kCancel, nullptr, 0, {}},
      {"10", "3", 0, {}},
      {"10", "0", 0, {}},
      {"10", "3,2", 0, {}},
      {"10", "4,6", 0, {}},
      {"10", "0,2", 0, {}},
      {"10", "a,2", 0, {}},
      {"10", kCancel, 0, {}},
  };
  load("liste.csv", "NAME;N;\r\nAnna;1;\r\nBert;2;\r\nCarl;3;\r\nDora;4;\r\nEmil;5;\r\n");
  const auto answer = [this](const char* entry) {
    if (std::string(entry) == kCancel)
      dialogs.cancel();
    else
      dialogs.text(fromUtf8(entry));
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.size) + " / " + (k.range ? k.range : "-"));
    printer.jobs.clear();
    dialogs.ok().no();
    answer(k.size);
    if (k.range) answer(k.range);
    if (k.printedSize > 0) dialogs.no();
    printListLines(c);
    EXPECT_EQ(dialogs.pendingAnswers(), 0u);
    dialogs.dropAnswers();
    if (k.printedSize == 0) {
      EXPECT_TRUE(printer.jobs.empty());
      continue;
    }
    ASSERT_EQ(printer.jobs.size(), 1u);
    const RichText& content = printer.jobs[0].content;
    Lines expected{U"  "};
    expected.insert(expected.end(), k.printed.begin(), k.printed.end());
    EXPECT_EQ(content.lines(), expected);
    const CharFormat font = content.formatAt(0);
    EXPECT_EQ(font.font, U"Courier New");
    EXPECT_EQ(font.size, k.printedSize);
    EXPECT_TRUE(font.bold);
  }
}

}  // namespace
}  // namespace korvale
