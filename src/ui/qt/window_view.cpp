#include "ui/qt/window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <set>

#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"
#include "window/scaling.h"

namespace korvale {

namespace {

QColor qtColor(Color c) {
  return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

QFont fontFor(const FontSpec& spec, const QFont& fallback) {
  QFont f = spec.family.empty() ? fallback : QFont(toQt(spec.family));
  if (spec.size > 0) f.setPointSize(spec.size);
  f.setBold(spec.bold);
  return f;
}

}  // namespace

void PanelLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked)
    clicked();
}

WindowView::WindowView(Window& window, ViewContext context)
    : window_(window), context_(std::move(context)), editor_(context_.editor) {
  setObjectName(QString::fromStdString(window.objectName()));
  setWindowTitle(toQt(window.caption()));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, qtColor(window.background()));
  setPalette(pal);
  setAutoFillBackground(true);
  if (window.fontSize() > 0) {
    QFont windowFont = font();
    windowFont.setPointSize(window.fontSize());
    setFont(windowFont);
  }

  auto* central = new QWidget(this);
  setCentralWidget(central);
  // The menu bar speaks in the desktop's font, as every program's does; only the window's own
  // controls grow with the screen.
  const QFont desktop = QApplication::font();
  QFont menuFont(desktop.family(), desktop.pointSize(), desktop.weight(), desktop.italic());
  if (desktop.pointSize() <= 0) menuFont.setPixelSize(desktop.pixelSize());
  menuBar()->setFont(menuFont);
  buildMenus();
  buildControls(central);
  buildPanels(central);
  setAcceptDrops(true);
  if (editor_ != nullptr) {
    editor_->setZoom(window.textZoom());
    // A change that a key, a paste or a drop made in the text is typing; the controller's own
    // changes run inside run(), which clears the mark first.
    connect(editor_->widget()->document(), &QTextDocument::contentsChanged, this, [this] {
      if (userInput_) window_.textTyped();
    });
  }
  window_.changed = [this] { refresh(); };
}

void WindowView::buildControls(QWidget* host) {
  // Controls gathered in a panel stand there, not in the row below the main text.
  std::set<std::string> inPanels;
  for (const Panel& panel : window_.panels())
    for (const auto& names : panel.rowsOfControls) inPanels.insert(names.begin(), names.end());

  const auto tooltips = window_.tooltips();
  auto* column = new QVBoxLayout(host);
  middle_ = new QHBoxLayout();
  row_ = new QHBoxLayout();
  if (editor_ != nullptr) {
    QTextEdit* edit = editor_->widget();
    edit->setParent(host);
    edit->viewport()->installEventFilter(this);
    edit->installEventFilter(this);
    middle_->addWidget(edit, 1);
  }
  for (const Control& control : window_.controls()) {
    QWidget* widget = nullptr;
    const std::string name = control.name;
    if (control.kind == Control::Kind::Button) {
      auto* button = new QPushButton(toQt(control.caption), host);
      button->installEventFilter(this);
      connect(button, &QPushButton::clicked, this, [this, name] {
        for (const Control& c : window_.controls())
          if (c.name == name && c.action) run(c.action);
      });
      widget = button;
    } else if (control.kind == Control::Kind::Panel) {
      auto* panel = new PanelLabel(toQt(control.caption), host);
      panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      panel->setLineWidth(4);
      panel->setAlignment(Qt::AlignCenter);
      panel->setAutoFillBackground(true);
      // Panels keep the face colour of buttons, standing out from the window's own colour.
      QPalette face = panel->palette();
      face.setColor(QPalette::Window, QColor(240, 240, 240));
      face.setColor(QPalette::WindowText, QColor(0, 0, 0));
      panel->setPalette(face);
      panel->clicked = [this, name] {
        for (const Control& c : window_.controls())
          if (c.name == name && c.action) run(c.action);
      };
      widget = panel;
    } else if (control.kind == Control::Kind::Edit) {
      auto* edit = new QLineEdit(toQt(control.caption), host);
      connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
        for (const Control& c : window_.controls())
          if (c.name == name && c.edited) run([&] { c.edited(fromQt(text)); });
      });
      edit->installEventFilter(this);
      widget = edit;
    } else {
      auto* label = new QLabel(host);
      // Help texts such as "< a bis z >" are no markup.
      label->setTextFormat(Qt::PlainText);
      label->setText(toQt(control.caption));
      label->setAutoFillBackground(true);
      widget = label;
    }
    widget->setObjectName(QString::fromStdString(name));
    if (!control.hint.empty()) widget->setToolTip(toQt(control.hint));
    for (const auto& [tipped, tip] : tooltips)
      if (tipped == name && control.hint.empty()) widget->setToolTip(toQt(tip));
    if (!control.font.family.empty() || control.font.size > 0)
      widget->setFont(fontFor(control.font, font()));
    controls_[name] = widget;
    if (control.kind == Control::Kind::Panel || inPanels.count(name) > 0) continue;
    if (control.place == Control::Place::Top) {
      widget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      column->addWidget(widget);
    } else {
      row_->addWidget(widget);
    }
  }
  row_->addStretch(1);
  column->addLayout(middle_, 1);
  column->addLayout(row_);
}

