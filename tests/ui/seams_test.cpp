// The desktop seams: message boxes built from messages, the current
// directory following a chosen file, screen metrics.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "ui/app/current_directory.h"
#include "ui/app/qt_message_sink.h"
#include "ui/app/screen_metrics.h"
#include "ui_fakes.h"

namespace ventora {
namespace {

TEST(BuildMessageBox, CarriesTitleTextIconAndButtons) {
  auto box = BuildMessageBox(
      Message{"Warning", "Data are changed! Save?", MsgIcon::None, MsgButtons::YesNoCancel},
      nullptr);
  EXPECT_EQ(box->windowTitle().toStdString(), "Warning");
  EXPECT_EQ(box->text().toStdString(), "Data are changed! Save?");
  EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));
}

TEST(BuildMessageBox, MapsIconsAndKeepsTextPlain) {
  auto critical = BuildMessageBox(Message{"Error", "<b>x</b>", MsgIcon::Critical}, nullptr);
  EXPECT_EQ(critical->icon(), QMessageBox::Critical);
  EXPECT_EQ(critical->textFormat(), Qt::PlainText);
  EXPECT_EQ(critical->standardButtons(), QMessageBox::Ok);
  auto exclamation =
      BuildMessageBox(Message{"T", "t", MsgIcon::Exclamation, MsgButtons::YesNo}, nullptr);
  EXPECT_EQ(exclamation->icon(), QMessageBox::Warning);
  EXPECT_EQ(exclamation->escapeButton(), exclamation->button(QMessageBox::No));
}

TEST(BuildMessageBox, AnUntitledBoxShowsTheProgramTitle) {
  auto box = BuildMessageBox(Message{"", "Error n. 2"}, nullptr);
  EXPECT_EQ(box->windowTitle().toStdString(), "VENTORA");
}

TEST(MakeFolderCurrent, MovesToTheFolderOfTheChosenFile) {
  testing::ScratchFolder scratch;
  std::filesystem::create_directory(scratch.path() / "jobs");
  EXPECT_TRUE(MakeFolderCurrent(scratch / "jobs/new-job.in"));  // need not exist
  EXPECT_EQ(std::filesystem::current_path(), scratch.path() / "jobs");
  EXPECT_EQ(CurrentDirectory(), (scratch.path() / "jobs").string());
}

TEST(MakeFolderCurrent, AFolderThatCannotBeEnteredChangesNothing) {
  testing::ScratchFolder scratch;
  EXPECT_FALSE(MakeFolderCurrent(scratch / "missing/job.in"));
  EXPECT_EQ(std::filesystem::current_path(), scratch.path());
}

TEST(TwipsPerPixel, FollowsTheScreenResolution) {
  EXPECT_EQ(TwipsPerPixel(96), 15);
  EXPECT_EQ(TwipsPerPixel(120), 12);
  EXPECT_EQ(TwipsPerPixel(144), 10);
  EXPECT_EQ(TwipsPerPixel(0), 15);  // a screen that reports nothing
}

}  // namespace
}  // namespace ventora
