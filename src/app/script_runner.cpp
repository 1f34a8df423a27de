#include "app/script_runner.h"

#include <array>
#include <charconv>
#include <ostream>
#include <sstream>

#include "base/encoding.h"
#include "base/files.h"
#include "base/numbers.h"
#include "base/text_routines.h"
#include "window/menu_labels.h"

namespace korvale {

bool ScriptKeyState::escapeDown() {
  if (remaining_ < 0) return false;
  if (remaining_ == 0) return true;
  --remaining_;
  return false;
}

namespace {

struct CommandError {
  std::string message;
};

Text unescape(const Text& raw) {
  Text out;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\' || i + 1 == raw.size()) {
      out += raw[i];
      continue;
    }
    const char32_t c = raw[++i];
    switch (c) {
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        out += '\\';
        out += c;
    }
  }
  return out;
}

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

int toInt(const std::string& text) {
  const auto v = readWholeNumber(fromUtf8(text));
  if (!v || text.empty() || text[0] == ' ') throw CommandError{"not a number: " + text};
  return *v;
}

KeyPress parseKey(const std::string& spec) {
  KeyPress key;
  std::string rest = spec;
  while (true) {
    if (rest.starts_with("Shift+")) {
      key.shift = true;
      rest = rest.substr(6);
    } else if (rest.starts_with("Ctrl+")) {
      key.ctrl = true;
      rest = rest.substr(5);
    } else if (rest.starts_with("Alt+")) {
      key.alt = true;
      rest = rest.substr(4);
    } else {
      break;
    }
  }
  bool known = rest == "Enter" || rest == "Escape" || rest.size() == 1;
  if (rest.size() >= 2 && rest[0] == 'F') {
    const auto n = readWholeNumber(fromUtf8(rest.substr(1)));
    known = n && *n >= 1 && *n <= 12;
  }
  if (!known) throw CommandError{"unknown key: " + spec};
  key.name = rest;
  return key;
}

class Runner {
 public:
  explicit Runner(ScriptContext& c) : c_(c) {}

  void run(const std::string& command, const std::string& arg) {
    Window& w = c_.app.current();
    if (command == "open") {
      if (w.id() != WindowId::Start) throw CommandError{"the Start window is not in front"};
      click(w, fromUtf8(arg), Control::Kind::Panel);
    } else if (command == "close") {
      c_.app.close(w.id());
    } else if (command == "menu") {
      invokeMenu(w, fromUtf8(arg));
    } else if (command == "button") {
      click(w, fromUtf8(arg), Control::Kind::Button);
    } else if (command == "edit") {
      edit(w, fromUtf8(arg));
    } else if (command == "key") {
      const KeyPress key = parseKey(arg);
      if (!w.focus().empty()) {
        w.keyInControl(w.focus(), key);
      } else if (!w.keyPressed(key)) {
        TextEditor* editor = w.mainText();
        if (key.name == "Enter" && !key.ctrl && editor != nullptr && !editor->readOnly()) {
          editor->replaceMarked(U"\n");
          w.textTyped();
        }
      }
      if (w.focus().empty()) w.caretMoved();
    } else if (command == "type") {
      TextEditor& editor = text(w);
      w.setFocus(std::string());
      if (!editor.readOnly()) {
        editor.replaceMarked(unescape(fromUtf8(arg)));
        w.textTyped();
      }
      w.caretMoved();
    } else if (command == "caret" || command == "rclick") {
      const auto v = numbers(arg, 2);
      text(w).setCaret({v[0] - 1, v[1] - 1});
      w.setFocus(std::string());
      if (command == "caret")
        w.textClicked();
      else
        w.textRightClicked();
    } else if (command == "mark") {
      const auto v = numbers(arg, 4);
      text(w).setSelection({v[0] - 1, v[1] - 1}, {v[2] - 1, v[3] - 1});
      w.setFocus(std::string());
      w.textClicked();
    } else if (command == "cell" || command == "dblcell") {
      const auto v = numbers(arg, 2);
      const Panel& plan = panelOfKind(w, Panel::Kind::Grid, "plan");
      if (v[0] < 0 || v[0] >= plan.columns || v[1] < 0 || v[1] >= plan.rows)
        throw CommandError{"no such cell: " + arg};
      if (command == "cell")
        w.cellPressed(plan.name, v[0], v[1]);
      else
        w.cellDoubleClicked(plan.name, v[0], v[1]);
    } else if (command == "chartclick") {
      const auto v = numbers(arg, 2);
      w.canvasPressed(panelOfKind(w, Panel::Kind::Canvas, "chart").name, v[0], v[1]);
    } else if (command == "dblpanel") {
      w.panelDoubleClicked(panelTitled(w, fromUtf8(arg)).name);
    } else if (command == "drop") {
      // A file dragged from the desktop and dropped on the window.
      if (!w.takesDroppedFiles()) throw CommandError{"the window takes no dropped files"};
      w.fileDropped(expandScriptPath(arg, c_.app, c_.scriptFolder));
    } else if (command == "answer") {
      answer(arg);
    } else if (command == "escape") {
      if (arg == "off")
        c_.keys.release();
      else
        c_.keys.pressAfter(toInt(arg));
    } else if (command == "dump") {
      dump(w, arg);
    } else if (command == "seed") {
      // Random values a scenario can compare: every later sequence starts at this seed.
      c_.app.random().fixSeed(static_cast<std::uint32_t>(toInt(arg)));
    } else {
      throw CommandError{"unknown command: " + command};
    }
  }

