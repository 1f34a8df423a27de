#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <cstdlib>

#include "app/application.h"
#include "base/files.h"
#include "menu_caption.h"
#include "support/test_ports.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/window_view.h"

namespace korvale {
namespace {

class QtViews : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/korvale-qt-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = Path(pattern);
    platform.attach(app);
    ASSERT_TRUE(app.start({dir, dir, "anna"}));
  }
  void TearDown() override { std::system(("rm -rf '" + dir.bytes() + "'").c_str()); }

  QWidget* view(const char* objectName) {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String(objectName)) return w;
    return nullptr;
  }

  Path dir;
  TestDialogs dialogs;
  TestKeyState keys;
  QtPlatform platform{&dialogs, &keys, true};
  Application app{platform};
};

TEST_F(QtViews, StartPanelOpensTheGradesEditorWithItsMenus) {
  QWidget* start = view("TForm0");
  ASSERT_NE(start, nullptr);
  EXPECT_TRUE(start->isVisible());
  EXPECT_EQ(start->windowTitle(), QStringLiteral("KORVALE - Version 51.0"));
  auto* panel = start->findChild<PanelLabel*>(QStringLiteral("gradesEditor"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->text(), QStringLiteral("Noten-Editor"));
  panel->clicked();

  auto* grades = qobject_cast<QMainWindow*>(view("TForm24"));
  ASSERT_NE(grades, nullptr);
  EXPECT_TRUE(grades->isVisible());
  EXPECT_EQ(grades->windowModality(), Qt::ApplicationModal);
  QStringList entries;
  for (QAction* menu : grades->menuBar()->actions()) {
    // "Hilfe ein/aus" is a command of the menu bar itself.
    if (menu->menu() == nullptr) {
      entries << korvale::caption(menu);
      continue;
    }
    for (QAction* entry : menu->menu()->actions())
      entries << korvale::caption(menu) + QStringLiteral(" > ") + korvale::caption(entry);
  }
  EXPECT_EQ(entries.first(), QStringLiteral("Datei > Ordner wechseln"));
  EXPECT_TRUE(entries.contains(QStringLiteral("Datei > Beenden")));
  EXPECT_TRUE(entries.contains(QStringLiteral("Schrift > Insert \"")));
  EXPECT_EQ(entries.last(), QStringLiteral("Hilfe ein/aus"));
  // The database entries wait for a list.
  for (QAction* menu : grades->menuBar()->actions()) {
    if (korvale::caption(menu) != QStringLiteral("Datenbank") || menu->menu() == nullptr) continue;
    for (QAction* entry : menu->menu()->actions()) EXPECT_FALSE(entry->isEnabled());
  }
  auto* ruler = grades->findChild<QLabel*>(QStringLiteral("ruler"));
  ASSERT_NE(ruler, nullptr);
  EXPECT_TRUE(ruler->text().endsWith(QStringLiteral("]< A4 ")));
  auto* fields = grades->findChild<QWidget*>(QStringLiteral("fieldsView"));
  ASSERT_NE(fields, nullptr);
  EXPECT_FALSE(fields->isVisible());
  auto* status = grades->findChild<QLabel*>(QStringLiteral("status"));
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->text(), QStringLiteral("Zeile/Spalte"));

  grades->close();
  EXPECT_FALSE(grades->isVisible());
  EXPECT_EQ(app.current().id(), WindowId::Start);
}

TEST_F(QtViews, GradesEditorShowsAListWithItsFieldsViewBeside) {
  ASSERT_TRUE(writeFileAtomic(dir + "/liste.csv", "Nr;Name;\r\n1;Albers;\r\n12;Bo;\r\n"));
  app.openModal(WindowId::GradesEditor);
  auto* grades = qobject_cast<QMainWindow*>(view("TForm24"));
  ASSERT_NE(grades, nullptr);
  QAction* open = nullptr;
  for (QAction* menu : grades->menuBar()->actions())
    if (menu->menu() != nullptr)
      for (QAction* entry : menu->menu()->actions())
        if (korvale::caption(entry) == QString::fromUtf8("Öffnen (CSV)")) open = entry;
  ASSERT_NE(open, nullptr);
  dialogs.file(dir + "/liste.csv");
  open->trigger();

  auto* edit = grades->findChild<QTextEdit*>();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->toPlainText(), QStringLiteral("Nr;Name  ;\n 1;Albers;\n12;Bo    ;\n#"));
  EXPECT_TRUE(edit->isReadOnly());
  QTextCursor header(edit->document());
  header.movePosition(QTextCursor::Right);
  EXPECT_EQ(header.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(header.charFormat().fontFamilies().toStringList().value(0),
            QStringLiteral("Courier New"));
  auto* fields = grades->findChild<QPlainTextEdit*>(QStringLiteral("fieldsView"));
  ASSERT_NE(fields, nullptr);
  EXPECT_TRUE(fields->isVisible());
  EXPECT_TRUE(fields->toPlainText().startsWith(QStringLiteral(" \n Datenbank  : liste.csv\n")));
  auto* file = grades->findChild<QLabel*>(QStringLiteral("file"));
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->text(), QStringLiteral(" Datei: liste.csv"));
  auto* help = grades->findChild<QPlainTextEdit*>(QStringLiteral("help"));
  ASSERT_NE(help, nullptr);
  EXPECT_FALSE(help->isVisible());
  EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("<TABULON>")));
  grades->close();
  EXPECT_FALSE(fields->isVisible());
}