QWidget* WindowView::buildPanelContent(const Panel& panel, QWidget* host) {
  const std::string name = panel.name;
  switch (panel.kind) {
    case Panel::Kind::Lines: {
      auto* memo = new QPlainTextEdit(host);
      memo->setReadOnly(true);
      memo->setFont(fontFor(panel.font, font()));
      QPalette colours = memo->palette();
      colours.setColor(QPalette::Base, qtColor(panel.background));
      memo->setPalette(colours);
      memo->viewport()->installEventFilter(this);
      return memo;
    }
    case Panel::Kind::Canvas: {
      auto* chart = new QLabel(host);
      chart->setAlignment(Qt::AlignTop);
      chart->installEventFilter(this);
      return chart;
    }
    case Panel::Kind::Grid: {
      auto* grid = new QTableWidget(host);
      grid->horizontalHeader()->hide();
      grid->verticalHeader()->hide();
      grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
      grid->setFont(fontFor(panel.font, font()));
      connect(grid, &QTableWidget::cellPressed, this, [this, name](int row, int column) {
        run([&] { window_.cellPressed(name, column, row); });
      });
      connect(grid, &QTableWidget::cellDoubleClicked, this, [this, name](int row, int column) {
        run([&] { window_.cellDoubleClicked(name, column, row); });
      });
      return grid;
    }
    case Panel::Kind::Edits: {
      auto* frame = new QFrame(host);
      frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
      frame->setLineWidth(2);
      frame->setAutoFillBackground(true);
      frame->setPalette(QPalette(qtColor(panel.background)));
      auto* grid = new QGridLayout(frame);
      int line = 0;
      for (const auto& names : panel.rowsOfControls) {
        int column = 0;
        for (const std::string& control : names) {
          const auto it = controls_.find(control);
          if (it == controls_.end()) continue;
          it->second->setParent(frame);
          if (names.size() == 1)
            grid->addWidget(it->second, line, 0, 1, 2);
          else
            grid->addWidget(it->second, line, column++);
        }
        ++line;
      }
      return frame;
    }
  }
  return nullptr;
}

