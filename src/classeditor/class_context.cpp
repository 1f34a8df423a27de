#include "classeditor/class_context.h"

namespace korvale {

ClassContext::ClassContext(const ClassPorts& ports, int planWidth, int planHeight, Path startFolder)
    : ClassPorts(ports),
      plan(planWidth, planHeight),
      file{std::move(startFolder), Path(), Encoding::Cp1252} {
  CharFormat format = list.typingFormat();
  format.font = U"Times New Roman";
  format.size = kListFontSize;
  list.setTypingFormat(format);
}

FontChoice listFont(const ClassContext& cx) {
  const CharFormat format = cx.list.isEmpty() ? cx.list.typingFormat() : cx.list.formatAt({0, 0});
  return {format.font, format.size, format.bold, format.italic};
}

}  // namespace korvale
