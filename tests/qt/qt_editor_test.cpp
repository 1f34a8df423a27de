#include "support/text_editor_contract.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"

#include <QTextDocument>

namespace korvale {
namespace {

struct QtEditorFactory {
  static std::unique_ptr<TextEditor> make() { return std::make_unique<QtTextEditor>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, TextEditorContract, ::testing::Types<QtEditorFactory>);

}  // namespace
}  // namespace korvale

namespace korvale {
namespace {

TEST(QtEditor, NewTextKeepsTheControlsLayoutSettings) {
  QtTextEditor editor;
  editor.widget()->document()->setDocumentMargin(10);
  editor.setLines({U"eins", U"zwei"});
  editor.setLines({U"drei"});
  EXPECT_EQ(editor.widget()->document()->documentMargin(), 10);
  EXPECT_EQ(editor.lines(), std::vector<Text>{U"drei"});
  EXPECT_FALSE(editor.canUndo());  // a new text starts a new history
}

// Every character goes to Qt and back unchanged, the names through the editor as well: letters
// beyond cp1252, a character outside the 16-bit range and a surrogate on its own.
TEST(QtText, ConversionKeepsEveryCharacter) {
  const Text texts[] = {U"Ayşe Yılmaz", U"Nguyễn Thị Hà", U"x\U0001F600y", Text{U'a', 0xD800, U'b'},
                        U""};
  for (const Text& text : texts) {
    EXPECT_EQ(fromQt(toQt(text)), text);
    EXPECT_EQ(toQt(text).size(),
              static_cast<qsizetype>(text.size() + (text.find(0x1F600) != Text::npos)));
  }
  EXPECT_EQ(toQt(U"x\U0001F600"), QString::fromUtf8("x\xF0\x9F\x98\x80"));
  QtTextEditor editor;
  editor.setLines({U"Đorđe Petrović", U"Łukasz \U0001F600"});
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Đorđe Petrović", U"Łukasz \U0001F600"}));
}

}  // namespace
}  // namespace korvale
