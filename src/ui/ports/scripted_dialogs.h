// Dialogs answered from a queue instead of a user: the script runner's and the tests' dialogs.
// Every dialog is written to a transcript line; a dialog without a fitting answer is a failure.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/ports/dialogs.h"

namespace korvale {

struct ScriptAnswer {
  enum class Kind { Text, Default, Cancel, Yes, No, Ok, File, Font };
  Kind kind = Kind::Ok;
  Text text;        // Text: the typed answer
  Path path;        // File
  FontChoice font;  // Font

  static ScriptAnswer of(Kind kind, Text text = Text()) { return {kind, std::move(text), {}, {}}; }
  static ScriptAnswer file(Path path) { return {Kind::File, {}, std::move(path), {}}; }
  static ScriptAnswer typed(Text text) { return of(Kind::Text, std::move(text)); }
};

// Thrown when a dialog finds no fitting answer; the runner stops the script with it.
struct ScriptFailure {
  std::string message;
};

class ScriptedDialogs : public Dialogs {
 public:
  // Each transcript line is UTF-8, without a line break.
  using Sink = std::function<void(const std::string& line)>;
  // Turns a path into the form shown in the transcript.
  using PathShortener = std::function<std::string(const Path& path)>;

  explicit ScriptedDialogs(Sink sink, PathShortener shorten = nullptr);

  void queue(ScriptAnswer answer) { answers_.push_back(std::move(answer)); }
  std::size_t pendingAnswers() const { return answers_.size(); }
  void dropAnswers() { answers_.clear(); }

  void message(const Text& text) override;
  void error(const Text& caption, const Text& text, Icon icon) override;
  bool confirm(const Text& text) override;
  bool question(const Text& caption, const Text& text, Icon icon) override;
  std::optional<Text> input(const Text& title, const Text& prompt,
                            const Text& defaultText) override;
  std::optional<Path> openFile(const Text& filter, const Path& folder) override;
  std::optional<Path> saveFile(const Text& filter, const Path& folder,
                               const Path& fileName) override;
  std::optional<FontChoice> font(const FontChoice& current) override;
  bool print() override;
  void printerSetup() override;

  // Text as one transcript field: UTF-8 with CR, LF and TAB written as \r, \n, \t.
  static std::string show(const Text& text);

 private:
  ScriptAnswer take(const std::string& dialog, std::initializer_list<ScriptAnswer::Kind> kinds);
  std::string shortPath(const Path& path) const;

  Sink sink_;
  PathShortener shorten_;
  std::deque<ScriptAnswer> answers_;
};

}  // namespace korvale
