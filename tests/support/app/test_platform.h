// The program's platform in memory: scripted dialogs, in-memory editors, a log of windows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "support/memory_text_editor.h"
#include "support/recording_canvas.h"
#include "support/test_ports.h"
#include "window/platform.h"

namespace korvale {

class TestPlatform : public Platform {
 public:
  Dialogs& dialogs() override { return dialogs_; }
  KeyState& keys() override { return keys_; }
  Cursor& cursor() override { return cursor_; }
  Printer& printer() override { return printer_; }
  Clipboard& clipboard() override { return clipboard_; }
  Shell& shell() override { return shell_; }
  Screen screen() const override { return {}; }
  std::unique_ptr<TextEditor> createEditor() override {
    return std::make_unique<MemoryTextEditor>();
  }
  std::unique_ptr<Canvas> createCanvas() override { return std::make_unique<RecordingCanvas>(); }
  void windowShown(Window& window) override { log.push_back("show " + window.objectName()); }
  void windowHidden(Window& window) override { log.push_back("hide " + window.objectName()); }
  void quit() override { log.push_back("quit"); }

  TestDialogs& testDialogs() { return dialogs_; }
  RecordingPrinter& testPrinter() { return printer_; }
  std::vector<std::string> log;

 private:
  TestDialogs dialogs_;
  TestKeyState keys_;
  TestCursor cursor_;
  RecordingPrinter printer_;
  MemoryClipboard clipboard_;
  RecordingShell shell_;
};

}  // namespace korvale
