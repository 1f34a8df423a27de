#include "ui/qt/list_tools_view.h"

#include <QApplication>
#include <QDockWidget>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {

namespace {

QFont courier(int pointSize) {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::TypeWriter);
  if (pointSize > 0) f.setPointSize(pointSize);
  f.setBold(true);
  return f;
}

}  // namespace

ListToolsView::ListToolsView(Window& window, ViewContext context)
    : WindowView(window, std::move(context)) {
  setFont(courier(window.fontSize()));
  auto* area = new QWidget(centralWidget());
  auto* column = new QVBoxLayout(area);
  column->setContentsMargins(0, 0, 0, 0);
  const auto take = [this](const char* name) -> QWidget* {
    const auto it = controls_.find(name);
    if (it == controls_.end()) return nullptr;
    it->second->setParent(nullptr);
    return it->second;
  };

  // The strip scrolls with the list view, so it never shows a scroll bar of its own.
  stripArea_ = new QScrollArea(area);
  stripArea_->setFrameStyle(QFrame::NoFrame);
  stripArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  stripArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  stripArea_->setWidgetResizable(false);
  QWidget* strip = take("headerStrip");
  column->addWidget(stripArea_);
  if (QWidget* header = take("headerEditor")) column->addWidget(header);

  auto* buttons = new QHBoxLayout();
  for (const char* name : {"stripFirst", "stripPrevious", "stripNext", "stripLast", "stripEdit",
                           "stripDelete", "stripAppend"})
    if (QWidget* button = take(name)) buttons->addWidget(button);
  buttons->addStretch(1);
  auto* labels = new QHBoxLayout();
  for (const char* name : {"position", "count"})
    if (QWidget* label = take(name)) labels->addWidget(label, 1);

  if (editor_ != nullptr) {
    QTextEdit* edit = editor_->widget();
    edit->setParent(nullptr);
    edit->setLineWrapMode(QTextEdit::NoWrap);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, QColor(255, 255, 235));
    edit->setPalette(colours);
    column->addWidget(edit, 1);
    // The strip's names start where the list view's text starts.
    const int inset = edit->frameWidth() + static_cast<int>(edit->document()->documentMargin());
    if (auto* label = qobject_cast<QLabel*>(strip)) label->setContentsMargins(inset, 2, 0, 2);
    connect(edit->horizontalScrollBar(), &QScrollBar::valueChanged, stripArea_,
            [this](int value) { stripArea_->horizontalScrollBar()->setValue(value); });
  }
  if (strip != nullptr) stripArea_->setWidget(strip);
  column->addLayout(buttons);
  column->addLayout(labels);
  middle_->addWidget(area, 1);

  // The left column and the mask keep their rows together at the top.
  for (const char* name : {"tools", "mask"}) {
    auto* frame = findChild<QFrame*>(QLatin1String(name));
    if (frame == nullptr) continue;
    if (auto* grid = qobject_cast<QGridLayout*>(frame->layout()))
      grid->setRowStretch(grid->rowCount(), 1);
    // Buttons keep the desktop's face, not the panel's colour.
    const QPalette desktop = QApplication::palette();
    for (auto* button : frame->findChildren<QPushButton*>()) {
      QPalette face = button->palette();
      for (const auto role :
           {QPalette::Button, QPalette::ButtonText, QPalette::Window, QPalette::WindowText,
            QPalette::Light, QPalette::Dark, QPalette::Mid, QPalette::Midlight, QPalette::Shadow})
        face.setColor(role, desktop.color(role));
      button->setPalette(face);
    }
  }
  // A mask of many fields scrolls inside its panel.
  if (auto* dock = findChild<QDockWidget*>(QStringLiteral("maskDock"))) {
    auto* scroll = new QScrollArea(dock);
    scroll->setWidgetResizable(true);
    scroll->setWidget(dock->widget());
    dock->setWidget(scroll);
  }
}

void ListToolsView::refresh() {
  WindowView::refresh();
  for (const Control& control : window_.controls()) {
    if (control.name != "headerStrip" && control.name != "headerEditor") continue;
    const auto it = controls_.find(control.name);
    if (it == controls_.end()) continue;
    if (it->second->font().pointSize() != control.font.size)
      it->second->setFont(courier(control.font.size));
  }
  if (QWidget* strip = stripArea_->widget()) {
    strip->adjustSize();
    stripArea_->setFixedHeight(strip->sizeHint().height());
  }
}

void ListToolsView::keyPressEvent(QKeyEvent* event) {
  if (event->key() < Qt::Key_F1 || event->key() > Qt::Key_F12) {
    WindowView::keyPressEvent(event);
    return;
  }
  KeyPress press;
  press.name = "F" + std::to_string(event->key() - Qt::Key_F1 + 1);
  press.shift = event->modifiers() & Qt::ShiftModifier;
  press.ctrl = event->modifiers() & Qt::ControlModifier;
  press.alt = event->modifiers() & Qt::AltModifier;
  run([&] { window_.keyInControl(window_.focus(), press); });
}

}  // namespace korvale
