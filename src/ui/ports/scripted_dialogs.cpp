#include "ui/ports/scripted_dialogs.h"

#include <algorithm>

namespace korvale {

namespace {
const char* kindName(ScriptAnswer::Kind kind) {
  switch (kind) {
    case ScriptAnswer::Kind::Text:
      return "text";
    case ScriptAnswer::Kind::Default:
      return "default";
    case ScriptAnswer::Kind::Cancel:
      return "cancel";
    case ScriptAnswer::Kind::Yes:
      return "yes";
    case ScriptAnswer::Kind::No:
      return "no";
    case ScriptAnswer::Kind::Ok:
      return "ok";
    case ScriptAnswer::Kind::File:
      return "file";
    case ScriptAnswer::Kind::Font:
      return "font";
  }
  return "?";
}
}  // namespace

ScriptedDialogs::ScriptedDialogs(Sink sink, PathShortener shorten)
    : sink_(std::move(sink)), shorten_(std::move(shorten)) {}

std::string ScriptedDialogs::show(const Text& text) {
  Text escaped;
  for (const char32_t c : text) {
    if (c == '\r')
      escaped += U"\\r";
    else if (c == '\n')
      escaped += U"\\n";
    else if (c == '\t')
      escaped += U"\\t";
    else
      escaped += c;
  }
  return toUtf8(escaped);
}

std::string ScriptedDialogs::shortPath(const Path& path) const {
  return show(shorten_ ? fromUtf8(shorten_(path)) : path.displayText());
}

ScriptAnswer ScriptedDialogs::take(const std::string& dialog,
                                   std::initializer_list<ScriptAnswer::Kind> kinds) {
  if (answers_.empty()) {
    sink_(dialog);
    throw ScriptFailure{"no answer queued for the dialog: " + dialog};
  }
  ScriptAnswer answer = answers_.front();
  answers_.pop_front();
  if (std::find(kinds.begin(), kinds.end(), answer.kind) == kinds.end()) {
    sink_(dialog);
    throw ScriptFailure{std::string("the queued answer '") + kindName(answer.kind) +
                        "' does not fit the dialog: " + dialog};
  }
  return answer;
}

void ScriptedDialogs::message(const Text& text) {
  sink_("[message] " + show(text));
}

void ScriptedDialogs::error(const Text& caption, const Text& text, Icon) {
  sink_("[error] " + show(caption) + " | " + show(text));
}

bool ScriptedDialogs::confirm(const Text& text) {
  const std::string line = "[confirm] " + show(text);
  using K = ScriptAnswer::Kind;
  const bool yes = take(line, {K::Yes, K::No}).kind == K::Yes;
  sink_(line + (yes ? " -> yes" : " -> no"));
  return yes;
}

bool ScriptedDialogs::question(const Text& caption, const Text& text, Icon) {
  const std::string line = "[question] " + show(caption) + " | " + show(text);
  using K = ScriptAnswer::Kind;
  const bool yes = take(line, {K::Yes, K::No}).kind == K::Yes;
  sink_(line + (yes ? " -> yes" : " -> no"));
  return yes;
}

std::optional<Text> ScriptedDialogs::input(const Text& title, const Text& prompt,
                                           const Text& defaultText) {
  const std::string line =
      "[input] " + show(title) + " | " + show(prompt) + " | " + show(defaultText);
  using K = ScriptAnswer::Kind;
  const ScriptAnswer answer = take(line, {K::Text, K::Default, K::Ok, K::Cancel});
  if (answer.kind == K::Cancel) {
    sink_(line + " -> cancel");
    return std::nullopt;
  }
  const Text value = answer.kind == K::Text ? answer.text : defaultText;
  sink_(line + " -> " + show(value));
  return value;
}

std::optional<Path> ScriptedDialogs::openFile(const Text& filter, const Path& folder) {
  const std::string line = "[open] " + show(filter) + " | " + shortPath(folder);
  using K = ScriptAnswer::Kind;
  const ScriptAnswer answer = take(line, {K::File, K::Cancel});
  if (answer.kind == K::Cancel) {
    sink_(line + " -> cancel");
    return std::nullopt;
  }
  sink_(line + " -> " + shortPath(answer.path));
  return answer.path;
}

std::optional<Path> ScriptedDialogs::saveFile(const Text& filter, const Path& folder,
                                              const Path& fileName) {
  const std::string line =
      "[save] " + show(filter) + " | " + shortPath(folder) + " | " + show(fileName.displayText());
  using K = ScriptAnswer::Kind;
  const ScriptAnswer answer = take(line, {K::File, K::Cancel});
  if (answer.kind == K::Cancel) {
    sink_(line + " -> cancel");
    return std::nullopt;
  }
  sink_(line + " -> " + shortPath(answer.path));
  return answer.path;
}

std::optional<FontChoice> ScriptedDialogs::font(const FontChoice&) {
  const std::string line = "[font]";
  using K = ScriptAnswer::Kind;
  const ScriptAnswer answer = take(line, {K::Font, K::Cancel});
  if (answer.kind == K::Cancel) {
    sink_(line + " -> cancel");
    return std::nullopt;
  }
  const FontChoice& f = answer.font;
  sink_(line + " -> " + show(f.name) + " " + std::to_string(f.size) + (f.bold ? " bold" : "") +
        (f.italic ? " italic" : ""));
  return f;
}

bool ScriptedDialogs::print() {
  const std::string line = "[print]";
  using K = ScriptAnswer::Kind;
  const bool ok = take(line, {K::Ok, K::Yes, K::Cancel}).kind != K::Cancel;
  sink_(line + (ok ? " -> ok" : " -> cancel"));
  return ok;
}

void ScriptedDialogs::printerSetup() {
  sink_("[printer-setup]");
}

}  // namespace korvale
