#include <gtest/gtest.h>

#include <string>

#include "base/files.h"
#include "support/temp_folder.h"
#include "ui/qt/qt_clipboard.h"

namespace korvale {
namespace {

std::string zipStartingWith(const std::string& firstName, const std::string& firstContent) {
  std::string local("PK\x03\x04", 4);
  local += std::string(14, '\0');
  const auto le32 = [](std::size_t v) {
    return std::string{static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff),
                       static_cast<char>((v >> 16) & 0xff), static_cast<char>((v >> 24) & 0xff)};
  };
  local += le32(firstContent.size()) + le32(firstContent.size());
  local += std::string{static_cast<char>(firstName.size()), '\0', '\0', '\0'};
  return local + firstName + firstContent + std::string(64, '\0');
}

TEST(QtShell, OnlyDocumentsAndMediaReachTheDesktop) {
  const std::string elf = std::string(
                              "\x7f"
                              "ELF\x02\x01\x01",
                              7) +
                          std::string(120, '\0');
  const std::string jpeg =
      std::string("\xff\xd8\xff\xe0\x00\x10JFIF\x00", 11) + std::string(64, '\0');
  const std::string odt = zipStartingWith("mimetype", "application/vnd.oasis.opendocument.text");
  const struct {
    const char* name;
    std::string content;
    bool handedOver;
  } files[] = {
      {"notiz.txt", "Hallo Klasse\n", true},
      {"liste.csv", "NAMEN;DEU;\nAnna;1;\n", true},
      {"brief.rtf", "{\\rtf1\\ansi Hallo}", true},
      {"bild.jpg", jpeg, true},
      {"bericht.pdf", "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n", true},
      {"aufsatz.odt", odt, true},
      {"leer.txt", "", true},
      // Programs, launchers and scripts, also when named like a document.
      {"programm.jpg", elf, false},
      {"skript.txt", "#!/bin/sh\nrm -rf ~\n", false},
      {"start.desktop", "[Desktop Entry]\nType=Application\nExec=xterm\n", false},
      {"tabelle.txt", "[Desktop Entry]\nType=Application\nExec=xterm\n", false},
      {"spiel.jar", zipStartingWith("META-INF/MANIFEST.MF", "Manifest-Version: 1.0\n"), false},
      {"urlaub.jpg", zipStartingWith("a.class", "\xca\xfe\xba\xbe"), false},
      {"lauf.sh", "#!/bin/sh\necho hallo\n", false},
      {"rechne.py", "print(1)\n", false},
      {"setup.exe", std::string("MZ\x90\x00", 4) + std::string(120, '\0'), false},
      {"ohne_endung", "Hallo\n", false},
  };
  TempFolder folder;
  for (const auto& f : files) {
    SCOPED_TRACE(f.name);
    const Path path = folder / f.name;
    ASSERT_TRUE(writeFileAtomic(path, f.content));
    EXPECT_EQ(isDocumentForTheDesktop(path), f.handedOver);
  }
}

}  // namespace
}  // namespace korvale
