#include "ui/qt/window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/start_window.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {

void PanelLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked)
    clicked();
}

WindowView::WindowView(Window& window, Application& app, QtTextEditor* editor,
                       std::function<void()> afterEvent)
    : window_(window), app_(app), editor_(editor), afterEvent_(std::move(afterEvent)) {
  setObjectName(QString::fromStdString(window.objectName()));
  setWindowTitle(toQt(window.caption()));
  QPalette pal = palette();
  const std::uint32_t bg = window.background();
  pal.setColor(QPalette::Window, QColor((bg >> 16) & 0xFF, (bg >> 8) & 0xFF, bg & 0xFF));
  setPalette(pal);
  setAutoFillBackground(true);

  auto* central = new QWidget(this);
  setCentralWidget(central);
  buildMenus();
  buildControls(central);
  window_.changed = [this] { refresh(); };
}

void WindowView::buildMenus() {
  std::map<Text, QMenu*> menus;
  for (std::size_t i = 0; i < window_.menu().size(); ++i) {
    const MenuItem& item = window_.menu()[i];
    QAction* action = nullptr;
    if (item.entry.empty()) {
      action = menuBar()->addAction(toQt(item.menu));
    } else {
      QMenu*& menu = menus[item.menu];
      if (menu == nullptr) menu = menuBar()->addMenu(toQt(item.menu));
      action = menu->addAction(toQt(item.entry));
    }
    connect(action, &QAction::triggered, this, [this, i] {
      if (i < window_.menu().size() && window_.menu()[i].enabled) {
        const auto act = window_.menu()[i].action;
        run(act);
      }
    });
    actions_.emplace_back(action, i);
  }
}

void WindowView::buildControls(QWidget* host) {
  auto* column = new QVBoxLayout(host);
  if (editor_ != nullptr) {
    QTextEdit* edit = editor_->widget();
    edit->setParent(host);
    edit->viewport()->installEventFilter(this);
    edit->installEventFilter(this);
    column->addWidget(edit, 1);
  }
  auto* row = new QHBoxLayout();
  for (const Control& control : window_.controls()) {
    QWidget* widget = nullptr;
    if (control.kind == Control::Kind::Button) {
      auto* button = new QPushButton(toQt(control.caption), host);
      const std::string name = control.name;
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
      const std::string name = control.name;
      panel->clicked = [this, name] {
        for (const Control& c : window_.controls())
          if (c.name == name && c.action) run(c.action);
      };
      widget = panel;
    } else if (control.kind == Control::Kind::Edit) {
      auto* edit = new QLineEdit(toQt(control.caption), host);
      const std::string name = control.name;
      connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
        for (const Control& c : window_.controls())
          if (c.name == name && c.edited) run([&] { c.edited(fromQt(text)); });
      });
      connect(edit, &QLineEdit::returnPressed, this, [this, name] {
        run([&] { window_.controlKeyPressed(name, KeyPress{"Enter", false, false, false}); });
      });
      edit->installEventFilter(this);
      widget = edit;
    } else {
      auto* label = new QLabel(toQt(control.caption), host);
      label->setAutoFillBackground(true);
      widget = label;
    }
    widget->setObjectName(QString::fromStdString(control.name));
    controls_[control.name] = widget;
    if (control.kind != Control::Kind::Panel) row->addWidget(widget);
  }
  row->addStretch(1);
  column->addLayout(row);
}

void WindowView::refresh() {
  setWindowTitle(toQt(window_.caption()));
  for (const auto& [action, index] : actions_)
    if (index < window_.menu().size()) action->setEnabled(window_.menu()[index].enabled);
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
    }
  }
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
  if (action) action();
  if (afterEvent_) afterEvent_();
}

void WindowView::closeEvent(QCloseEvent* event) {
  event->accept();
  // The controller decides what closing means; the platform then hides this view.
  run([this] { app_.close(window_.id()); });
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  // Focus moved by the user: the controller learns which control has it.
  if (event->type() == QEvent::FocusIn) {
    for (const auto& [name, widget] : controls_)
      if (widget == watched) window_.setFocus(name);
    if (editor_ != nullptr && watched == editor_->widget()) window_.setFocus(std::string());
  }
  // Enter on a focused button presses it, as on the desktop.
  if (auto* button = qobject_cast<QPushButton*>(watched);
      button != nullptr && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      button->click();
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
    const auto* key = static_cast<QKeyEvent*>(event);
    KeyPress press;
    if (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F12)
      press.name = "F" + std::to_string(key->key() - Qt::Key_F1 + 1);
    else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
      press.name = "Enter";
    else if (key->key() == Qt::Key_Escape)
      press.name = "Escape";
    else if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier) && !key->text().isEmpty())
      press.name = key->text().left(1).toUpper().toStdString();
    else if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A &&
             key->key() <= Qt::Key_Z)
      press.name = std::string(1, static_cast<char>('A' + key->key() - Qt::Key_A));
    if (press.name.empty()) return false;
    press.shift = key->modifiers() & Qt::ShiftModifier;
    press.ctrl = key->modifiers() & Qt::ControlModifier;
    press.alt = key->modifiers() & Qt::AltModifier;
    bool handled = false;
    run([&] { handled = window_.keyPressed(press); });
    return handled;
  } else if (watched == edit && event->type() == QEvent::KeyRelease) {
    run([this] { window_.caretMoved(); });
  }
  return QMainWindow::eventFilter(watched, event);
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
  const int w = scaled(StartWindow::kPanelWidth, scale_);
  const int h = scaled(StartWindow::kPanelHeight, scale_);
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
