#include "mailmerge/merge.h"

#include "base/text_routines.h"
#include "mailmerge/document_builder.h"
#include "mailmerge/letter_template.h"

namespace korvale {

Text mergeValue(const Text& field, int declaredWidth, bool compressed) {
  return compressed ? trim(field) : padRight(trim(field), declaredWidth);
}

MergeResult mergeLetters(const RichText& letterTemplate, const MergeSource& source,
                         const MergeChoice& choice, const VariableTable& variables,
                         KeyState& keys) {
  const FieldTable& table = source.fields;
  const int fieldCount = table.fieldCount();
  const LetterTemplate letter(letterTemplate, fieldCount);

  std::vector<Text> names;
  names.reserve(static_cast<std::size_t>(fieldCount));
  for (int s = 1; s <= fieldCount; ++s)
    names.push_back(padRight(table.field(s).name, table.longestNameLength));

  MergeResult result;
  DocumentBuilder out;
  const std::size_t records = source.lines.empty() ? 0 : source.lines.size() - 1;
  out.reserve((letter.size() + 4) * records);
  const CharFormat fallback =
      letterTemplate.runs.empty() ? CharFormat() : letterTemplate.runs.front().format;
  const Text pageBreak = Text(U"\n") + kPageBreakMark;

  std::vector<Text> values(static_cast<std::size_t>(fieldCount));
  for (std::size_t r = 1; r <= records; ++r) {
    if (keys.escapeDown()) {
      result.aborted = true;
      break;
    }
    const std::vector<Text> fields = trimmedSplit(source.lines[r], source.separator);
    for (int s = 1; s <= fieldCount; ++s) {
      const auto i = static_cast<std::size_t>(s - 1);
      values[i] = mergeValue(i < fields.size() ? fields[i] : Text(), table.field(s).width,
                             choice.compressed);
    }
    // Each copy starts on a line of its own.
    if (result.copies > 0) out.append(U"\n", out.lastFormat(fallback));
    letter.appendCopy(out, values, names, variables);
    if (choice.pageBreaks) out.append(pageBreak, out.lastFormat(fallback));
    ++result.copies;
  }

  result.letters = out.take();
  if (!choice.pageBreaks) collapseDoubleLineBreaks(result.letters);
  if (!result.aborted) dropTrailingBlankLines(result.letters);
  return result;
}

}  // namespace korvale
