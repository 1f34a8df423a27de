// Documents on disk: RTF or plain text, as the editors open and save them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/ports/rich_text.h"

namespace korvale {

// True when the bytes start (after blanks or a UTF-8 byte-order mark) with an RTF group.
bool looksLikeRtf(std::string_view bytes);

// Loads a document; nullopt when the file cannot be read or its RTF cannot be read, which the
// caller reports as "Daten-Fehler". With `asRtf` a file that holds no RTF at all (a text file
// named .rtf) loads as plain text, as rich-text controls do. Plain text takes `plainFormat`.
std::optional<RichText> loadDocument(const std::string& path, bool asRtf,
                                     const CharFormat& plainFormat);

// Writes RTF or plain text (CR LF after every line) atomically: a failed save leaves the old
// file as it was and returns false.
bool saveDocument(const std::string& path, const RichText& doc, bool asRtf);

}  // namespace korvale
