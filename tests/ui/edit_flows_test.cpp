// Editing from the main window as a user does it, through the real dialogs:
// what Cancel, Esc and OK leave in the job and what leaving then asks.
#include <QLineEdit>
#include <QTableWidget>
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

// Enter confirms and Esc cancels in each dialog of the facade editor's
// family; in the grid Enter walks the cells, Ctrl+Enter confirms, and Esc
// first undoes the typing, then cancels.
TEST_F(MainFormTest, EnterConfirmsAndEscCancelsEveryFacadeDialog) {
  MakeForm();
  ui::ConnectEditing(*form);
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  auto key = [](QDialog* d, const char* name, Qt::Key k, Qt::KeyboardModifiers mods = {}) {
    QWidget* w = d->findChild<QWidget*>(name);
    w->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w, k, mods);
  };
  auto openFacadeOne = [&](QDialog* d) { key(d, "EFacadeBtn", Qt::Key_Return); };
  auto escape = [&](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); };
  bool userMeshLeftNoMesh = false;
  auto meshes = [&](QDialog* d) {
    Press(d, "bumesh");
    const QTableWidget* grid = d->findChild<QTableWidget*>("theGrid");
    userMeshLeftNoMesh = grid->item(0, 0)->text() == "2" && grid->item(6, 0)->text().isEmpty();
    Press(d, "bAutomesh");
    key(d, "theGrid", Qt::Key_Return, Qt::ControlModifier);
  };
  auto automesh = [&](QDialog* d) {
    Box(d, "HorNo")->setText("1");
    key(d, "VerNo", Qt::Key_Return);
  };
  auto autoX = [&](QDialog* d) {
    Box(d, "stvalue")->setText("3");
    key(d, "stvalue", Qt::Key_Return);
  };
  auto typeThenEscTwice = [&](QDialog* d) {
    key(d, "theGrid", Qt::Key_7);
    key(d, "theGrid", Qt::Key_Escape);
    EXPECT_EQ(d->findChild<QTableWidget*>("theGrid")->item(0, 0)->text(), "3");
    key(d, "theGrid", Qt::Key_Escape);
  };
  PlayModalSteps({{"editWhat", openFacadeOne},
                  {"EFacade", meshes},
                  {"UserMesh", [&](QDialog* d) { key(d, "stxvalue", Qt::Key_Escape); }},
                  {"AutoMesh", automesh},
                  {"autoX", autoX},
                  {"editWhat", openFacadeOne},
                  {"EFacade", typeThenEscTwice},
                  {"editWhat", escape}});
  Click("EditBtn");
  const Job& job = form->Document().job;
  ASSERT_EQ(job.ElmCount[1], 10);  // 1 across x 10 up, at the X typed
  EXPECT_EQ(job.ElmX[1][1], 3);
  EXPECT_TRUE(userMeshLeftNoMesh);
  EXPECT_TRUE(form->Document().DataChanged);
}

}  // namespace
}  // namespace ventora::testing