void WindowView::buildPanels(QWidget* host) {
  for (const Panel& panel : window_.panels()) {
    PanelWidgets widgets;
    widgets.kind = panel.kind;
    widgets.content = buildPanelContent(panel, host);
    widgets.content->setObjectName(QString::fromStdString(panel.name));
    if (panel.width > 0 && panel.kind != Panel::Kind::Grid)
      widgets.content->setFixedWidth(panel.width);
    if (panel.draggable) {
      // The user may drag it by its title bar to another place, or off the window; closing it is
      // the controller's business, through its menu entries and buttons.
      auto* dock = new QDockWidget(toQt(panel.title), this);
      dock->setObjectName(QString::fromStdString(panel.name + "Dock"));
      dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
      dock->setWidget(widgets.content);
      addDockWidget(Qt::RightDockWidgetArea, dock);
      widgets.holder = dock;
    } else {
      // The fixed panels stand to the left of the main text.
      middle_->insertWidget(middle_->count() - (editor_ != nullptr ? 1 : 0), widgets.content, 1);
      widgets.holder = widgets.content;
    }
    widgets.holder->hide();
    panels_[panel.name] = widgets;
  }
}

void WindowView::refreshPanel(const Panel& panel, PanelWidgets& widgets) {
  bool shown = panel.visible;
  // A memo or a group of edits follows a width the window changes (the info window's F11).
  if (panel.width > 0 && panel.kind != Panel::Kind::Grid && widgets.content->width() != panel.width)
    widgets.content->setFixedWidth(panel.width);
  if (panel.kind == Panel::Kind::Lines) {
    const bool changed = widgets.lines != panel.lines;
    if (changed) {
      QStringList lines;
      for (const Text& line : panel.lines) lines << toQt(line);
      static_cast<QPlainTextEdit*>(widgets.content)->setPlainText(lines.join(QLatin1Char('\n')));
      widgets.lines = panel.lines;
    }
    if (panel.caretLine >= 0 && (changed || widgets.caretLine != panel.caretLine)) {
      auto* memo = static_cast<QPlainTextEdit*>(widgets.content);
      QTextCursor cursor(memo->document()->findBlockByNumber(panel.caretLine));
      memo->setTextCursor(cursor);
      memo->ensureCursorVisible();
    }
    widgets.caretLine = panel.caretLine;
  } else if (panel.kind == Panel::Kind::Canvas) {
    const QImage* image = imageOf(panel.canvas);
    shown = shown && image != nullptr;
    if (shown) static_cast<QLabel*>(widgets.content)->setPixmap(QPixmap::fromImage(*image));
  } else if (panel.kind == Panel::Kind::Grid) {
    auto* grid = static_cast<QTableWidget*>(widgets.content);
    grid->setColumnCount(panel.columns);
    grid->setRowCount(panel.rows);
    for (int c = 0; c < panel.columns && c < static_cast<int>(panel.columnWidths.size()); ++c)
      grid->setColumnWidth(c, panel.columnWidths[static_cast<std::size_t>(c)]);
    for (int r = 0; r < panel.rows && r < static_cast<int>(panel.rowHeights.size()); ++r)
      grid->setRowHeight(r, panel.rowHeights[static_cast<std::size_t>(r)]);
    for (std::size_t i = 0; i < panel.cells.size() && panel.columns > 0; ++i) {
      const Panel::Cell& cell = panel.cells[i];
      const int row = static_cast<int>(i) / panel.columns;
      const int column = static_cast<int>(i) % panel.columns;
      QTableWidgetItem* item = grid->item(row, column);
      if (item == nullptr) {
        item = new QTableWidgetItem();
        grid->setItem(row, column, item);
      }
      item->setText(toQt(cell.text));
      item->setBackground(qtColor(cell.background));
      item->setForeground(qtColor(cell.foreground));
    }
  }
  widgets.holder->setVisible(shown);
}

