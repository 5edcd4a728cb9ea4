#pragma once
// The Help button's pop-up menu. Only "About Ventora+" has an action; the
// other entries stand for help pages the program does not have.

#include <QMenu>

namespace ventora {

class HelpMenu : public QMenu {
  Q_OBJECT

 public:
  explicit HelpMenu(QWidget* parent = nullptr);
  QAction* HelpAbout() const { return about_; }

 private:
  QAction* about_ = nullptr;
};

}  // namespace ventora