 private:
  std::vector<int> numbers(const std::string& arg, std::size_t count) {
    const auto ws = words(arg);
    if (ws.size() != count) throw CommandError{"expected " + std::to_string(count) + " numbers"};
    std::vector<int> out;
    for (const auto& word : ws) out.push_back(toInt(word));
    return out;
  }

  TextEditor& text(Window& w) {
    TextEditor* editor = w.mainText();
    if (editor == nullptr) throw CommandError{"the window has no text"};
    return *editor;
  }

  // The first shown and enabled control of that caption: a panel's button wins over a hidden one.
  void click(Window& w, const Text& caption, Control::Kind kind) {
    bool found = false;
    for (const Control& control : w.controls()) {
      const bool clickable = kind == Control::Kind::Panel || control.kind != Control::Kind::Label;
      if (control.caption != caption || !control.action || !clickable) continue;
      found = true;
      if (!control.visible || !control.enabled) continue;
      control.action();
      return;
    }
    if (found) throw CommandError{"'" + toUtf8(caption) + "' is not available"};
    throw CommandError{"no such panel or button: " + toUtf8(caption)};
  }

  // Sets a one-line edit, named by the label in front of it (or its id), to the rest of the
  // line. The longest name that fits wins, so a label may contain blanks.
  void edit(Window& w, const Text& arg) {
    const std::vector<Control> controls = w.controls();
    const Control* target = nullptr;
    std::size_t taken = 0;
    for (const Control& control : controls) {
      if (control.kind != Control::Kind::Edit) continue;
      std::vector<Text> names{fromUtf8(control.name)};
      for (const Control& label : controls)
        if (label.kind == Control::Kind::Label && label.name == control.name + "Label")
          names.push_back(label.caption);
      for (const Text& name : names) {
        const bool fits = arg == name || startsWith(arg, name + U" ");
        if (fits && name.size() >= taken) {
          target = &control;
          taken = name.size();
        }
      }
    }
    if (target == nullptr) throw CommandError{"no such edit: " + toUtf8(arg)};
    if (!target->visible || !target->enabled || !target->edited)
      throw CommandError{"'" + toUtf8(arg.substr(0, taken)) + "' is not available"};
    target->edited(arg.size() > taken ? unescape(arg.substr(taken + 1)) : Text());
    w.setFocus(target->name);
  }

  // The first visible panel of a kind: the plan of cells, the chart.
  Panel panelOfKind(Window& w, Panel::Kind kind, const std::string& what) {
    for (Panel& panel : w.panels())
      if (panel.kind == kind && panel.visible) return panel;
    throw CommandError{"the window shows no " + what};
  }

  Panel panelTitled(Window& w, const Text& title) {
    for (Panel& panel : w.panels()) {
      if (panel.title != title) continue;
      if (!panel.visible) throw CommandError{"'" + toUtf8(title) + "' is not available"};
      return panel;
    }
    throw CommandError{"no such panel: " + toUtf8(title)};
  }

  // The lines of a panel while it is shown; nothing while it is hidden.
  static std::vector<Text> panelLines(Window& w, const std::string& name) {
    for (const Panel& panel : w.panels())
      if (panel.name == name && panel.visible) return panel.lines;
    return {};
  }

  static const Panel* chartOf(Window& w, std::vector<Panel>& panels) {
    panels = w.panels();
    for (const Panel& panel : panels)
      if (panel.kind == Panel::Kind::Canvas && panel.canvas != nullptr) return &panel;
    return nullptr;
  }