void WindowView::refresh() {
  setWindowTitle(toQt(window_.caption()));
  refreshMenus();
  for (const Control& control : window_.controls()) {
    const auto it = controls_.find(control.name);
    if (it == controls_.end()) continue;
    QWidget* widget = it->second;
    widget->setVisible(control.visible);
    widget->setEnabled(control.enabled);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      if (edit->text() != toQt(control.caption)) edit->setText(toQt(control.caption));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      button->setText(toQt(control.caption));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setText(toQt(control.caption));
      if (control.kind == Control::Kind::Label &&
          label->palette().color(QPalette::WindowText) != qtColor(control.foreground)) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, qtColor(control.foreground));
        label->setPalette(pal);
      }
    }
  }
  for (const Panel& panel : window_.panels())
    if (const auto it = panels_.find(panel.name); it != panels_.end())
      refreshPanel(panel, it->second);
  placeControls();
  // The control the controller gave the focus to gets it on screen.
  QWidget* focus = nullptr;
  if (window_.focus().empty()) {
    if (editor_ != nullptr) focus = editor_->widget();
  } else if (const auto it = controls_.find(window_.focus()); it != controls_.end()) {
    focus = it->second;
  }
  if (focus != nullptr && focus->isVisible() && QApplication::focusWidget() != focus)
    focus->setFocus();
}

void WindowView::run(const std::function<void()>& action) {
  userInput_ = false;
  if (action) action();
  if (context_.afterEvent) context_.afterEvent();
}

void WindowView::closeEvent(QCloseEvent* event) {
  // The controller decides what closing means, and may keep the window open; the platform hides
  // this view when it does close.
  event->ignore();
  run([this] { context_.host.close(window_.id()); });
}

