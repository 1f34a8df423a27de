// Arbitrary bytes as a replace expression (the first line) and records (the other lines), put
// through "Replace FX" as it builds each record's field. Besides the sanitizers, checks what
// the list relies on: a numeric field receives a number with two decimals, and the record keeps
// its number of fields whatever the expression made of it.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/encoding.h"
#include "base/numbers.h"
#include "base/text_routines.h"
#include "listtools/column_fields.h"
#include "listtools/list_text.h"
#include "listtools/replace_expression.h"

namespace {

using korvale::Text;

void require(bool condition) {
  if (!condition) std::abort();
}

korvale::VariableTable makeVariables() {
  korvale::VariableTable variables;
  for (int number = 1; number <= korvale::VariableTable::kCount; ++number)
    variables.setAt(number, number % 3 == 0 ? 0 : number * 1.5);
  return variables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const korvale::VariableTable variables = makeVariables();
  // The first byte chooses the target column; the rest is the text.
  const int column = 1 + data[0] % 12;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  std::vector<Text> lines = korvale::splitLines(korvale::decode(bytes, korvale::Encoding::Utf8));
  if (lines.empty()) return 0;
  const korvale::ParsedReplace parsed = korvale::parseReplaceExpression(korvale::trim(lines[0]));
  if (parsed.error != korvale::ReplaceError::None) return 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const Text& line = lines[i];
    const std::vector<Text> fields = korvale::splitFields(line, U';');
    for (const bool numeric : {false, true}) {
      const Text value = korvale::replacementValue(parsed.tpl, fields, numeric, variables);
      if (numeric) {
        require(korvale::readNumber(value).has_value());
        const std::size_t point = value.find(U'.');
        require(point != Text::npos && point + 3 == value.size());
      }
      const Text rebuilt =
          korvale::withField(line, U';', column, korvale::removeCharacter(value, U';'));
      // In the form the List tools keep (a separator after every field) the count stays; a
      // line without its final separator cannot show an empty last field, so it may lose one.
      const std::size_t count = korvale::splitFields(rebuilt, U';').size();
      if (!line.empty() && line.back() == U';')
        require(count == fields.size());
      else
        require(count <= fields.size() && count + 1 >= fields.size());
    }
  }
  return 0;
}
