// The message sink's boxes: what a message asks for is what the box shows,
// with its text plain and Escape giving the safe answer.
#include <gtest/gtest.h>

#include <QMessageBox>

#include "ui/app/qt_message_sink.h"

namespace ventora {
namespace {

TEST(BuildMessageBox, CarriesTitleTextIconAndButtons) {
  struct Row {
    Message message;
    const char* title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;
  };
  const Row rows[] = {
      {{"Warning", "Data are changed! Save?", MsgIcon::None, MsgButtons::YesNoCancel},
       "Warning",
       QMessageBox::NoIcon,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
       QMessageBox::Cancel},
      {{"Error", "<b>x</b>", MsgIcon::Critical},
       "Error",
       QMessageBox::Critical,
       QMessageBox::Ok,
       QMessageBox::Ok},
      {{"T", "t", MsgIcon::Exclamation, MsgButtons::YesNo},
       "T",
       QMessageBox::Warning,
       QMessageBox::Yes | QMessageBox::No,
       QMessageBox::No},
      {{"", "Error n. 2"}, "VENTORA", QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message.text);
    auto box = BuildMessageBox(row.message, nullptr);
    EXPECT_EQ(box->windowTitle().toStdString(), row.title);
    EXPECT_EQ(box->text().toStdString(), row.message.text);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), row.icon);
    EXPECT_EQ(box->standardButtons(), row.buttons);
    if (row.escape != QMessageBox::Ok) {
      EXPECT_EQ(box->escapeButton(), box->button(row.escape));
    }
  }
}

}  // namespace
}  // namespace ventora
