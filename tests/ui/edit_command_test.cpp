// Edit from the main window: the chooser and a facade editor change the job,
// and closing the chooser enables Save and Run.
#include "ui/main_window/edit_command.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "main_form_fixture.h"
#include "ui/editing/facade_editor.h"

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

TEST_F(MainFormTest, EditChangesTheJobAndEnablesSaveAndRun) {
  MakeForm();
  ui::ConnectEditing(*form);
  OpenThroughDialog(scratch / "fresh");
  form->Document().job.BdX = 12;
  form->Document().job.Bdz = 6;
  EXPECT_FALSE(Button("SaveBtn")->isEnabled());
  OnNextModal([](QDialog* chooser) {
    OnNextModal([](QDialog* editor) {
      auto* e = qobject_cast<ui::FacadeEditor*>(editor);
      ASSERT_NE(e, nullptr);
      e->SetCellText(1, 1, "3");
      e->SetCellText(1, 2, "2");
      e->findChild<QPushButton*>("EFacadeOK")->click();
    });
    chooser->findChild<QPushButton*>("EFacadeBtn")->click();
    chooser->findChild<QPushButton*>("eCloseBtn")->click();
  });
  Click("EditBtn");
  EXPECT_EQ(form->Document().job.ElmCount[1], 1);
  EXPECT_EQ(form->Document().job.ElmX[1][1], 3);
  EXPECT_TRUE(Button("SaveBtn")->isEnabled());
  EXPECT_TRUE(Button("RunBtn")->isEnabled());
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace ventora::testing
