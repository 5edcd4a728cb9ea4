// The title window: closes by its timer or on OK at start-up, waits for OK
// as the About box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/app/cp_title.h"

namespace ventora {
namespace {

TEST(CpTitle, ShowsTheProgramAndItsPurpose) {
  CpTitle title;
  EXPECT_EQ(title.windowTitle().toStdString(), "VENTORA - Wind Pressure on Buildings");
  auto* credit = title.findChild<QWidget*>("CpCredit");
  ASSERT_NE(credit, nullptr);
  QStringList lines;
  for (QLabel* label : credit->findChildren<QLabel*>())
    lines << label->text();
  EXPECT_TRUE(lines.contains("Ventora+"));
  EXPECT_TRUE(lines.contains("a program calculating wind pressure coefficients on building"));
  EXPECT_NE(title.findChild<QTimer*>("Timer1"), nullptr);
  EXPECT_NE(title.findChild<QPushButton*>("OK"), nullptr);
}

TEST(CpTitle, AtStartUpClosesByItselfWhenItsTimeIsUp) {
  CpTitle title;
  title.SetTitleInterval(50);  // the program waits 5000 ms
  title.SetTitleTimerOn(true);
  title.show();
  EXPECT_TRUE(title.Timer1()->isActive());
  EXPECT_EQ(title.Timer1()->interval(), 50);
  QTRY_VERIFY_WITH_TIMEOUT(!title.isVisible(), 2000);
  EXPECT_FALSE(title.Timer1()->isActive());
}

TEST(CpTitle, OkClosesAtOnceAndTheTimerNeverFiresLater) {
  CpTitle title;
  title.SetTitleInterval(150);
  title.SetTitleTimerOn(true);
  QSignalSpy closed(&title, &QDialog::finished);
  title.show();
  QTest::mouseClick(title.OK(), Qt::LeftButton);
  EXPECT_FALSE(title.isVisible());
  EXPECT_FALSE(title.Timer1()->isActive());
  QTest::qWait(300);
  EXPECT_EQ(closed.count(), 1);
}

TEST(CpTitle, AsAboutBoxItStaysUntilOk) {
  CpTitle title;
  bool stillShownLater = false;
  QTimer::singleShot(300, &title, [&] {
    stillShownLater = title.isVisible();
    QTest::mouseClick(title.OK(), Qt::LeftButton);
  });
  title.ShowAsAbout();  // modal; returns when OK is clicked
  EXPECT_TRUE(stillShownLater);
  EXPECT_FALSE(title.Timer1()->isActive());
  EXPECT_FALSE(title.isVisible());
}

TEST(CpTitle, IsReusedAfterHiding) {
  CpTitle title;
  QTimer::singleShot(0, &title, [&] { QTest::mouseClick(title.OK(), Qt::LeftButton); });
  title.ShowAsAbout();
  title.SetTitleInterval(30);
  title.SetTitleTimerOn(true);
  title.show();
  QTRY_VERIFY_WITH_TIMEOUT(!title.isVisible(), 2000);
}

}  // namespace
}  // namespace ventora
