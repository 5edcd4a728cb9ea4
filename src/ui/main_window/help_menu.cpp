#include "ui/main_window/help_menu.h"

#include "ui/help/guide_help.h"
#include "ui/help/help_window.h"

namespace ventora {
namespace {

QAction* AddItem(QMenu* menu, const char* objectName, const char* caption) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(objectName);
  return action;
}

// An item that opens the guide at `target`; `search` also puts the cursor
// in the guide's search field.
void AddGuideItem(QMenu* menu, const char* objectName, const char* caption, const char* target,
                  bool search = false) {
  QAction* action = AddItem(menu, objectName, caption);
  const QString section(target);
  QObject::connect(action, &QAction::triggered, menu, [menu, section, search] {
    help::HelpWindow* window = help::OpenGuide(menu->parentWidget(), section);
    if (search) window->FocusSearch();
  });
}

}  // namespace

// The web pages and on-line questions the menu once named do not exist:
// their items are gone rather than left disabled.
HelpMenu::HelpMenu(QWidget* parent) : QMenu(parent) {
  setObjectName("HelpMenu");
  AddGuideItem(this, "HelpContents", "Contents", "index.md");
  AddGuideItem(this, "HlepTutorial", "Brief tutorial", "editing.md#a-first-job");
  AddGuideItem(this, "HelpSearch", "Search Help on...", "index.md", true);
  AddGuideItem(this, "HelpHow", "How to use Help", "index.md#using-the-help-window");
  addSeparator();
  about_ = AddItem(this, "HelpAbout", "About Ventora");
}

}  // namespace ventora
