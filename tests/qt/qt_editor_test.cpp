#include "support/text_editor_contract.h"
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

}  // namespace
}  // namespace korvale
