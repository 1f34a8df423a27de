#include "support/text_editor_contract.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

namespace korvale {
namespace {

struct QtEditorFactory {
  static std::unique_ptr<TextEditor> make() { return std::make_unique<QtTextEditor>(); }
};

// A text shown larger than its sizes keeps every promise of the port.
struct ZoomedQtEditorFactory {
  static std::unique_ptr<TextEditor> make() {
    auto editor = std::make_unique<QtTextEditor>();
    editor->setZoom(1.6);
    return editor;
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, TextEditorContract, ::testing::Types<QtEditorFactory>);
INSTANTIATE_TYPED_TEST_SUITE_P(QtZoomed, TextEditorContract,
                               ::testing::Types<ZoomedQtEditorFactory>);

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

// A zoomed text is drawn larger, while its sizes stay what the port, a saved file, a printout
// and another program see; zooming a filled text keeps the marked range.
TEST(QtEditor, ZoomEnlargesTheShownTextOnly) {
  QtTextEditor editor;
  CharFormat table{U"Courier New", 10};
  CharFormat letter{U"Arial", 14};
  RichText content = RichText::plain(U"NAMEN;MAT\nBrief", table);
  content.applyFormat(10, 5, letter);
  editor.setRichText(content);
  editor.setSelection({0, 0}, {1, 5});
  editor.setZoom(1.5);
  const QTextBlock first = editor.widget()->document()->firstBlock();
  EXPECT_DOUBLE_EQ(first.begin().fragment().charFormat().fontPointSize(), 15.0);
  EXPECT_DOUBLE_EQ(first.next().begin().fragment().charFormat().fontPointSize(), 21.0);
  EXPECT_EQ(editor.richText(), content);
  EXPECT_EQ(editor.anchor(), (TextPos{0, 0}));
  EXPECT_EQ(editor.caret(), (TextPos{1, 5}));
  EXPECT_EQ(editor.formatAt({1, 0}), letter);

  editor.widget()->copy();
  const QString html = QGuiApplication::clipboard()->mimeData()->html();
  EXPECT_TRUE(html.contains(QStringLiteral("font-size:10pt"))) << html.toStdString();
  EXPECT_TRUE(html.contains(QStringLiteral("font-size:14pt"))) << html.toStdString();
  EXPECT_FALSE(html.contains(QStringLiteral("font-size:15pt"))) << html.toStdString();
}

}  // namespace
}  // namespace korvale
