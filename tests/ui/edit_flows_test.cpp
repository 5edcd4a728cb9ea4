// Editing from the main window as a user does it, through the real dialogs:
// what Cancel, Esc and OK leave in the job and what leaving then asks.
#include <QLineEdit>
#include <QTest>

#include "main_form_fixture.h"
#include "ui/main_window/edit_command.h"

namespace ventora::testing {
namespace {

QLineEdit* Box(QDialog* d, const char* name) {
  auto* box = d->findChild<QLineEdit*>(name);
  EXPECT_NE(box, nullptr) << name;
  return box;
}

void Press(QDialog* d, const char* button) {
  d->findChild<QPushButton*>(button)->click();
}

// Types into a field and leaves it, as Tab would.
void TypeAndLeave(QDialog* d, const char* field, const char* text, const char* next) {
  QLineEdit* box = Box(d, field);
  box->setFocus(Qt::TabFocusReason);
  box->setText(text);
  Box(d, next)->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
}

TEST_F(MainFormTest, CancelEscAndClosingPutTheJobBackAndOkKeepsItForTheSaveQuestion) {
  enum End { kOk, kEnter, kCancel, kEsc, kClose };
  // clang-format off
  struct Row { const char* dialog; End end; bool kept; };
  // clang-format on
  const Row rows[] = {{"EnvBuild", kOk, true},      {"EnvBuild", kEnter, true},
                      {"EnvBuild", kCancel, false}, {"EnvBuild", kEsc, false},
                      {"EnvBuild", kClose, false},  {"EFacade", kCancel, false},
                      {"EFacade", kOk, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.dialog) + " " + std::to_string(row.end));
    MakeForm();
    programEnded = 0;
    ui::ConnectEditing(*form);
    OpenThroughDialog(WriteJob("tower", SmallJob()));
    const bool env = std::string(row.dialog) == "EnvBuild";
    auto edit = [&](QDialog* d) {
      if (env) {
        TypeAndLeave(d, "fBdX", "45", "fBdY");
        Box(d, "fBdY")->setText("7");  // typed, the field not yet left
      } else {
        d->findChild<QPushButton*>("bAutomesh")->click();  // accepts 10 x 10 at once
      }
      if (row.end == kOk) Press(d, env ? "OK" : "EFacadeOK");
      if (row.end == kEnter) QTest::keyClick(Box(d, "fBdY"), Qt::Key_Return);
      if (row.end == kCancel) Press(d, "Cancel");
      if (row.end == kEsc) QTest::keyClick(Box(d, "fBdY"), Qt::Key_Escape);
      if (row.end == kClose) d->close();
    };
    std::deque<ModalStep> steps = {
        {"editWhat", [&](QDialog* d) { Press(d, env ? "envBtn" : "EFacadeBtn"); }},
        {row.dialog, edit},
        {"editWhat", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }}};
    if (!env) steps.insert(steps.begin() + 2, {"AutoMesh", [](QDialog* d) { Press(d, "bOK"); }});
    PlayModalSteps(steps);
    Click("EditBtn");

    const Job& job = form->Document().job;
    EXPECT_EQ(job == SmallJob(), !row.kept);
    if (row.kept && env) {
      EXPECT_EQ(job.BdX, 45);
      EXPECT_EQ(job.BdY, 7);
    }
    if (row.kept && !env) {
      EXPECT_EQ(job.ElmCount[1], 100);
    }
    messages.shown.clear();
    messages.answers = {MsgAnswer::No};
    Click("ExitBtn");
    EXPECT_EQ(messages.Texts(), row.kept ? std::vector<std::string>{"Data are changed! Save?"}
                                         : std::vector<std::string>{});
    EXPECT_EQ(programEnded, 1);
  }
}

}  // namespace
}  // namespace ventora::testing
