#pragma once
// The small window shown while a run is under way. It has no commands.

#include <QDialog>

namespace ventora {

class Working : public QDialog {
  Q_OBJECT

 public:
  explicit Working(QWidget* parent = nullptr);
  // Shows the window and paints it at once: the run that follows keeps the
  // event loop busy until it ends.
  void ShowNow();
};

}  // namespace ventora
