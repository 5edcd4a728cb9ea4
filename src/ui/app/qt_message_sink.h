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

// The window a box opens over and is modal to: the dialog that raised it
// (the active modal dialog, else the active window), else `fallback`.
QWidget* BoxParent(QWidget* fallback);

class QtMessageSink : public MessageSink {
 public:
  explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
  // Boxes raised with no window active open over this one (the main window).
  void SetParent(QWidget* parent) { parent_ = parent; }
  MsgAnswer Show(const Message& message) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace ventora
