// Dialogs, key state and cursor for tests. TestDialogs fails the test on a dialog without a
// queued answer and on answers left over at the end.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/ports/key_state.h"
#include "ui/ports/scripted_dialogs.h"

namespace korvale {

class TestDialogs : public ScriptedDialogs {
 public:
  TestDialogs() : ScriptedDialogs([this](const std::string& line) { shown.push_back(line); }) {}
  ~TestDialogs() override {
    EXPECT_EQ(pendingAnswers(), 0u) << "answers were queued for dialogs that never appeared";
  }

  TestDialogs& yes() { return add(ScriptAnswer::Kind::Yes); }
  TestDialogs& no() { return add(ScriptAnswer::Kind::No); }
  TestDialogs& ok() { return add(ScriptAnswer::Kind::Ok); }
  TestDialogs& cancel() { return add(ScriptAnswer::Kind::Cancel); }
  TestDialogs& useDefault() { return add(ScriptAnswer::Kind::Default); }
  TestDialogs& text(const Text& typed) {
    queue(ScriptAnswer::typed(typed));
    return *this;
  }
  TestDialogs& file(const Path& path) {
    queue(ScriptAnswer::file(path));
    return *this;
  }

  bool print() override {
    const bool chosen = ScriptedDialogs::print();
    if (chosen && onPrint) onPrint();
    return chosen;
  }

  // The transcript lines of the dialogs shown so far (UTF-8).
  std::vector<std::string> shown;
  // Runs when the user chose to print, before the window prints.
  std::function<void()> onPrint;

 private:
  TestDialogs& add(ScriptAnswer::Kind kind) {
    queue(ScriptAnswer::of(kind));
    return *this;
  }
};

// Escape reads as held down from the given poll on (counted from 1); 0 never.
class TestKeyState : public KeyState {
 public:
  explicit TestKeyState(int downFromPoll = 0) : downFrom_(downFromPoll) {}
  bool escapeDown() override { return downFrom_ > 0 && ++polls_ >= downFrom_; }
  int polls() const { return polls_; }

 private:
  int downFrom_;
  int polls_ = 0;
};

class TestCursor : public Cursor {
 public:
  void set(CursorShape shape) override { shapes.push_back(shape); }
  std::vector<CursorShape> shapes;
};

}  // namespace korvale
