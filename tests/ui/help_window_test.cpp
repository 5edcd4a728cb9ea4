// The user guide one click away: the Help menu, every dialog's Help button
// and F1 on a field open the help window at their own section.
#include <QAction>
#include <QTextBlock>
#include <QTextBrowser>

#include "editing_fixture.h"
#include "job_builders.h"
#include "ui/editing/env_build_dialog.h"
#include "ui/editing/facade_editor.h"
#include "ui/help/guide_help.h"
#include "ui/help/help_window.h"
#include "ui/main_window/help_menu.h"

namespace ventora::ui::testing {
namespace {

// The guide shows `target`, and a heading named by its "#..." is in sight.
void ExpectGuideAt(const QString& target) {
  help::HelpWindow* window = help::GuideWindow();
  ASSERT_NE(window, nullptr) << target.toStdString();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->Shown().toStdString(), target.toStdString());
  const auto* browser = window->findChild<QTextBrowser*>("HelpBrowser");
  const QString anchor = target.section('#', 1);
  if (anchor.isEmpty()) return;
  for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next()) {
    if (b.begin().atEnd() || !b.begin().fragment().charFormat().anchorNames().contains(anchor))
      continue;
    const int top = browser->cursorRect(QTextCursor(b)).top();
    EXPECT_GE(top, 0) << target.toStdString();
    EXPECT_LT(top, browser->viewport()->height()) << target.toStdString();
    return;
  }
  ADD_FAILURE() << "no heading " << anchor.toStdString();
}

using HelpTest = EditingTest;

TEST_F(HelpTest, TheHelpMenuOpensTheGuide) {
  QWidget mainWindow;
  HelpMenu menu(&mainWindow);
  const std::pair<const char*, const char*> items[] = {
      {"HelpContents", "index.md"},
      {"HlepTutorial", "editing.md#a-first-job"},
      {"HelpHow", "index.md#using-the-help-window"},
      {"HelpSearch", "index.md"}};
  for (const auto& [item, target] : items) {
    menu.findChild<QAction*>(item)->trigger();
    ExpectGuideAt(target);
  }
  EXPECT_EQ(menu.actions().size(), 6);  // four guide items, a separator, About
  help::HelpWindow* guide = help::GuideWindow();
  EXPECT_TRUE(guide->Find("Plan area density"));
  EXPECT_FALSE(guide->Find("no page holds this"));
}

TEST_F(HelpTest, EveryDialogsHelpButtonOpensItsSection) {
  doc.job = ventora::testing::BlockJob(0, 0);
  doc.CurFacade = 1;
  Click(chooser.get(), "Help");
  ExpectGuideAt("editing.md#the-editing-window");
  OnNextModal([](QDialog* d) {
    Click(d, "Command1");
    ExpectGuideAt("editing.md#environment-and-building");
    d->reject();
  });
  chooser->Environment().Open();

  FacadeEditor* editor = &chooser->Editor();
  editor->Activate();
  ShowActive(editor);
  Click(editor, "Command1");
  ExpectGuideAt("editing.md#facade-editor");
  for (const auto& [button, target] : {std::pair{"bAutomesh", "editing.md#automatic-mesh"},
                                       std::pair{"bumesh", "editing.md#user-defined-mesh"}}) {
    OnNextModal([target = QString(target)](QDialog* d) {
      Click(d, "Help");
      ExpectGuideAt(target);
      EXPECT_EQ(help::GuideWindow()->parentWidget(), d);  // not blocked by the dialog
      d->reject();
    });
    Click(editor, button);
  }
  editor->hide();
}

TEST_F(HelpTest, F1OpensTheFocusedFieldsParameter) {
  OnNextModal([this](QDialog* d) {
    ShowActive(d);
    FocusTo(Find<QLineEdit>(d, "fPAD"));
    QTest::keyClick(d->focusWidget(), Qt::Key_F1);
    ExpectGuideAt("parameters.md#plan-area-density-pad");
    d->reject();
  });
  chooser->Environment().Open();
}

}  // namespace
}  // namespace ventora::ui::testing
