// The main window's keys and title, and where the windows it opens appear:
// Alt+H drops the Help menu under its button, F1 opens the guide's contents
// beside the window, and a window opened from another stands beside it.
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "main_form_fixture.h"
#include "ui/editing/window_placement.h"
#include "ui/help/guide_help.h"
#include "ui/help/help_window.h"

namespace ventora::testing {
namespace {

// Keys reach a window's shortcuts only while it is the active window.
void Activate(QWidget* w) {
  w->activateWindow();
  QApplication::setActiveWindow(w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

// F1 opens the guide beside the window where the screen has room.
TEST_F(MainFormTest, AltHDropsTheHelpMenuUnderItsButtonAndF1OpensTheContents) {
  MakeForm();
  form->resize(300, 200);
  form->move(QApplication::primaryScreen()->availableGeometry().topLeft());
  Activate(form.get());
  QTest::keyClick(form.get(), Qt::Key_H, Qt::AltModifier);
  auto* menu = form->findChild<QMenu*>("HelpMenu");
  // A mnemonic clicks the button after its press is shown.
  ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 60000));
  const QPushButton* help = Button("HelpBtn");
  EXPECT_EQ(menu->geometry().topLeft(), help->mapToGlobal(QPoint(0, help->height())));
  menu->hide();
  Activate(form.get());
  QTest::keyClick(form.get(), Qt::Key_F1);
  help::HelpWindow* guide = help::GuideWindow();
  ASSERT_NE(guide, nullptr);
  EXPECT_TRUE(guide->isVisible());
  EXPECT_EQ(guide->Shown(), "index.md");
  guide->hide();
  guide->resize(150, 150);  // room beside the main window on the test screen
  Activate(form.get());
  QTest::keyClick(form.get(), Qt::Key_F1);
  EXPECT_FALSE(guide->frameGeometry().intersects(form->frameGeometry()));
  EXPECT_TRUE(QApplication::primaryScreen()->availableGeometry().contains(guide->frameGeometry()));
  guide->hide();
}

// A window opened from another stands beside it where the screen has room,
// else on its other side, and always wholly on the screen.
TEST(WindowPlacement, ANewWindowStandsBesideItsOpenerOnTheScreen) {
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  // clang-format off
  struct Row { QRect opener; QSize size; };
  const Row rows[] = {
      {{screen.left(), screen.top(), 200, 150}, {300, 200}},            // room on the right
      {{screen.right() - 220, screen.top() + 40, 200, 150}, {300, 200}},  // on the left
      {{screen.left() + 100, screen.bottom() - 60, 200, 50}, {300, 200}},  // raised onto the screen
      {{screen.left(), screen.top(), 200, 150}, {4000, 3000}},          // shrunk to the screen
  };
  // clang-format on
  for (const Row& row : rows) {
    QWidget opener;
    opener.setGeometry(row.opener);
    opener.show();
    QWidget placed(nullptr, Qt::Window);
    placed.resize(row.size);
    ui::PlaceBeside(placed, opener);
    placed.show();
    const QRect where = placed.frameGeometry();
    EXPECT_TRUE(screen.contains(where)) << where.x() << "," << where.y();
    if (row.size.width() < screen.width() - row.opener.width()) {
      EXPECT_FALSE(where.intersects(opener.frameGeometry())) << where.x() << "," << where.y();
    }
  }
}

}  // namespace
}  // namespace ventora::testing