  void invokeMenu(Window& w, const Text& path) {
    const std::size_t sep = path.find(U" > ");
    const Text menu = sep == Text::npos ? path : path.substr(0, sep);
    const Text entry = sep == Text::npos ? Text() : path.substr(sep + 3);
    for (const MenuItem& item : w.menu()) {
      if (item.menu == menu && item.entry == entry && !item.isSeparator()) {
        if (!item.enabled) throw CommandError{"menu entry is disabled: " + toUtf8(path)};
        // The menu drops down before its entry is clicked.
        if (!entry.empty()) w.menuOpened(menu);
        const auto action = item.action;  // the table may change while it runs
        action();
        return;
      }
    }
    throw CommandError{"no such menu entry: " + toUtf8(path)};
  }

  void answer(const std::string& arg) {
    using K = ScriptAnswer::Kind;
    const std::size_t space = arg.find(' ');
    const std::string kind = arg.substr(0, space);
    const std::string rest = space == std::string::npos ? std::string() : arg.substr(space + 1);
    if (kind == "text") {
      c_.dialogs.queue(ScriptAnswer::typed(unescape(fromUtf8(rest))));
    } else if (kind == "file") {
      if (rest.empty()) throw CommandError{"answer file needs a path"};
      c_.dialogs.queue(ScriptAnswer::file(expandScriptPath(rest, c_.app, c_.scriptFolder)));
    } else if (kind == "font") {
      const auto ws = words(rest);
      if (ws.size() < 2) throw CommandError{"answer font needs NAME SIZE"};
      ScriptAnswer a = ScriptAnswer::of(K::Font);
      a.font.name = fromUtf8(ws[0]);
      a.font.size = toInt(ws[1]);
      for (std::size_t i = 2; i < ws.size(); ++i) {
        if (ws[i] == "bold")
          a.font.bold = true;
        else if (ws[i] == "italic")
          a.font.italic = true;
        else
          throw CommandError{"unknown font style: " + ws[i]};
      }
      c_.dialogs.queue(a);
    } else if (!rest.empty()) {
      throw CommandError{"unexpected text after answer " + kind};
    } else if (kind == "default") {
      c_.dialogs.queue(ScriptAnswer::of(K::Default));
    } else if (kind == "cancel") {
      c_.dialogs.queue(ScriptAnswer::of(K::Cancel));
    } else if (kind == "yes") {
      c_.dialogs.queue(ScriptAnswer::of(K::Yes));
    } else if (kind == "no") {
      c_.dialogs.queue(ScriptAnswer::of(K::No));
    } else if (kind == "ok") {
      c_.dialogs.queue(ScriptAnswer::of(K::Ok));
    } else {
      throw CommandError{"unknown answer: " + kind};
    }
  }

  void block(const std::string& name, const std::vector<std::string>& lines) {
    c_.out << "--- " << name << "\n";
    for (const auto& line : lines) c_.out << line << "\n";
    c_.out << "--- end\n";
  }

  static std::vector<std::string> shown(const std::vector<Text>& lines) {
    std::vector<std::string> out;
    for (const Text& line : lines) out.push_back(toUtf8(line));
    return out;
  }

