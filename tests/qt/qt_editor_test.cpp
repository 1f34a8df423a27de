#include "support/text_editor_contract.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {
namespace {

struct QtEditorFactory {
  static std::unique_ptr<TextEditor> make() { return std::make_unique<QtTextEditor>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, TextEditorContract, ::testing::Types<QtEditorFactory>);

}  // namespace
}  // namespace korvale
