// Editing from the main window through the real dialogs, driven by keys and
// clicks: what OK, Enter, Cancel, Esc and closing leave in the job.
#include <QLineEdit>
#include <QTableWidget>

#include "main_form_fixture.h"
#include "ui/main_window/edit_command.h"

namespace ventora::testing {
namespace {

class EditFlowTest : public MainFormTest {
 protected:
  // Exit, answering No if asked to save: how many questions were asked.
  std::size_t Exit() {
    programEnded = 0;
    messages.answers = {MsgAnswer::No};
    Click("ExitBtn");
    EXPECT_EQ(programEnded, 1);
    return messages.shown.size();
  }
};

TEST_F(EditFlowTest, OkAndEnterKeepTheEditsCancelEscAndClosingPutTheJobBack) {
  enum End { kOk, kEnter, kCancel, kEsc, kClose };
  for (End end : {kOk, kEnter, kCancel, kEsc, kClose}) {
    SCOPED_TRACE(end);
    EditJob({{"editWhat", [](QDialog* d) { Key(In(d, "envBtn"), Qt::Key_Return); }},
             {"EnvBuild",
              [end](QDialog* d) {
                In<QLineEdit>(d, "fBdX")->setFocus(Qt::TabFocusReason);
                In<QLineEdit>(d, "fBdX")->setText("45");
                In<QLineEdit>(d, "fBdY")->setFocus(Qt::TabFocusReason);  // fBdX accepted
                In<QLineEdit>(d, "fBdY")->setText("7");                  // typed, not left
                if (end == kOk || end == kCancel)
                  In<QPushButton>(d, end ? "Cancel" : "OK")->click();
                if (end == kEnter || end == kEsc)
                  QTest::keyClick(In(d, "fBdY"), end == kEnter ? Qt::Key_Return : Qt::Key_Escape);
                if (end == kClose) d->close();
              }}},
            SmallJob());
    const bool kept = end == kOk || end == kEnter;
    Job expected = SmallJob();
    if (kept) expected.BdX = 45, expected.BdY = 7;
    EXPECT_EQ(form->Document().job, expected);
    EXPECT_EQ(Exit(), kept ? 1u : 0u);  // "Data are changed! Save?"
  }
}

// The facade editor's family: Enter confirms a mesh dialog; in the grid
// Ctrl+Enter confirms, and Esc first undoes the typing, then cancels.
TEST_F(EditFlowTest, EnterConfirmsAndEscCancelsTheFacadeDialogs) {
  const auto type = [](const char* box, const char* text) {
    return [=](QDialog* d) {
      In<QLineEdit>(d, box)->setText(text);
      Key(In(d, box), Qt::Key_Return);
    };
  };
  const auto facadeOne = [](QDialog* d) { Key(In(d, "EFacadeBtn"), Qt::Key_Return); };
  EditJob({{"editWhat", facadeOne},
           {"EFacade",
            [](QDialog* d) {
              In<QPushButton>(d, "bAutomesh")->click();
              Key(In(d, "theGrid"), Qt::Key_Return, Qt::ControlModifier);
            }},
           {"AutoMesh", type("HorNo", "1")},  // one node across: its X is asked for
           {"autoX", type("stvalue", "3")},
           {"editWhat", facadeOne},
           {"EFacade",
            [](QDialog* d) {
              Key(In(d, "theGrid"), Qt::Key_7);
              Key(In(d, "theGrid"), Qt::Key_Escape);
              EXPECT_EQ(In<QTableWidget>(d, "theGrid")->item(0, 0)->text(), "3");
              Key(In(d, "theGrid"), Qt::Key_Escape);
            }}},
          SmallJob());
  const Job& job = form->Document().job;
  ASSERT_EQ(job.ElmCount[1], 10);  // 1 across x 10 up, at the X typed
  EXPECT_EQ(job.ElmX[1][1], 3);
  EXPECT_EQ(Exit(), 1u);
}

// The editing window opens with the focus on Environment each time, and
// its buttons answer their mnemonics.
TEST_F(EditFlowTest, TheEditingWindowStartsAtEnvironmentAndAnswersItsMnemonics) {
  const auto focusFirst = [](QDialog* d) {
    ASSERT_NE(d->focusWidget(), nullptr);
    EXPECT_EQ(d->focusWidget()->objectName(), "envBtn");
  };
  MakeForm();
  ui::ConnectEditing(*form);
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  PlayModalSteps(
      {{"editWhat",
        [&](QDialog* d) {
          focusFirst(d);
          QTest::keyClick(d, Qt::Key_2, Qt::AltModifier);
        }},
       {"EFacade",
        [](QDialog* d) {
          EXPECT_EQ(d->windowTitle(), "Facade no. 2");
          d->reject();
        }},
       {"editWhat", [](QDialog* d) { QTest::keyClick(d, Qt::Key_C, Qt::AltModifier); }}});
  Click("EditBtn");
  PlayModalSteps({{"editWhat", [&](QDialog* d) {
                     focusFirst(d);
                     d->reject();
                   }}});
  Click("EditBtn");
}

}  // namespace
}  // namespace ventora::testing