TEST_F(QtViews, TypingIntoTheSelectionPanelReachesTheWindow) {
  ASSERT_TRUE(writeFileAtomic(dir + "/liste.csv", "Nr;Ort;\r\n1;Kiel;\r\n2;Bonn;\r\n"));
  app.openModal(WindowId::GradesEditor);
  auto* grades = qobject_cast<QMainWindow*>(view("TForm24"));
  ASSERT_NE(grades, nullptr);
  const auto trigger = [&](const QString& caption) {
    for (QAction* menu : grades->menuBar()->actions())
      if (menu->menu() != nullptr)
        for (QAction* entry : menu->menu()->actions())
          if (korvale::caption(entry) == caption) return entry->trigger();
    ADD_FAILURE() << caption.toStdString();
  };
  dialogs.file(dir + "/liste.csv");
  trigger(QString::fromUtf8("Öffnen (CSV)"));
  trigger(QStringLiteral("Select"));
  auto* field = grades->findChild<QLineEdit*>(QStringLiteral("selectionField"));
  auto* op = grades->findChild<QLineEdit*>(QStringLiteral("selectionOperator"));
  auto* term = grades->findChild<QLineEdit*>(QStringLiteral("selectionTerm"));
  ASSERT_TRUE(field && op && term);
  EXPECT_TRUE(term->isVisible());
  EXPECT_EQ(field->text(), QStringLiteral("1"));
  const auto type = [](QLineEdit* edit, const QString& text) {
    edit->selectAll();
    for (const QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(edit, &press);
    }
  };
  type(field, QStringLiteral("2"));
  type(op, QStringLiteral("="));
  type(term, QStringLiteral("bonn"));
  for (QPushButton* button : grades->findChildren<QPushButton*>())
    if (button->text() == QString::fromUtf8("Ausführen")) button->click();
  auto* edit = grades->findChild<QTextEdit*>();
  EXPECT_EQ(edit->toPlainText(), QStringLiteral("N;Ort ;\n2;Bonn;\n#"));
  EXPECT_FALSE(term->isVisible());
  grades->close();
}

TEST_F(QtViews, AClickInTheLockedTableMarksOneCharacterAndNamesTheField) {
  ASSERT_TRUE(writeFileAtomic(dir + "/liste.csv", "Nr;Ort;\r\n1;Kiel;\r\n2;Bonn;\r\n"));
  app.openModal(WindowId::GradesEditor);
  auto* grades = qobject_cast<QMainWindow*>(view("TForm24"));
  ASSERT_NE(grades, nullptr);
  for (QAction* menu : grades->menuBar()->actions())
    if (menu->menu() != nullptr)
      for (QAction* entry : menu->menu()->actions())
        if (korvale::caption(entry) == QString::fromUtf8("Öffnen (CSV)")) {
          dialogs.file(dir + "/liste.csv");
          entry->trigger();
        }
  auto* edit = grades->findChild<QTextEdit*>();
  ASSERT_NE(edit, nullptr);
  QTextCursor place(edit->document());
  place.movePosition(QTextCursor::Down);
  place.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
  const QPoint at = edit->cursorRect(place).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, edit->viewport()->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(edit->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, edit->viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(edit->viewport(), &release);
  EXPECT_EQ(edit->textCursor().selectedText(), QStringLiteral("i"));
  auto* status = grades->findChild<QLabel*>(QStringLiteral("status"));
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->text(), QStringLiteral("Zei/Spa: 2 / 4 / Ort (2)"));
  grades->close();
}

TEST_F(QtViews, FunctionKeysActWhileAButtonHasTheFocus) {
  app.openModal(WindowId::Calculator);
  auto* calculator = qobject_cast<QMainWindow*>(view("TForm13"));
  ASSERT_NE(calculator, nullptr);
  auto* input = calculator->findChild<QTextEdit*>();
  ASSERT_NE(input, nullptr);
  const auto press = [](QWidget* target, int key, const QString& text = QString()) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    return QApplication::sendEvent(target, &event) && event.isAccepted();
  };
  for (const char* name : {"clear", "toggle", "close"}) {
    SCOPED_TRACE(name);
    auto* button = calculator->findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr);
    input->selectAll();
    EXPECT_TRUE(press(button, Qt::Key_F12));
    EXPECT_EQ(input->toPlainText(), QStringLiteral("^2"));
    // A letter is no key of the table: the button is left to deal with it.
    press(button, Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(input->toPlainText(), QStringLiteral("^2"));
  }
  // Enter on a focused button presses it once.
  EXPECT_TRUE(calculator->isVisible());
  press(calculator->findChild<QPushButton*>(QStringLiteral("close")), Qt::Key_Return);
  EXPECT_FALSE(calculator->isVisible());
}

