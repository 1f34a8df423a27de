#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

#include "ui/qt/class_editor_view.h"
#include "ui/qt/list_tools_view.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_clipboard.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_text_editor.h"
#include "ui/qt/window_view.h"

namespace korvale {

QtKeyState::QtKeyState() {
  QApplication::instance()->installEventFilter(this);
}

bool QtKeyState::escapeDown() {
  QCoreApplication::processEvents();
  return down_;
}

bool QtKeyState::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && !key->isAutoRepeat())
      down_ = event->type() == QEvent::KeyPress;
  }
  return QObject::eventFilter(watched, event);
}

void QtCursor::set(CursorShape shape) {
  if (shape == CursorShape::Busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++depth_;
  } else if (depth_ > 0) {
    QApplication::restoreOverrideCursor();
    --depth_;
  }
}

QtPlatform::QtPlatform(Dialogs* dialogs, KeyState* keys, bool showWindows, Printer* printer,
                       Clipboard* clipboard, Shell* shell)
    : showWindows_(showWindows) {
  if (clipboard == nullptr) ownClipboard_ = std::make_unique<QtClipboard>();
  clipboard_ = clipboard != nullptr ? clipboard : ownClipboard_.get();
  if (shell == nullptr) ownShell_ = std::make_unique<QtShell>();
  shell_ = shell != nullptr ? shell : ownShell_.get();
  if (printer == nullptr) ownPrinter_ = std::make_unique<QtPrinter>(printer_, Path());
  printerPort_ = printer != nullptr ? printer : ownPrinter_.get();
  if (dialogs == nullptr) {
    auto qtDialogs = std::make_unique<QtDialogs>(printer_);
    if (ownPrinter_) qtDialogs->preview = [this] { ownPrinter_->holdForPreview(); };
    ownDialogs_ = std::move(qtDialogs);
  }
  if (keys == nullptr) ownKeys_ = std::make_unique<QtKeyState>();
  dialogs_ = dialogs != nullptr ? dialogs : ownDialogs_.get();
  keys_ = keys != nullptr ? keys : ownKeys_.get();
}

QtPlatform::~QtPlatform() {
  for (auto& [id, view] : views_) delete view;
}

Screen QtPlatform::screen() const {
  const QScreen* s = QGuiApplication::primaryScreen();
  if (s == nullptr) return Screen{};
  return {s->size().width(), s->size().height(), static_cast<int>(s->logicalDotsPerInch())};
}

std::unique_ptr<TextEditor> QtPlatform::createEditor() {
  auto editor = std::make_unique<QtTextEditor>();
  pendingEditors_.push_back(editor.get());
  return editor;
}

std::unique_ptr<Canvas> QtPlatform::createCanvas() {
  // Drawn at the screen's pixel density, so that the chart is as sharp as the text beside it.
  return std::make_unique<QtCanvas>(428, 428, qGuiApp->devicePixelRatio());
}

std::map<WindowId, ViewFactory> specialViews() {
  // The Start window is the main window, its panels placed by the screen's size.
  return {{WindowId::Start,
           [](Window& window, ViewContext context, const Screen& screen) {
             auto* start = new StartWindowView(window, std::move(context));
             start->setScale(startWindowScale(screen));
             return static_cast<WindowView*>(start);
           }},
          // The plan keeps its pixel size with the list column beside it.
          {WindowId::ClassEditor,
           [](Window& window, ViewContext context, const Screen& screen) {
             auto* view = new ClassEditorView(window, std::move(context), startWindowScale(screen));
             view->setWindowModality(Qt::ApplicationModal);
             return static_cast<WindowView*>(view);
           }},
          // Its input line is one line on top of the help, not a page of text.
          {WindowId::Calculator,
           [](Window& window, ViewContext context, const Screen&) {
             auto* view = new CalculatorView(window, std::move(context));
             view->setWindowModality(Qt::ApplicationModal);
             return static_cast<WindowView*>(view);
           }},
          // Its header strip scrolls with the list view.
          {WindowId::ListTools, [](Window& window, ViewContext context, const Screen&) {
             auto* view = new ListToolsView(window, std::move(context));
             view->setWindowModality(Qt::ApplicationModal);
             return static_cast<WindowView*>(view);
           }}};
}

WindowView* QtPlatform::viewFor(Window& window) {
  auto it = views_.find(window.id());
  if (it != views_.end()) return it->second;
  QtTextEditor* editor = nullptr;
  if (TextEditor* text = window.mainText()) {
    for (QtTextEditor* candidate : pendingEditors_)
      if (candidate == text) editor = candidate;
  }
  ViewContext context{*host_, editor, [this] { refreshAll(); }};
  static const std::map<WindowId, ViewFactory> special = specialViews();
  WindowView* view = nullptr;
  if (const auto maker = special.find(window.id()); maker != special.end()) {
    view = maker->second(window, std::move(context), screen());
  } else {
    view = new WindowView(window, std::move(context));
    view->setWindowModality(Qt::ApplicationModal);
  }
  views_[window.id()] = view;
  return view;
}

void QtPlatform::windowShown(Window& window) {
  WindowView* view = viewFor(window);
  view->refresh();
  const Rect size = window.size();
  const QScreen* s = QGuiApplication::primaryScreen();
  if (size.width > 0 && size.height > 0) {
    // A window of its own size opens in the middle of the screen.
    view->resize(size.width, size.height);
    if (s != nullptr) view->move(s->availableGeometry().center() - view->rect().center());
    view->showNormal();
  } else {
    // Every other window opens maximised; the geometry covers the screen also where no window
    // manager does the maximising.
    if (s != nullptr) view->setGeometry(s->availableGeometry());
    view->showMaximized();
  }
  if (!showWindows_) view->hide();
}

void QtPlatform::windowHidden(Window& window) {
  if (auto it = views_.find(window.id()); it != views_.end()) it->second->hide();
}

void QtPlatform::quit() {
  QCoreApplication::quit();
}

void QtPlatform::refreshAll() {
  // A command that printed for the preview has ended: its pages are shown now.
  if (ownPrinter_) ownPrinter_->showHeldJobs(QApplication::activeWindow());
  for (auto& [id, view] : views_)
    if (view->isVisible() || !showWindows_) view->refresh();
}

}  // namespace korvale
