// What makes a window a desktop program's window: menus with access keys, shortcuts and check
// marks, F10 and Alt for the menu bar, panels that take the keyboard focus, files dropped on it.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"
#include "ui/qt/window_view.h"
#include "window/menu_labels.h"

namespace korvale {

PanelLabel::PanelLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::StrongFocus);
}

void PanelLabel::keyPressEvent(QKeyEvent* event) {
  const bool presses = event->modifiers() == Qt::NoModifier &&
                       (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                        event->key() == Qt::Key_Space);
  if (!presses || !clicked) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  clicked();
}

void PanelLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  // The window's focus, also while the desktop has not activated the window.
  if (window()->focusWidget() != this) return;
  // The focus shows as a dotted line inside the sunken frame, as on a button.
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
  const int inset = frameWidth() + 4;
  painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void PanelLabel::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  update();
}

void PanelLabel::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  update();
}

void WindowView::buildMenus() {
  const MenuLabels labels = menuLabels(window_.menu());
  const auto labelOf = [&labels](const Text& menu) {
    for (const auto& [name, label] : labels.menus)
      if (name == menu) return toQt(label);
    return toQt(menu);
  };
  std::map<Text, QMenu*> menus;
  for (std::size_t i = 0; i < window_.menu().size(); ++i) {
    const MenuItem& item = window_.menu()[i];
    QAction* action = nullptr;
    if (item.entry.empty()) {
      action = menuBar()->addAction(labelOf(item.menu));
    } else {
      QMenu*& menu = menus[item.menu];
      if (menu == nullptr) {
        menu = menuBar()->addMenu(labelOf(item.menu));
        const Text name = item.menu;
        connect(menu, &QMenu::aboutToShow, this,
                [this, name] { run([&] { window_.menuOpened(name); }); });
      }
      if (item.isSeparator()) {
        menu->addSeparator();
        continue;
      }
      action = menu->addAction(toQt(labels.entries[i]));
    }
    action->setCheckable(static_cast<bool>(item.checked));
    if (!item.shortcut.empty()) {
      action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
      action->setShortcutContext(Qt::WindowShortcut);
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

void WindowView::refreshMenus() {
  for (const auto& [action, index] : actions_) {
    if (index >= window_.menu().size()) continue;
    const MenuItem& item = window_.menu()[index];
    action->setEnabled(item.enabled);
    // A click on a checkable action flips it; the controller's state decides what it shows.
    if (item.checked) action->setChecked(item.checked());
  }
}

void WindowView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier &&
      !menuBar()->actions().isEmpty()) {
    QAction* first = menuBar()->actions().first();
    menuBar()->setFocus(Qt::MenuBarFocusReason);
    menuBar()->setActiveAction(first);
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

namespace {

// The one local file a drag carries; empty for text, several files or anything not on disk.
QString droppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return QString();
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return QString();
  return urls.front().toLocalFile();
}

}  // namespace

void WindowView::dragEnterEvent(QDragEnterEvent* event) {
  if (window_.takesDroppedFiles() && !droppedFile(event->mimeData()).isEmpty())
    event->acceptProposedAction();
  else
    event->ignore();
}

void WindowView::dragMoveEvent(QDragMoveEvent* event) {
  if (window_.takesDroppedFiles() && !droppedFile(event->mimeData()).isEmpty())
    event->acceptProposedAction();
  else
    event->ignore();
}

void WindowView::dropEvent(QDropEvent* event) {
  const QString file = droppedFile(event->mimeData());
  if (!window_.takesDroppedFiles() || file.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  const Path path = pathFromQt(file);
  run([&] { window_.fileDropped(path); });
}

bool WindowView::filterDrag(QEvent* event) {
  const QMimeData* data = nullptr;
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)
    data = static_cast<QDragMoveEvent*>(event)->mimeData();
  else if (event->type() == QEvent::Drop)
    data = static_cast<QDropEvent*>(event)->mimeData();
  // Text dragged within the editor stays the editor's; a link never becomes text.
  if (data == nullptr || !data->hasUrls()) return false;
  if (event->type() == QEvent::DragEnter)
    dragEnterEvent(static_cast<QDragEnterEvent*>(event));
  else if (event->type() == QEvent::DragMove)
    dragMoveEvent(static_cast<QDragMoveEvent*>(event));
  else
    dropEvent(static_cast<QDropEvent*>(event));
  return true;
}

}  // namespace korvale
