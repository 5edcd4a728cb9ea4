#include "ui/main_window/help_menu.h"

namespace ventora {
namespace {

QAction* AddItem(QMenu* menu, const char* objectName, const char* caption) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(objectName);
  action->setEnabled(false);
  return action;
}

}  // namespace

HelpMenu::HelpMenu(QWidget* parent) : QMenu(parent) {
  setObjectName("HelpMenu");
  AddItem(this, "HelpContents", "Contents");
  AddItem(this, "HlepTutorial", "Brief tutorial");
  AddItem(this, "HelpSearch", "Search Help on...");
  AddItem(this, "HelpHow", "How to use Help");
  QMenu* faq = addMenu("Frequently Asked Questions");
  faq->setObjectName("HelpFAQ");
  faq->menuAction()->setObjectName("HelpFAQ");
  faq->menuAction()->setEnabled(false);
  AddItem(faq, "helpFAQOH", "FAQs in Online Help");
  AddItem(faq, "HelpFAQWEB", "FAQs in Ventora+ WEB site");
  AddItem(this, "HelpHP", "Ventora+ Home Page");
  addSeparator();
  about_ = AddItem(this, "HelpAbout", "About Ventora+");
  about_->setEnabled(true);
}

}  // namespace ventora
