#pragma once
// Keeps one button's enabled state equal to another's, however the other
// one is switched (Cp map follows Output, Sweep… follows Run).

#include <QEvent>
#include <QPushButton>

namespace ventora {

class EnabledMirror : public QObject {
 public:
  EnabledMirror(QPushButton* source, QPushButton* target) : QObject(target), target_(target) {
    source->installEventFilter(this);
    target->setEnabled(source->isEnabled());
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange)
      target_->setEnabled(!static_cast<QWidget*>(watched)->testAttribute(Qt::WA_ForceDisabled));
    return false;
  }

 private:
  QPushButton* target_;
};

}  // namespace ventora
