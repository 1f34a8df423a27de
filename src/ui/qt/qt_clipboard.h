// The system clipboard; formatted text copied here comes back with its formats.
#pragma once

#include "ui/ports/clipboard.h"
#include "ui/ports/shell.h"

namespace korvale {

class QtClipboard : public Clipboard {
 public:
  void setText(const RichText& text) override;
  RichText text() const override;
  void clear() override;

 private:
  RichText own_;  // the last text copied from here, with its formats
};

// A document or medium the desktop may open for the user: its type by name and by content is a
// picture, sound, video, PDF, text, RTF or office document, never a program, launcher or script.
bool isDocumentForTheDesktop(const Path& path);

// Opens documents with the desktop's program for their type; anything else it refuses.
class QtShell : public Shell {
 public:
  bool openDocument(const Path& path) override;
  bool startProgram(const Path& program) override;
};

}  // namespace korvale
