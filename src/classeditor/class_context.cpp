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

}  // namespace korvale
