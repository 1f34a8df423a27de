// The desktop's conventions in the views: access keys, shortcuts and check marks in the menus,
// F10 and the Start panels by keyboard, drops and the question before typing is lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>
#include <cstdlib>

#include "app/application.h"
#include "base/files.h"
#include "support/test_ports.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/window_view.h"

namespace korvale {
namespace {

class DesktopView : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/korvale-desktop-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = Path(pattern);
    platform.attach(app);
    ASSERT_TRUE(app.start({dir, dir, "anna"}));
    app.openModal(WindowId::GradesEditor);
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("TForm24")) grades = qobject_cast<QMainWindow*>(w);
    ASSERT_NE(grades, nullptr);
    edit = grades->findChild<QTextEdit*>();
    ASSERT_NE(edit, nullptr);
  }
  void TearDown() override { std::system(("rm -rf '" + dir.bytes() + "'").c_str()); }

  QAction* entry(const QString& label) {
    for (QAction* menu : grades->menuBar()->actions())
      if (menu->menu() != nullptr)
        for (QAction* item : menu->menu()->actions())
          if (item->text() == label) return item;
    ADD_FAILURE() << label.toStdString();
    return nullptr;
  }

  // Drops what `data` carries on the main text; whether the drop was taken.
  bool drop(QMimeData& data) {
    const QPointF at(20, 20);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit->viewport(), &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit->viewport(), &dropped);
    return enter.isAccepted() && dropped.isAccepted();
  }

  void typeKey(QWidget* target, int key, const QString& text = QString()) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
  }

  Path dir;
  TestDialogs dialogs;
  TestKeyState keys;
  QtPlatform platform{&dialogs, &keys, true};
  Application app{platform};
  QMainWindow* grades = nullptr;
  QTextEdit* edit = nullptr;
};

TEST_F(DesktopView, MenusShowAccessKeysShortcutsAndCheckMarks) {
  EXPECT_EQ(grades->menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
  const struct {
    const char* label;
    const char* shortcut;
  } keyed[] = {{"&Öffnen (CSV)", "Ctrl+O"}, {"&Speichern", "Ctrl+S"}, {"&Drucken", "Ctrl+P"}};
  for (const auto& k : keyed) {
    QAction* action = entry(QString::fromUtf8(k.label));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(k.shortcut)));
  }
  QAction* lock = entry(QStringLiteral("&Sperren E/A"));
  ASSERT_NE(lock, nullptr);
  EXPECT_TRUE(lock->isCheckable());
  EXPECT_FALSE(lock->isChecked());
  lock->trigger();
  EXPECT_TRUE(lock->isChecked());
  EXPECT_TRUE(edit->isReadOnly());
  // The controller's state, not the click, decides the mark.
  lock->setChecked(false);
  platform.refreshAll();
  EXPECT_TRUE(lock->isChecked());
}

// The window's controls grow with the screen; the text grows with them, and the menu bar keeps
// the desktop's font as in every other program.
TEST_F(DesktopView, TheTextGrowsWithTheWindowAndTheMenuBarKeepsTheDesktopsFont) {
  EXPECT_EQ(grades->menuBar()->font().family(), QApplication::font().family());
  EXPECT_EQ(grades->menuBar()->font().pointSize(), QApplication::font().pointSize());
  typeKey(edit, Qt::Key_X, QStringLiteral("x"));
  const double shown =
      edit->document()->firstBlock().begin().fragment().charFormat().fontPointSize();
  // The letter font is 14 points on a screen of the window's design size, where its font is 10.
  EXPECT_DOUBLE_EQ(shown, 14 * grades->font().pointSize() / 10.0);
}

TEST_F(DesktopView, F10OpensTheMenuBarAndTheStartPanelsTakeTheKeyboard) {
  typeKey(edit, Qt::Key_F10);
  EXPECT_EQ(grades->menuBar()->activeAction(), grades->menuBar()->actions().first());
  grades->menuBar()->setActiveAction(nullptr);
  grades->close();  // nothing typed: no question
  EXPECT_EQ(app.current().id(), WindowId::Start);

  QWidget* start = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("TForm0")) start = w;
  ASSERT_NE(start, nullptr);
  for (const int key : {Qt::Key_Return, Qt::Key_Space}) {
    auto* panel = start->findChild<PanelLabel*>(QStringLiteral("gradesEditor"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->focusPolicy(), Qt::StrongFocus);
    typeKey(panel, key, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    EXPECT_EQ(app.current().id(), WindowId::GradesEditor);
    app.close(WindowId::GradesEditor);
  }
}

TEST_F(DesktopView, ADroppedListOpensAndALinkIsRefused) {
  ASSERT_TRUE(writeFileAtomic(dir + "/liste.csv", "Nr;Ort;\r\n1;Kiel;\r\n"));
  QMimeData link;
  link.setUrls({QUrl(QStringLiteral("https://example.invalid/liste.csv"))});
  link.setText(QStringLiteral("https://example.invalid/liste.csv"));
  EXPECT_FALSE(drop(link));
  EXPECT_TRUE(edit->toPlainText().isEmpty());

  QMimeData file;
  file.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir + "/liste.csv").bytes()))});
  EXPECT_TRUE(drop(file));
  EXPECT_EQ(edit->toPlainText(), QStringLiteral("N;Ort ;\n1;Kiel;\n#"));
  EXPECT_TRUE(edit->isReadOnly());
}

TEST_F(DesktopView, TypingIsAskedAboutBeforeTheCloseBoxLosesIt) {
  typeKey(edit, Qt::Key_A, QStringLiteral("a"));
  EXPECT_EQ(edit->toPlainText(), QStringLiteral("a"));
  dialogs.no();
  grades->close();
  EXPECT_TRUE(grades->isVisible());
  EXPECT_EQ(app.current().id(), WindowId::GradesEditor);
  EXPECT_EQ(dialogs.shown.back(),
            "[confirm] Der Text wurde geändert und nicht gespeichert. Änderungen verwerfen? -> no");
  dialogs.yes();
  grades->close();
  EXPECT_FALSE(grades->isVisible());
  // The controller's own changes are no typing: a new opening closes without a word.
  app.openModal(WindowId::GradesEditor);
  app.window(WindowId::GradesEditor).mainText()->setPlainText(U"vom Programm");
  grades->close();
  EXPECT_FALSE(grades->isVisible());
}

}  // namespace
}  // namespace korvale
