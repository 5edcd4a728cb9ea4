// Help > About Ventora+ shows the title window as a box that waits for OK.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "main_form_fixture.h"
#include "ui/app/cp_title.h"
#include "ui/main_window/help_menu.h"

namespace ventora::testing {
namespace {

TEST_F(MainFormTest, AboutShowsTheTitleWindowUntilOk) {
  MakeForm();
  CpTitle* shown = nullptr;
  bool timerRunning = true;
  QTimer::singleShot(200, [&] {
    shown = qobject_cast<CpTitle*>(QApplication::activeModalWidget());
    if (shown == nullptr) return;
    timerRunning = shown->Timer1()->isActive();
    QTest::mouseClick(shown->OK(), Qt::LeftButton);
  });
  form->findChild<HelpMenu*>("HelpMenu")->HelpAbout()->trigger();  // returns after OK
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(timerRunning);
  EXPECT_FALSE(shown->isVisible());
}

}  // namespace
}  // namespace ventora::testing
