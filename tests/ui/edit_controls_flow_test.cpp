// The editing controls users reach by name, driven from the main window: the
// roof type options, facade 6's note, the facade editor's edit box and its
// Copy and Paste buttons.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "main_form_fixture.h"
#include "ui/editing/facade_editor.h"
#include "ui/main_window/edit_command.h"

namespace ventora::testing {
namespace {

template <typename T = QWidget>
T* In(QDialog* d, const char* name) {
  T* w = d->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

class EditControlsFlowTest : public MainFormTest {
 protected:
  // Edit from the main window on the low house (a double slope roof): the
  // chooser's `first` step, the dialogs' `steps`, then the chooser closed.
  void Edit(std::deque<ModalStep> steps) {
    MakeForm();
    ui::ConnectEditing(*form);
    OpenThroughDialog(WriteJob("house", SmallJob()));
    messages.shown.clear();
    steps.push_back({"editWhat", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }});
    PlayModalSteps(std::move(steps));
    Click("EditBtn");
  }
  const Job& EditedJob() { return form->Document().job; }
};

void ClickIn(QDialog* d, const char* name) {
  QTest::mouseClick(In(d, name), Qt::LeftButton);
}

TEST_F(EditControlsFlowTest, TheRoofTypeOptionsSetTheRoof) {
  struct Case {
    std::vector<const char*> clicks;
    std::int16_t islope;
    float phi;  // a flat roof has no tilt
  };
  const Case cases[] = {{{"fslope1"}, 0, 0}, {{"fslope2"}, 1, 30}, {{"fslope2", "fslope3"}, 2, 30}};
  ASSERT_EQ(SmallJob().Islope, 2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clicks.back());
    Edit({{"editWhat", [](QDialog* d) { ClickIn(d, "envBtn"); }},
          {"EnvBuild", [&c](QDialog* d) {
             for (const char* option : c.clicks) {
               In(d, option)->setFocus(Qt::TabFocusReason);
               In<QRadioButton>(d, option)->click();
             }
             EXPECT_TRUE(In<QRadioButton>(d, c.clicks.back())->isChecked());
             // Enter on the option: OK, with the roof type taken.
             QTest::keyClick(In(d, c.clicks.back()), Qt::Key_Return);
           }}});
    EXPECT_EQ(EditedJob().Islope, c.islope);
    EXPECT_EQ(EditedJob().Phi, c.phi);
    EXPECT_TRUE(Button("SweepBtn")->isEnabled());  // the changed job can be run and swept
  }
}

// Facade 6 is the floor: the chooser says so instead of offering a button
// that leads nowhere.
TEST_F(EditControlsFlowTest, FacadeSixIsExplainedAsTheFloor) {
  Edit({{"editWhat", [](QDialog* d) {
           EXPECT_EQ(d->findChild<QWidget*>("Facade6Btn"), nullptr);
           auto* note = In<QLabel>(d, "FloorNote");
           ASSERT_NE(note, nullptr);
           EXPECT_TRUE(note->text().contains("floor"));
           EXPECT_TRUE(note->text().contains("no Cp"));
         }}});
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(EditedJob(), SmallJob());
}

// Types `text` into the edit box for the cell at `row`, `col` and enters it.
void TypeInTemp(ui::FacadeEditor* editor, int row, int col, const char* text) {
  editor->SetCurrentCell(row, col);
  auto* temp = editor->findChild<QLineEdit*>("temp");
  temp->setFocus(Qt::OtherFocusReason);
  temp->selectAll();
  QTest::keyClicks(temp, text);
  QTest::keyClick(temp, Qt::Key_Return);
}

TEST_F(EditControlsFlowTest, TheEditBoxAndCopyAndPasteFillTheFacade) {
  Edit({{"editWhat", [](QDialog* d) { ClickIn(d, "EFacadeBtn"); }},
        {"EFacade", [](QDialog* d) {
           auto* editor = static_cast<ui::FacadeEditor*>(d);
           ClickIn(d, "ClearD");
           TypeInTemp(editor, 1, 1, "2");
           TypeInTemp(editor, 1, 2, "1.5");
           editor->SetCurrentCell(1, 1);
           editor->Grid()->setRangeSelected({0, 0, 0, 1}, true);
           EXPECT_FALSE(In<QPushButton>(d, "bpaste")->isEnabled());  // nothing copied yet
           ClickIn(d, "bcopy");
           editor->SetCurrentCell(2, 1);
           ClickIn(d, "bpaste");
           TypeInTemp(editor, 2, 1, "4");
           ClickIn(d, "EFacadeOK");
         }}});
  const Job& job = EditedJob();
  ASSERT_EQ(job.ElmCount[1], 2);
  EXPECT_EQ(job.ElmX[1][1], 2);
  EXPECT_EQ(job.ElmZ[1][1], 1.5f);
  EXPECT_EQ(job.ElmX[1][2], 4);
  EXPECT_EQ(job.ElmZ[1][2], 1.5f);  // pasted from row 1
}

}  // namespace
}  // namespace ventora::testing
