#include "ui/app/qt_message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace ventora {
namespace {

QMessageBox::Icon IconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::Exclamation:
      return QMessageBox::Warning;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

MsgAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return MsgAnswer::Yes;
    case QMessageBox::No:
      return MsgAnswer::No;
    case QMessageBox::Cancel:
      return MsgAnswer::Cancel;
    default:
      return MsgAnswer::Ok;
  }
}

}  // namespace

std::unique_ptr<QMessageBox> BuildMessageBox(const Message& message, QWidget* parent) {
  const std::string& title = message.title.empty() ? std::string(kAppTitle) : message.title;
  auto box = std::make_unique<QMessageBox>(IconOf(message.icon), QString::fromStdString(title),
                                           QString::fromStdString(message.text),
                                           ButtonsOf(message.buttons), parent);
  box->setObjectName("MessageBox");
  box->setTextFormat(Qt::PlainText);
  if (message.buttons == MsgButtons::YesNoCancel || message.buttons == MsgButtons::OkCancel)
    box->setEscapeButton(QMessageBox::Cancel);
  else if (message.buttons == MsgButtons::YesNo)
    box->setEscapeButton(QMessageBox::No);
  return box;
}

QWidget* BoxParent(QWidget* fallback) {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return fallback;
}

MsgAnswer QtMessageSink::Show(const Message& message) {
  auto box = BuildMessageBox(message, BoxParent(parent_.data()));
  return AnswerOf(box->exec());
}

}  // namespace ventora