  void dump(Window& w, const std::string& arg) {
    const std::size_t space = arg.find(' ');
    const std::string name = arg.substr(0, space);
    const std::string rest = space == std::string::npos ? std::string() : arg.substr(space + 1);
    if (name == "editor") {
      block(name, shown(text(w).lines()));
    } else if (name == "marked") {
      block(name, shown(splitLinesKeepingEmpty(text(w).markedText())));
    } else if (name == "status") {
      block(name, shown({w.status()}));
    } else if (name == "labels") {
      std::vector<Text> lines{w.caption()};
      for (const Control& control : w.controls())
        if (control.visible)
          lines.push_back(control.hint.empty() ? control.caption
                                               : control.caption + U" | " + control.hint);
      // The Calculator's variable display covers its help labels while it is shown.
      for (const Text& line : panelLines(w, "variableDisplay")) lines.push_back(line);
      block(name, shown(lines));
    } else if (name == "menus") {
      std::vector<std::string> lines;
      for (const MenuItem& item : w.menu()) {
        const Text path = item.entry.empty() ? item.menu : item.menu + U" > " + item.entry;
        lines.push_back(toUtf8(path) + (item.isSeparator() ? "" : item.enabled ? " on" : " off"));
      }
      block(name, lines);
    } else if (name == "tooltips") {
      // The hint of each visible control that has one: its own, else the window's tooltip.
      std::vector<Text> lines;
      const auto tips = w.tooltips();
      for (const Control& control : w.controls()) {
        if (!control.visible) continue;
        Text tip = control.hint;
        for (const auto& [tipped, text] : tips)
          if (tipped == control.name && tip.empty()) tip = text;
        if (!tip.empty()) lines.push_back(control.caption + U" | " + tip);
      }
      block(name, shown(lines));
    } else if (name == "menukeys") {
      block(name, menuKeyLines(w));
    } else if (name == "plan") {
      block(name, planLines(panelOfKind(w, Panel::Kind::Grid, "plan")));
    } else if (name == "fields") {
      block(name, shown(panelLines(w, "fieldsView")));
    } else if (name == "info" || name == "help") {
      block(name, shown(panelLines(w, name)));
    } else if (name == "file") {
      // A file's characters line by line, line ends shown as \r and \n, so a save can be
      // checked; a file that is not code page 1252 names its encoding.
      if (rest.empty()) throw CommandError{"dump file needs a path"};
      const auto bytes = readFileBytes(expandScriptPath(rest, c_.app, c_.scriptFolder));
      if (!bytes) throw CommandError{"cannot read " + rest};
      const Encoding encoding = detectEncoding(*bytes);
      const std::vector<Text> pieces = splitLinesKeepingEmpty(decode(*bytes, encoding));
      std::vector<std::string> lines;
      for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i + 1 < pieces.size())
          lines.push_back(ScriptedDialogs::show(pieces[i] + U"\n"));
        else if (!pieces[i].empty())
          lines.push_back(ScriptedDialogs::show(pieces[i]));
      }
      const std::string tag =
          encoding == Encoding::Cp1252 ? "" : " [" + std::string(encodingName(encoding)) + "]";
      block(name + " " + rest + tag, lines);
    } else if (name == "printed") {
      // Every page printed so far; a landscape page says so, a picture shows its size.
      if (c_.printed == nullptr) throw CommandError{"nothing records the printed pages"};
      std::vector<std::string> lines;
      int number = 0;
      for (const PrintJob& job : *c_.printed) {
        const std::string orientation =
            job.orientation == Orientation::Landscape ? " landscape" : "";
        if (job.picture != nullptr) {
          lines.push_back("--- page " + std::to_string(++number) + orientation);
          lines.push_back("[picture " + std::to_string(job.picture->width()) + " x " +
                          std::to_string(job.picture->height()) + "]");
          continue;
        }
        for (const auto& page : printedPages(job)) {
          lines.push_back("--- page " + std::to_string(++number) + orientation);
          for (const Text& line : page) lines.push_back(toUtf8(line));
        }
      }
      block(name, lines);
    } else if (name == "variables") {
      std::vector<std::string> lines;
      for (int i = 1; i <= 26; ++i) {
        char value[40];
        const auto end = std::to_chars(value, value + sizeof value, c_.app.variables().at(i),
                                       std::chars_format::general, 17)
                             .ptr;
        lines.push_back(std::string(1, static_cast<char>('A' + i - 1)) + " = " +
                        std::string(value, end));
      }
      block(name, lines);
    } else if (name == "chart") {
      if (rest.empty()) throw CommandError{"dump chart needs a file"};
      std::vector<Panel> panels;
      const Panel* panel = chartOf(w, panels);
      if (panel == nullptr) throw CommandError{"the window has no chart"};
      const Canvas& chart = *panel->canvas;
      const Path path = expandScriptPath(rest, c_.app, c_.scriptFolder);
      if (!c_.savePng || !c_.savePng(chart, path)) throw CommandError{"cannot write " + rest};
      // A chart the window does not show says so.
      block(name + " " + rest,
            {std::to_string(chart.width()) + " x " + std::to_string(chart.height()) +
             (panel->visible ? "" : " hidden")});
    } else if (name == "files") {
      if (rest.empty()) throw CommandError{"dump files needs a folder"};
      const Path folder = expandScriptPath(rest, c_.app, c_.scriptFolder);
      if (!isDirectory(folder)) throw CommandError{"no such folder: " + rest};
      block(name + " " + rest, sortedFileNames(folder));
    } else {
      throw CommandError{"unknown dump: " + name};
    }
  }

  // The menus as the menu bar shows them: access keys marked "&", the shortcut in parentheses, a
  // check mark as "[x]" or "[ ]".
  static std::vector<std::string> menuKeyLines(const Window& w) {
    const MenuLabels labels = menuLabels(w.menu());
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < w.menu().size(); ++i) {
      const MenuItem& item = w.menu()[i];
      Text line;
      for (const auto& [menu, label] : labels.menus)
        if (menu == item.menu) line = label;
      if (!item.entry.empty()) line += U" > " + labels.entries[i];
      if (!item.shortcut.empty()) line += U" (" + fromUtf8(item.shortcut) + U")";
      if (item.checked) line += item.checked() ? U" [x]" : U" [ ]";
      lines.push_back(toUtf8(line));
    }
    return lines;
  }

  // "COLUMNS x ROWS", then each row's cell texts joined by " | ".
  static std::vector<std::string> planLines(const Panel& plan) {
    std::vector<std::string> lines{std::to_string(plan.columns) + " x " +
                                   std::to_string(plan.rows)};
    for (int row = 0; row < plan.rows; ++row) {
      std::string line;
      for (int column = 0; column < plan.columns; ++column) {
        const std::size_t at = static_cast<std::size_t>(row * plan.columns + column);
        if (column > 0) line += " | ";
        if (at < plan.cells.size()) line += ScriptedDialogs::show(plan.cells[at].text);
      }
      lines.push_back(line);
    }
    return lines;
  }

  // "a\n\nb" as three lines; an empty text as none.
  static std::vector<Text> splitLinesKeepingEmpty(const Text& text) {
    std::vector<Text> lines;
    if (text.empty()) return lines;
    std::size_t start = 0;
    while (true) {
      const std::size_t p = text.find('\n', start);
      lines.push_back(text.substr(start, p == Text::npos ? Text::npos : p - start));
      if (p == Text::npos) break;
      start = p + 1;
    }
    return lines;
  }

  ScriptContext& c_;
};

}  // namespace

