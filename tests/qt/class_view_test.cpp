// The Class editor on screen: its menus with their separators, the plan at its own size beside
// the list column, a click that puts a marked name into a cell, text typed into a cell, and the
// help text that a file menu hides when it drops down.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <cstdlib>

#include "app/application.h"
#include "menu_caption.h"
#include "support/test_ports.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/window_view.h"

namespace korvale {
namespace {

class ClassView : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/korvale-class-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = Path(pattern);
    platform.attach(app);
    ASSERT_TRUE(app.start({dir, dir, "anna"}));
    app.openModal(WindowId::ClassEditor);
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("TForm1")) view = qobject_cast<QMainWindow*>(w);
    ASSERT_NE(view, nullptr);
    plan = view->findChild<QTableWidget*>(QStringLiteral("plan"));
    help = view->findChild<QPlainTextEdit*>(QStringLiteral("help"));
    ASSERT_NE(plan, nullptr);
    ASSERT_NE(help, nullptr);
  }
  void TearDown() override { std::system(("rm -rf '" + dir.bytes() + "'").c_str()); }

  QMenu* menu(const QString& title) {
    for (QAction* action : view->menuBar()->actions())
      if (caption(action) == title) return action->menu();
    return nullptr;
  }
  void trigger(const QString& title, const QString& entry) {
    QMenu* m = menu(title);
    ASSERT_NE(m, nullptr);
    for (QAction* action : m->actions())
      if (caption(action) == entry) action->trigger();
  }

  Path dir;
  TestDialogs dialogs;
  TestKeyState keys;
  QtPlatform platform{&dialogs, &keys, true};
  Application app{platform};
  QMainWindow* view = nullptr;
  QTableWidget* plan = nullptr;
  QPlainTextEdit* help = nullptr;
};

TEST_F(ClassView, MenusCarryTheirSeparators) {
  QStringList datei;
  for (QAction* action : menu(QStringLiteral("Datei"))->actions())
    datei << (action->isSeparator() ? QStringLiteral("-") : caption(action));
  EXPECT_EQ(datei.join(QLatin1Char(',')),
            QStringLiteral("Neu,-,Beispiel,Laden,Anfügen,Speichern,-,Drucken L,Drucken T,-,"
                           "Excel,Beenden"));
  EXPECT_EQ(menu(QStringLiteral("Bearbeiten"))->actions().size(), 19);
  EXPECT_EQ(menu(QStringLiteral("Hilfe")), nullptr);
}

TEST_F(ClassView, ThePlanKeepsItsSizeBesideTheListAndTakesMarkedNames) {
  const auto* list = view->findChild<QTextEdit*>();
  ASSERT_NE(list, nullptr);
  // Cells and lines as the controller sizes them; the list column stands right of the plan.
  EXPECT_EQ(plan->columnCount(), 8);
  EXPECT_EQ(plan->columnWidth(1),
            app.window(WindowId::ClassEditor).panels()[0].columnWidths[1] + 2);
  EXPECT_LT(plan->mapTo(view, QPoint(plan->width(), 0)).x(), list->mapTo(view, QPoint(0, 0)).x());
  EXPECT_EQ(plan->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xE1));

  trigger(QStringLiteral("Datei"), QStringLiteral("Beispiel"));
  Window& window = app.window(WindowId::ClassEditor);
  window.mainText()->setSelection({1, 0}, {1, 11});
  window.textClicked();
  emit plan->cellPressed(2, 3);
  ASSERT_NE(plan->item(2, 3), nullptr);
  EXPECT_EQ(plan->item(2, 3)->text(), QStringLiteral(" BAUER Jonas"));
}

TEST_F(ClassView, TextTypedIntoACellReachesThePlan) {
  auto* item = new QTableWidgetItem(QStringLiteral("Tafel"));
  plan->setItem(0, 4, item);
  const Panel shown = app.window(WindowId::ClassEditor).panels()[0];
  EXPECT_EQ(shown.cells[4].text, U"Tafel");
}

TEST_F(ClassView, AFileMenuDroppingDownHidesTheHelp) {
  for (QAction* action : view->menuBar()->actions())
    if (caption(action) == QStringLiteral("Hilfe")) action->trigger();
  EXPECT_TRUE(help->isVisibleTo(view));
  emit menu(QStringLiteral("Bearbeiten"))->aboutToShow();
  EXPECT_FALSE(help->isVisibleTo(view));
}

}  // namespace
}  // namespace korvale