namespace {

// The key's name as the key tables know it ("F1", "Enter", "Escape", "Y" with Ctrl or Alt);
// empty for keys that only type.
KeyPress keyPressOf(const QKeyEvent& key) {
  KeyPress press;
  if (key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F12)
    press.name = "F" + std::to_string(key.key() - Qt::Key_F1 + 1);
  else if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
    press.name = "Enter";
  else if (key.key() == Qt::Key_Escape)
    press.name = "Escape";
  // With Ctrl the desktop gives a control character as the key's text ("\x19" for Ctrl+Y): a
  // letter is named by its key.
  else if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && key.key() >= Qt::Key_A &&
           key.key() <= Qt::Key_Z)
    press.name = std::string(1, static_cast<char>('A' + key.key() - Qt::Key_A));
  else if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !key.text().isEmpty() &&
           key.text().at(0).isPrint())
    press.name = key.text().left(1).toUpper().toStdString();
  if (press.name.empty()) return press;
  press.shift = key.modifiers() & Qt::ShiftModifier;
  press.ctrl = key.modifiers() & Qt::ControlModifier;
  press.alt = key.modifiers() & Qt::AltModifier;
  return press;
}

}  // namespace

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (filterDrag(event)) return true;
  if (editor_ != nullptr &&
      (watched == editor_->widget() || watched == editor_->widget()->viewport())) {
    const QEvent::Type type = event->type();
    userInput_ = type == QEvent::KeyPress || type == QEvent::InputMethod || type == QEvent::Drop ||
                 (type == QEvent::MouseButtonRelease &&
                  static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton);
  }
  // Focus moved by the user: the controller learns which control has it.
  if (event->type() == QEvent::FocusIn) {
    for (const auto& [name, widget] : controls_)
      if (widget == watched) window_.setFocus(name);
    if (editor_ != nullptr && watched == editor_->widget()) window_.setFocus(std::string());
  }
  // Keys in a button or an edit go to the window's key table first, so function keys act
  // wherever the focus stands; what the table leaves alone the control handles itself.
  if (event->type() == QEvent::KeyPress) {
    for (const auto& [name, widget] : controls_) {
      if (widget != watched) continue;
      const KeyPress press = keyPressOf(*static_cast<QKeyEvent*>(event));
      if (press.name.empty()) break;
      bool handled = false;
      const std::string control = name;
      run([&] { handled = window_.keyInControl(control, press); });
      // Enter never falls through to a button: it would press it a second time.
      return handled || (press.name == "Enter" && qobject_cast<QPushButton*>(watched) != nullptr);
    }
  }
  for (const auto& [name, widgets] : panels_) {
    if (widgets.kind == Panel::Kind::Lines && event->type() == QEvent::MouseButtonDblClick &&
        watched == static_cast<QPlainTextEdit*>(widgets.content)->viewport()) {
      const std::string panel = name;
      run([&] { window_.panelDoubleClicked(panel); });
      return true;
    }
    if (widgets.kind == Panel::Kind::Canvas && event->type() == QEvent::MouseButtonPress &&
        watched == widgets.content) {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      const std::string panel = name;
      run([&] { window_.canvasPressed(panel, at.x(), at.y()); });
      return true;
    }
  }
  if (editor_ == nullptr) return QMainWindow::eventFilter(watched, event);
  QTextEdit* edit = editor_->widget();
  if (watched == edit->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) run([this] { window_.textClicked(); });
    if (mouse->button() == Qt::RightButton) run([this] { window_.textRightClicked(); });
  } else if (watched == edit && event->type() == QEvent::KeyPress) {
    const KeyPress press = keyPressOf(*static_cast<QKeyEvent*>(event));
    if (press.name.empty()) return false;
    bool handled = false;
    run([&] { handled = window_.keyPressed(press); });
    // A key the window left alone types.
    userInput_ = !handled;
    return handled;
  } else if (watched == edit && event->type() == QEvent::KeyRelease) {
    run([this] { window_.caretMoved(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

CalculatorView::CalculatorView(Window& window, ViewContext context)
    : WindowView(window, std::move(context)) {
  auto* column = static_cast<QVBoxLayout*>(centralWidget()->layout());
  // A widget taken from its parent leaves the layout it stood in.
  const auto moveTo = [this](QWidget* widget, QBoxLayout* layout, int index, int stretch) {
    widget->setParent(nullptr);
    layout->insertWidget(index, widget, stretch);
  };
  if (editor_ != nullptr) {
    QTextEdit* edit = editor_->widget();
    const CharFormat format = editor_->typingFormat();
    QFont font(toQt(format.font));
    font.setPointSize(format.size);
    font.setBold(format.bold);
    edit->setFont(font);
    edit->setLineWrapMode(QTextEdit::NoWrap);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setFixedHeight(QFontMetrics(font).height() + 2 * edit->frameWidth() +
                         2 * static_cast<int>(edit->document()->documentMargin()));
    moveTo(edit, column, 0, 0);
    edit->show();
  }
  auto* stack = new QVBoxLayout();
  for (const char* name : {"helpGroup1", "helpGroup2", "helpGroup3", "variableDisplay"}) {
    if (auto* panel = centralWidget()->findChild<QWidget*>(QString::fromLatin1(name))) {
      moveTo(panel, stack, stack->count(), name[0] == 'v' ? 1 : 0);
      panel->hide();
    }
  }
  column->insertLayout(1, stack, 1);
  // The row that held the main text stays empty; the stack takes its room.
  column->setStretch(2, 0);
}

void StartWindowView::setScale(double scale) {
  scale_ = scale;
  QFont f(QStringLiteral("Times New Roman"));
  f.setPixelSize(scaled(18, scale));
  setFont(f);
  placeControls();
}

void StartWindowView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  placeControls();
}

void StartWindowView::placeControls() {
  QWidget* host = centralWidget();
  const int w = scaled(kStartPanelWidth, scale_);
  const int h = scaled(kStartPanelHeight, scale_);
  const StartPanels p = startPanelLayout(host->width(), host->height(), w, h);
  const std::pair<const char*, Rect> places[] = {{"classEditor", p.classEditor},
                                                 {"gradesEditor", p.gradesEditor},
                                                 {"programEnd", p.programEnd}};
  for (const auto& [name, r] : places) {
    if (auto it = controls_.find(name); it != controls_.end())
      it->second->setGeometry(r.left, r.top, r.width, r.height);
  }
}

}  // namespace korvale