namespace {
// The folders a script names by placeholder, the most specific first.
std::array<std::pair<const char*, const Path*>, 4> pathNames(const Application& app) {
  const AppPaths& p = app.paths();
  return {{{"$DEMO", &p.demoFolder},
           {"$DATA", &p.dataFolder},
           {"$TMP", &p.tempFolder},
           {"$START", &p.startFolder}}};
}
}  // namespace

Path expandScriptPath(const std::string& path, const Application& app, const Path& scriptFolder) {
  const auto names = pathNames(app);
  for (const auto& [name, folder] : names) {
    const std::string prefix = name;
    if (path == prefix) return *folder;
    if (path.starts_with(prefix + "/")) return folder->join(Path(path.substr(prefix.size() + 1)));
  }
  if (Path(path).isAbsolute()) return Path(path);
  return scriptFolder.join(Path(path));
}

std::string shortenScriptPath(const Path& path, const Application& app, const Path& scriptFolder) {
  const std::string& bytes = path.bytes();
  const auto names = pathNames(app);
  for (const auto& [name, folder] : names) {
    if (folder->empty()) continue;
    if (path == *folder) return name;
    if (path.isInside(*folder)) return name + bytes.substr(folder->bytes().size());
  }
  if (path.isInside(scriptFolder)) return bytes.substr(scriptFolder.bytes().size() + 1);
  return bytes;
}

ScriptResult runScript(const std::string& scriptText, ScriptContext& context) {
  Runner runner(context);
  std::istringstream in(scriptText);
  std::string line;
  int number = 0;
  ScriptResult result;
  const auto fail = [&](const std::string& message) {
    context.out.flush();
    result.exitCode = 2;
    result.error = "line " + std::to_string(number) + ": " + message;
    return result;
  };
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const Text trimmed = trim(fromUtf8(line));
    if (trimmed.empty() || trimmed[0] == '#') continue;
    const std::size_t space = line.find(' ');
    const std::string command = line.substr(0, space);
    const std::string arg = space == std::string::npos ? std::string() : line.substr(space + 1);
    if (!context.app.running()) return fail("the program has ended");
    try {
      runner.run(command, arg);
    } catch (const CommandError& e) {
      return fail(e.message);
    } catch (const ScriptFailure& e) {
      return fail(e.message);
    }
    if (context.settle) context.settle();
  }
  if (context.dialogs.pendingAnswers() > 0)
    return fail(std::to_string(context.dialogs.pendingAnswers()) + " answer(s) left unused");
  context.out.flush();
  return result;
}

}  // namespace korvale
