#include "support/memory_text_editor.h"
#include "support/text_editor_contract.h"

namespace korvale {
namespace {

struct MemoryEditorFactory {
  static std::unique_ptr<TextEditor> make() { return std::make_unique<MemoryTextEditor>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, TextEditorContract, ::testing::Types<MemoryEditorFactory>);

}  // namespace
}  // namespace korvale
