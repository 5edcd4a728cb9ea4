// The message sink's boxes: what a message asks for is what the box shows,
// and Escape giving the safe answer.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTest>

#include "main_form_fixture.h"
#include "ui/app/qt_message_sink.h"

namespace ventora {
namespace {

TEST(BuildMessageBox, CarriesTitleTextIconAndButtons) {
  using B = QMessageBox;
  const std::tuple<Message, const char*, B::Icon, B::StandardButtons, B::StandardButton> rows[] = {
      {{"Warning", "Data are changed! Save?", MsgIcon::None, MsgButtons::YesNoCancel},
       "Warning",
       B::NoIcon,
       B::Yes | B::No | B::Cancel,
       B::Cancel},
      {{"Error", "<b>x</b>", MsgIcon::Critical}, "Error", B::Critical, B::Ok, B::NoButton},
      {{"", "Error n. 2"}, "Ventora", B::NoIcon, B::Ok, B::NoButton},
  };
  for (const auto& [message, title, icon, buttons, escape] : rows) {
    auto box = BuildMessageBox(message, nullptr);
    EXPECT_EQ(box->windowTitle().toStdString(), title);
    EXPECT_EQ(box->text().toStdString(), message.text);
    EXPECT_EQ(box->icon(), icon);
    EXPECT_EQ(box->standardButtons(), buttons);
    EXPECT_EQ(box->escapeButton(), box->button(escape)) << message.text;
  }
}

// A box raised from a dialog opens over that dialog, not over the main
// window, and Enter answers it.
TEST(QtMessageSink, ABoxOpensOverTheDialogThatRaisedItAndEnterAnswersIt) {
  QWidget main;
  QDialog dialog(&main);
  dialog.setObjectName("raiser");
  QtMessageSink sink(&main);
  QWidget* boxParent = nullptr;
  MsgAnswer answer = MsgAnswer::Cancel;
  testing::PlayModalSteps(
      {{"raiser",
        [&](QDialog* d) {
          answer = sink.Show(Message{"Error", "x", MsgIcon::None, MsgButtons::OkCancel});
          d->accept();
        }},
       {"MessageBox", [&](QDialog* box) {
          boxParent = box->parentWidget();
          QTest::keyClick(box, Qt::Key_Return);
        }}});
  dialog.exec();
  EXPECT_EQ(boxParent, &dialog);
  EXPECT_EQ(answer, MsgAnswer::Ok);
}

}  // namespace
}  // namespace ventora