TEST_F(QtViews, ClipboardKeysFollowTheirMenuEntries) {
  ASSERT_TRUE(writeFileAtomic(dir + "/liste.csv", "Nr;Ort;\r\n1;Kiel;\r\n2;Bonn;\r\n"));
  app.openModal(WindowId::GradesEditor);
  auto* grades = qobject_cast<QMainWindow*>(view("TForm24"));
  ASSERT_NE(grades, nullptr);
  const auto entry = [&](const QString& caption) -> QAction* {
    for (QAction* menu : grades->menuBar()->actions())
      if (menu->menu() != nullptr)
        for (QAction* item : menu->menu()->actions())
          if (korvale::caption(item) == caption) return item;
    ADD_FAILURE() << caption.toStdString();
    return nullptr;
  };
  auto* edit = grades->findChild<QTextEdit*>();
  ASSERT_NE(edit, nullptr);
  // The desktop names Ctrl+A by its key and gives a control character as its text.
  const auto ctrl = [&](int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier,
                    QString(QChar(key - Qt::Key_A + 1)));
    QApplication::sendEvent(edit, &press);
  };
  dialogs.file(dir + "/liste.csv");
  entry(QString::fromUtf8("Öffnen (CSV)"))->trigger();
  EXPECT_FALSE(entry(QStringLiteral("Alles Markieren"))->isEnabled());
  edit->moveCursor(QTextCursor::Start);
  ctrl(Qt::Key_A);
  EXPECT_FALSE(edit->textCursor().hasSelection());

  // "Neu" turns the entries on again, and so the keys.
  entry(QStringLiteral("Neu"))->trigger();
  EXPECT_TRUE(entry(QStringLiteral("Alles Markieren"))->isEnabled());
  edit->setPlainText(QStringLiteral("eins\nzwei\ndrei"));
  edit->moveCursor(QTextCursor::Start);
  ctrl(Qt::Key_A);
  EXPECT_EQ(edit->textCursor().selectedText().size(), 14);
  // Ctrl+Y deletes the caret's line in an unlocked text.
  edit->moveCursor(QTextCursor::Start);
  ctrl(Qt::Key_Y);
  EXPECT_EQ(edit->toPlainText(), QStringLiteral("zwei\ndrei"));
  grades->close();
}

TEST_F(QtViews, F2DrawsTheGraphBesideTheTextAndF5InAnEditHidesIt) {
  app.openModal(WindowId::GradesEditor);
  auto* grades = qobject_cast<QMainWindow*>(view("TForm24"));
  ASSERT_NE(grades, nullptr);
  auto* edit = grades->findChild<QTextEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->setPlainText(QStringLiteral("sin(x)*3,5"));
  const auto press = [](QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &up);
  };
  press(edit, Qt::Key_F2, Qt::NoModifier);
  auto* dock = grades->findChild<QDockWidget*>(QStringLiteral("chartDock"));
  ASSERT_NE(dock, nullptr);
  EXPECT_TRUE(dock->isVisible());
  EXPECT_EQ(dock->windowTitle(),
            QString::fromUtf8("<F5> Grafik ein/aus  <F6> Drucken  <F7> Löschen"));
  auto* chart = dock->findChild<QLabel*>(QStringLiteral("chart"));
  ASSERT_NE(chart, nullptr);
  const QImage image = chart->pixmap().toImage();
  ASSERT_EQ(image.size(), QSize(428, 428));
  EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::white));  // above the flat curve
  // sin(x) in degrees: near x = 5 the curve lies at y = 0.26, a few pixels above the axis.
  bool red = false;
  for (int y = 200; y < 214; ++y) red = red || image.pixelColor(420, y) == QColor(Qt::red);
  EXPECT_TRUE(red);

  for (QAction* menu : grades->menuBar()->actions())
    if (menu->menu() != nullptr)
      for (QAction* entry : menu->menu()->actions())
        if (korvale::caption(entry) == QStringLiteral("Select")) entry->trigger();
  auto* field = grades->findChild<QLineEdit*>(QStringLiteral("selectionField"));
  ASSERT_NE(field, nullptr);
  press(field, Qt::Key_F5, Qt::NoModifier);
  EXPECT_FALSE(dock->isVisible());
  press(field, Qt::Key_F5, Qt::ShiftModifier);
  EXPECT_TRUE(dock->isVisible());
  press(edit, Qt::Key_F7, Qt::NoModifier);
  EXPECT_FALSE(dock->isVisible());
  grades->close();
}

TEST(QtFileFilter, PipeFiltersBecomeQtFilters) {
  EXPECT_EQ(qtFileFilter(U"ANSI-Textdateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*"),
            QStringLiteral("ANSI-Textdateien (*.csv);;Alle Dateien (*)"));
  EXPECT_EQ(qtFileFilter(U"RTF-Textdateien  (*.rtf)|*.rtf"),
            QStringLiteral("RTF-Textdateien (*.rtf)"));
  EXPECT_EQ(qtFileFilter(U"Bilder|*.jpg;*.png"), QStringLiteral("Bilder (*.jpg *.png)"));
}

}  // namespace
}  // namespace korvale
