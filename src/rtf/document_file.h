// Documents on disk: RTF or plain text, as the editors open and save them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/encoding.h"
#include "base/path.h"
#include "rtf/rtf_reader.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/rich_text.h"

namespace korvale {

// True when the bytes start (after blanks or a UTF-8 byte-order mark) with an RTF group.
bool looksLikeRtf(std::string_view bytes);

// Loads a document; nullopt when the file cannot be read, is no text a window should hold
// (readUserFile: no regular file, too large, a line too long, binary) or its RTF cannot be read,
// which the caller reports as "Daten-Fehler". With `asRtf` a file that holds no RTF at all (a text
// file named .rtf) loads as plain text, as rich-text controls do. Plain text takes `plainFormat`.
// `encoding` learns what a plain text was read in; RTF counts as code page 1252, the start of a
// new text file.
// `leftOut` learns what of an RTF file the editor will not hold (see readRtf).
std::optional<RichText> loadDocument(const Path& path, bool asRtf, const CharFormat& plainFormat,
                                     Encoding* encoding = nullptr,
                                     LeftOutContent* leftOut = nullptr);

// A file that was opened without some of its content: saving the text over it would lose that
// content, so the program says so when it opens the file and asks before it replaces it.
struct IncompleteOriginal {
  Path file;
  LeftOutContent leftOut;
};

// Remembers `file` when it held content the editor left out and tells the user once; forgets
// any earlier file otherwise.
void noteLeftOutContent(std::optional<IncompleteOriginal>& original, const Path& file,
                        const LeftOutContent& leftOut, Dialogs& dialogs);
// True when `target` may be written: it is not the remembered file, or the user agreed to
// replace it (which forgets it, as its content is then gone).
bool mayReplaceOriginal(std::optional<IncompleteOriginal>& original, const Path& target,
                        Dialogs& dialogs);

// Writes RTF or plain text (CR LF after every line) atomically: a failed save leaves the old
// file as it was and returns false. A link is followed (writeUserFileAtomic). Plain text is written
// in `encoding` (see encode(), which may change it to UTF-8 with BOM); RTF is always written in
// code page 1252 with \uN.
bool saveDocument(const Path& path, const RichText& doc, bool asRtf, Encoding& encoding);
// A new file: code page 1252 where it can hold the text.
bool saveDocument(const Path& path, const RichText& doc, bool asRtf);

// How a user's list, document or letter is saved: saveDocument, and when the text holds a
// character that code page 1252 lacks while the file was to be written in it, one message says
// that it was saved as UTF-8. Failures are left to the caller, who reports them.
bool saveUserDocument(const Path& path, const RichText& doc, bool asRtf, Encoding& encoding,
                      Dialogs& dialogs);

}  // namespace korvale
