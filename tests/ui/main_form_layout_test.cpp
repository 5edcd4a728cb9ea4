// The main window as it first appears: every control with its caption,
// accelerator, tool tip and state, the tab order, and the Help menu.
#include <QAction>
#include <QMenu>

#include "main_form_fixture.h"
#include "ui/main_window/help_menu.h"

namespace ventora::testing {
namespace {

struct ControlRow {
  const char* name;
  const char* caption;
  const char* tip;
  bool enabled;
};

constexpr ControlRow kButtons[] = {
    {"JobBtn", "&Open/New", "Open or Create a new File ", true},
    {"EditBtn", "&Edit", "Edit file data", false},
    {"SaveBtn", "&Save", "Save data", false},
    {"SaveAsBtn", "Save &As", "Save data under another file name", false},
    {"RunBtn", "&Run", "Perform elaboration", false},
    {"VResBtn", "Ou&tput", "Show results", false},
    {"HelpBtn", "&Help", "Help", true},
    {"ExitBtn", "E&xit", "Quit Ventora+", true},
};

TEST_F(MainFormTest, ButtonsStartWithTheirCaptionsTipsAndStates) {
  MakeForm();
  for (const ControlRow& row : kButtons) {
    QPushButton* button = Button(row.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text().toStdString(), row.caption) << row.name;
    EXPECT_EQ(button->toolTip().toStdString(), row.tip) << row.name;
    EXPECT_EQ(button->isEnabled(), row.enabled) << row.name;
  }
}

TEST_F(MainFormTest, StartsWithoutJobAndWithTextOutput) {
  MakeForm();
  EXPECT_EQ(form->windowTitle().toStdString(), "Ventora+ - Wind Pressure on Buildings");
  ASSERT_NE(OutExcel(), nullptr);
  EXPECT_EQ(OutExcel()->text().toStdString(), "Output in MS-Excel format");
  EXPECT_FALSE(OutExcel()->isChecked());
  ASSERT_NE(JobNameLab(), nullptr);
  EXPECT_TRUE(JobNameLab()->text().isEmpty());
  EXPECT_TRUE(form->Document().JobName.empty());
  EXPECT_FALSE(form->Document().DataChanged);
}

TEST_F(MainFormTest, TabOrderFollowsTheButtonsThenTheCheckBox) {
  MakeForm();
  const char* order[] = {"JobBtn",  "EditBtn", "SaveBtn", "SaveAsBtn", "RunBtn",
                         "VResBtn", "HelpBtn", "ExitBtn", "OutExcel"};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget* from = form->findChild<QWidget*>(order[i]);
    ASSERT_NE(from, nullptr);
    EXPECT_EQ(from->nextInFocusChain()->objectName().toStdString(), order[i + 1]) << order[i];
  }
}

TEST_F(MainFormTest, HelpMenuOffersOnlyTheAboutBox) {
  MakeForm();
  auto* menu = form->findChild<HelpMenu*>("HelpMenu");
  ASSERT_NE(menu, nullptr);
  struct Item {
    const char* name;
    const char* caption;
  };
  const Item disabled[] = {
      {"HelpContents", "Contents"},         {"HlepTutorial", "Brief tutorial"},
      {"HelpSearch", "Search Help on..."},  {"HelpHow", "How to use Help"},
      {"helpFAQOH", "FAQs in Online Help"}, {"HelpFAQWEB", "FAQs in Ventora+ WEB site"},
      {"HelpHP", "Ventora+ Home Page"}};
  for (const Item& item : disabled) {
    auto* action = menu->findChild<QAction*>(item.name);
    ASSERT_NE(action, nullptr) << item.name;
    EXPECT_EQ(action->text().toStdString(), item.caption);
    EXPECT_FALSE(action->isEnabled()) << item.name;
  }
  auto* faq = menu->findChild<QMenu*>("HelpFAQ");
  ASSERT_NE(faq, nullptr);
  EXPECT_EQ(faq->title().toStdString(), "Frequently Asked Questions");
  EXPECT_EQ(menu->HelpAbout()->text().toStdString(), "About Ventora+");
  EXPECT_TRUE(menu->HelpAbout()->isEnabled());
  EXPECT_EQ(menu->actions().back(), menu->HelpAbout());
}

TEST_F(MainFormTest, HelpButtonPopsUpTheMenu) {
  MakeForm();
  Click("HelpBtn");
  auto* menu = form->findChild<HelpMenu*>("HelpMenu");
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
}

}  // namespace
}  // namespace ventora::testing
