#pragma once
// The checks before a run, made before a dialog opens: their boxes are kept
// instead of shown, so that the dialog shows the warnings in itself, once,
// and a refusal is shown as Run shows it.

#include <QFrame>
#include <vector>

#include "core/messages.h"

class QLabel;

namespace ventora {

class KeptBoxes : public MessageSink {
 public:
  MsgAnswer Show(const Message& message) override;
  // Every box kept, in order, through `messages`.
  void ShowThrough(MessageSink& messages) const;
  // The boxes as lines in the words of ventora-run ("Warning: ...").
  std::string Lines() const;

  std::vector<Message> boxes;
};

// The warnings beside the warning sign, each as its box says it; hidden
// while there are none.
class WarningsPanel : public QFrame {
 public:
  explicit WarningsPanel(QWidget* parent);
  void Show(const std::vector<Message>& boxes);

 private:
  QLabel* text_ = nullptr;
};

}  // namespace ventora
