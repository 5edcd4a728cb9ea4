#pragma once
// The desktop program's message boxes: every box the program shows is a
// QMessageBox built from a Message (title, text, icon, buttons).

#include <QPointer>
#include <QWidget>
#include <memory>

#include "core/messages.h"

class QMessageBox;

namespace ventora {

// The box for `message`, not yet shown. An empty title becomes the
// program's title; Escape answers Cancel, or No when there is no Cancel.
std::unique_ptr<QMessageBox> BuildMessageBox(const Message& message, QWidget* parent);

class QtMessageSink : public MessageSink {
 public:
  explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
  // Boxes are centred on this window (the main window once it exists).
  void SetParent(QWidget* parent) { parent_ = parent; }
  MsgAnswer Show(const Message& message) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace ventora
