// Undo and redo from the main window and the editing windows, driven by
// keys and clicks through the real dialogs: each change is a step named as
// the user made it, the unsaved-changes mark and the results' stale mark
// follow the history, and Open/New starts a new one.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

#include "main_form_fixture.h"
#include "ui/main_window/edit_command.h"

namespace ventora::testing {
namespace {

void TypeInto(QDialog* d, const char* field, const char* text) {
  auto* box = In<QLineEdit>(d, field);
  box->setFocus(Qt::TabFocusReason);
  box->selectAll();
  QTest::keyClicks(box, text);
}

class UndoTest : public MainFormTest {
 protected:
  void Edit(std::deque<ModalStep> steps) {
    steps.push_back({"editWhat", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }});
    PlayModalSteps(std::move(steps));
    Click("EditBtn");
  }
  void Open() {
    MakeForm();
    ui::ConnectEditing(*form);
    OpenThroughDialog(WriteJob("house", SmallJob()));
  }
  QString UndoText() const { return form->UndoAction()->text(); }
  // A key pressed in the main window, in front as after the editing window closed.
  void Press(Qt::Key k, Qt::KeyboardModifiers mods) {
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), k, mods);
  }
  bool Stale() const { return !form->findChild<QLabel*>("StaleLab")->isHidden(); }
};

TEST_F(UndoTest, EachFieldIsAStepNamedInTheEditMenuAndUndoingAllLeavesTheJobAsSaved) {
  Open();
  Click("RunBtn");
  Edit({{"editWhat", [](QDialog* d) { Key(In(d, "envBtn"), Qt::Key_Return); }},
        {"EnvBuild", [](QDialog* d) {
           TypeInto(d, "fAzB", "35");
           TypeInto(d, "fBdX", "45");
           In(d, "fBdY")->setFocus(Qt::TabFocusReason);  // BdX taken as it is left
           In<QRadioButton>(d, "fslope1")->click();      // flat: the tilt goes to 0
           Key(In(d, "fBdY"), Qt::Key_Return);
         }}});
  const Job saved = SmallJob();
  ASSERT_EQ(form->History().count(), 3);
  EXPECT_TRUE(form->windowTitle().startsWith("house[*] - Ventora"));
  EXPECT_TRUE(form->isWindowModified() && Stale());
  // clang-format off
  const struct { const char* undo; float Job::*value; float before; } steps[] = {
      {"&Undo Roof type double slope \u2192 flat, Roof tilt Phi 30 \u2192 0", &Job::Phi, 30},
      {"&Undo Building length BdX 12 \u2192 45", &Job::BdX, 12},
      {"&Undo Building azimuth AzB 0 \u2192 35", &Job::AzB, 0},
  };
  // clang-format on
  for (const auto& step : steps) {
    EXPECT_EQ(UndoText(), QString::fromUtf8(step.undo));
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->Document().job.*step.value, step.before);
  }
  EXPECT_EQ(form->Document().job, saved);
  EXPECT_FALSE(form->isWindowModified() || Stale() || form->UndoAction()->isEnabled());

  Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  Press(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(form->Document().job.AzB, 35);
  EXPECT_EQ(form->Document().job.BdX, 45);
  EXPECT_EQ(form->Document().job.Islope, saved.Islope);
  EXPECT_TRUE(form->isWindowModified() && Stale());

  Click("SaveBtn");  // the saved job is the new clean point
  EXPECT_FALSE(form->isWindowModified());
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(form->isWindowModified());
  messages.answers = {MsgAnswer::No};  // "Data are changed! Save?"
  OpenThroughDialog(scratch / "house.in");
  EXPECT_EQ(form->History().count(), 0);
  EXPECT_FALSE(form->UndoAction()->isEnabled() || form->isWindowModified());
}

// In the facade editor each edit of the grid is a step that Ctrl+Z undoes
// there; OK hands them to the job's history, where each is undone alone.
TEST_F(UndoTest, TheFacadeEditorsEditsAreStepsThereAndAfterOk) {
  Open();
  Edit({{"editWhat", [](QDialog* d) { Key(In(d, "Facade2Btn"), Qt::Key_Return); }},
        {"EFacade",
         [](QDialog* d) {
           In<QPushButton>(d, "bAutomesh")->click();
           auto* grid = In<QTableWidget>(d, "theGrid");
           grid->setCurrentCell(0, 0);
           Key(grid, Qt::Key_Delete);
           Key(grid, Qt::Key_5);
           Key(grid, Qt::Key_Return);  // row 1 X: 2 -> 5
           In<QPushButton>(d, "ClearD")->click();
           QApplication::setActiveWindow(d);  // back from the mesh dialog: shortcuts work here
           Key(grid, Qt::Key_Z, Qt::ControlModifier);  // the grid comes back
           EXPECT_EQ(grid->item(0, 0)->text(), "5");
           Key(grid, Qt::Key_Return, Qt::ControlModifier);
         }},
        {"AutoMesh", [](QDialog* d) {
           In<QLineEdit>(d, "HorNo")->setText("3");
           In<QLineEdit>(d, "VerNo")->setText("2");
           Key(In(d, "VerNo"), Qt::Key_Return);
         }}});
  const Job& doc = form->Document().job;
  ASSERT_EQ(form->History().count(), 3);
  EXPECT_EQ(doc.ElmCount[2], 6);
  EXPECT_EQ(doc.ElmX[2][1], 5);
  const std::pair<const char*, int> steps[] = {
      // the Edit menu's item, the elements after it
      {"&Undo Facade no. 2, row 1 X empty \u2192 5", 5},  // row 1 no longer an element
      {"&Undo Facade no. 2: delete", 6},
      {"&Undo Facade no. 2: automatic mesh", SmallJob().ElmCount[2]}};
  for (const auto& [text, count] : steps) {
    EXPECT_EQ(UndoText(), QString::fromUtf8(text));
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc.ElmCount[2], count);
  }
  EXPECT_EQ(doc, SmallJob());
  EXPECT_FALSE(form->isWindowModified());
}

}  // namespace
}  // namespace ventora::testing
