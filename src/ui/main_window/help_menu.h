#pragma once
// The Help button's pop-up menu: the user guide's contents, its first-job
// walk-through, its search and how to use it, and "About Ventora".

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
