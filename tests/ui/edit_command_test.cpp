#include "ui/main_window/edit_command.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "main_form_fixture.h"
#include "ui/editing/edit_chooser.h"
#include "ui/editing/facade_editor.h"
#include "ui/pictures/help_slate.h"

namespace ventora::testing {
namespace {

// Runs `act` on the modal dialog that the next event loop shows.
void OnNextModal(std::function<void(QDialog*)> act) {
  QTimer::singleShot(0, [act] {
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(modal, nullptr);
    act(modal);
  });
}

void ClickIn(QWidget* parent, const char* name) {
  auto* b = parent->findChild<QPushButton*>(name);
  ASSERT_NE(b, nullptr) << name;
  b->click();
}

TEST_F(MainFormTest, EditOpensTheChooserBelowTheWindowAndItsChangesEnableSaveAndRun) {
  MakeForm();
  ui::ConnectEditing(*form);
  form->show();
  OpenThroughDialog(scratch / "fresh");
  form->Document().job.BdX = 12;
  form->Document().job.Bdz = 6;
  EXPECT_FALSE(Button("SaveBtn")->isEnabled());

  bool sawChooser = false;
  OnNextModal([&](QDialog* chooser) {
    sawChooser = true;
    EXPECT_EQ(chooser->objectName(), "editWhat");
    EXPECT_EQ(chooser->frameGeometry().left(), 0);
    EXPECT_GT(chooser->frameGeometry().top(), form->frameGeometry().bottom());
    auto* slate = form->findChild<ui::HelpSlate*>("HSlate");
    ASSERT_NE(slate, nullptr);
    EXPECT_TRUE(slate->isVisible());
    EXPECT_TRUE(slate->IsPictureVisible(ui::HelpPicture::FacadeNo));
    EXPECT_EQ(slate->windowTitle(), "Visual Help for Input Data");
    OnNextModal([](QDialog* editor) {
      auto* e = qobject_cast<ui::FacadeEditor*>(editor);
      ASSERT_NE(e, nullptr);
      e->SetCellText(1, 1, "3");
      e->SetCellText(1, 2, "2");
      ClickIn(e, "EFacadeOK");
    });
    ClickIn(chooser, "EFacadeBtn");
    ClickIn(chooser, "eCloseBtn");
  });
  Click("EditBtn");

  EXPECT_TRUE(sawChooser);
  EXPECT_EQ(form->Document().job.ElmCount[1], 1);
  EXPECT_EQ(form->Document().job.ElmX[1][1], 3);
  EXPECT_TRUE(Button("SaveBtn")->isEnabled());
  EXPECT_TRUE(Button("RunBtn")->isEnabled());
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace ventora::testing
