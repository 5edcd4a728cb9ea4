// The facade editor on facade 1 of a 20 x 10 x 10 m block: copy, cut and paste in the
// grid, the rows OK writes into the job, and the meshes that fill the grid.
#include "ui/editing/facade_editor.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>

#include "editing_fixture.h"
#include "job_builders.h"
#include "temp_folder.h"

namespace ventora::ui::testing {
namespace {

using Cells = std::vector<std::tuple<int, int, QString>>;  // row, column, text
using Boxes = std::vector<std::pair<const char*, QString>>;

class FacadeEditorTest : public EditingTest {
 protected:
  void SetUp() override {
    doc.job = ventora::testing::BlockJob(0, 0);  // facade 1: 20 m wide, 10 m high
    Open(1);
  }
  void TearDown() override { editor->hide(); }

  void Open(int facade) {
    doc.CurFacade = static_cast<std::int16_t>(facade);
    editor = &chooser->Editor();
    editor->Activate();
    ShowActive(editor);
    editor->Grid()->setFocus(Qt::OtherFocusReason);
  }
  void CtrlKey(Qt::Key key) { QTest::keyClick(editor->Grid(), key, Qt::ControlModifier); }
  void ExpectCells(const Cells& cells) {
    for (const auto& [r, c, text] : cells)
      EXPECT_EQ(editor->CellText(r, c), text) << r << "," << c;
  }
  // Fills and confirms the mesh dialog behind `button`; cancels it if it stays.
  void Mesh(const char* button, const Boxes& boxes, bool ownCounts = false) {
    OnNextModal([=, this](QDialog* d) {
      for (const auto& [name, text] : boxes)
        Find<QLineEdit>(d, name)->setText(text);
      if (std::string(button) == "bumesh")
        Find<QRadioButton>(d, ownCounts ? "btodef" : "ball")->setChecked(true);
      Click(d, "bOK");
      if (d->isVisible()) Click(d, "bCancel");
    });
    Click(editor, button);
  }

  FacadeEditor* editor = nullptr;
};

TEST_F(FacadeEditorTest, PasteLandsAtTheCurrentCellWithinTheGrid) {
  // clang-format off
  struct Row { bool cut; int top, left, bottom, right; int toRow, toCol; Cells expected; };
  const Row rows[] = {
      {false, 10, 1, 12, 2, 399, 1, {{399, 1, "10"}, {399, 2, "100"}, {400, 2, "110"}}},
      {false, 10, 1, 12, 1, 5, 2, {{5, 2, "10"}, {7, 2, "12"}, {5, 1, ""}, {8, 2, ""}}},
      {false, 10, 1, 11, 2, 20, 2, {{20, 2, "10"}, {21, 2, "11"}, {20, 1, ""}, {22, 2, ""}}},
      {true, 10, 1, 10, 2, 30, 1, {{30, 1, "10"}, {30, 2, "100"}, {10, 1, ""}, {10, 2, ""}}},
  };
  // clang-format on
  for (const Row& row : rows) {
    Click(editor, "ClearD");
    for (int r = 10; r <= 12; ++r) {
      editor->SetCellText(r, 1, QString::number(r));
      editor->SetCellText(r, 2, QString::number(r * 10));
    }
    editor->SetCurrentCell(row.top, row.left);
    editor->Grid()->setRangeSelected({row.top - 1, row.left - 1, row.bottom - 1, row.right - 1},
                                     true);
    if (row.cut) {
      Find<QAction>(editor, "mefCut")->trigger();
    } else {
      CtrlKey(Qt::Key_C);
    }
    editor->SetCurrentCell(row.toRow, row.toCol);
    CtrlKey(Qt::Key_V);
    ExpectCells(row.expected);
  }
}

TEST_F(FacadeEditorTest, OkKeepsCompleteRowsInOrderAndCancelKeepsTheJob) {
  // clang-format off
  const Cells typed = {{1, 1, "1"}, {1, 2, "2"}, {3, 1, "3,5"}, {3, 2, "4"},
                       {5, 1, "5"}, {5, 2, "abc"}, {6, 2, "7"}};  // rows 5 and 6 incomplete
  // clang-format on
  for (const char* close : {"Cancel", "EFacadeOK"}) {
    Open(1);
    for (const auto& [r, c, text] : typed)
      editor->SetCellText(r, c, text);
    Click(editor, close);
    EXPECT_EQ(doc.DataChanged, close[0] == 'E');
    EXPECT_EQ(doc.job.ElmCount[1], close[0] == 'E' ? 2 : 0);
  }
  EXPECT_EQ(doc.job.ElmX[1][2], 3.5f);
  EXPECT_EQ(doc.job.ElmZ[1][2], 4);
}

// Each mesh fills the grid from row 1, or is refused with the grid untouched.
TEST_F(FacadeEditorTest, MeshesFillTheGridFromTheFirstRow) {
  // clang-format off
  struct Row { const char* button; Boxes boxes; bool ownCounts; const char* refusal; Cells expected; };
  const Boxes user = {{"stxvalue", "1"}, {"stzvalue", "1"}, {"stdeltax", "4"}, {"stdeltaz", "3"}};
  const Cells none = {{1, 1, ""}};
  const Row rows[] = {
      {"bAutomesh", {{"HorNo", "25"}, {"VerNo", "20"}}, false, "Number of nodes NH × NV 500 is outside the accepted range NH × NV ≤ 400.", none},
      {"bAutomesh", {{"HorNo", "4"}, {"VerNo", "2"}}, false, "",
       {{1, 1, "2.5"}, {1, 2, "2.5"}, {4, 1, "17.5"}, {5, 2, "7.5"}, {8, 1, "17.5"}, {9, 1, ""}}},
      {"bAutomesh", {{"HorNo", "20"}, {"VerNo", "20"}}, false, "", {{400, 1, "19.5"}, {400, 2, "9.75"}}},
      {"bumesh", {{"stxvalue", "20"}, {"stzvalue", "1"}, {"stdeltax", "2"}, {"stdeltaz", "3"}}, false,
       "x coordinate X0 20 m is outside the accepted range 0 ≤ X0 < 20.", none},
      {"bumesh", user, false, "", {{1, 1, "1"}, {5, 1, "17"}, {6, 2, "4"}, {15, 2, "7"}, {16, 1, ""}}},
      {"bumesh", {{"HorNo", "2"}, {"VerNo", "2"}}, true, "", {{1, 1, "1"}, {2, 1, "5"}, {3, 2, "4"}, {5, 1, ""}}},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.button + std::to_string(&row - rows));
    Click(editor, "ClearD");
    messages.shown.clear();
    Mesh(row.button, row.boxes, row.ownCounts);
    EXPECT_EQ(LastText(), row.refusal);
    ExpectCells(row.expected);
  }
  Click(editor, "EFacadeOK");  // the mesh goes into the job
  EXPECT_EQ(doc.job.ElmCount[1], 4);
  EXPECT_EQ(doc.job.ElmX[1][4], 5);
}

// The grid grows with the window, which opens again at the size it was left.
TEST_F(FacadeEditorTest, TheGridGrowsWithTheWindowWhoseSizeIsRemembered) {
  ventora::testing::TempFolder folder{"size"};
  const std::string ini = (folder.path() / "ventora.ini").string();
  editor->RememberSizeIn(ini);
  const QSize grid = editor->Grid()->size();
  editor->resize(editor->size() + QSize(200, 150));
  QApplication::processEvents();
  EXPECT_EQ(editor->Grid()->size(), grid + QSize(200, 150));
  Click(editor, "Cancel");
  EditChooser later(doc, numbers, messages, nullptr);
  later.Editor().RememberSizeIn(ini);
  later.Editor().TakeInitialSize();
  EXPECT_EQ(later.Editor().size(), editor->size());
}

// The editor says how large the facade is and marks a coordinate beyond it
// as it is typed (the check before a run still refuses the element).
TEST_F(FacadeEditorTest, ShowsTheFacadesSizeAndMarksCoordinatesOutsideItAsTyped) {
  // clang-format off
  struct Row { int facade; const char* size; int col; const char* typed; bool outside; };
  const Row rows[] = {
      {1, "Facade 1: length L 20 m, height H 10 m.", 1, "25", true},
      {1, "Facade 1: length L 20 m, height H 10 m.", 1, "20", false},
      {1, "Facade 1: length L 20 m, height H 10 m.", 1, "-1", true},
      {1, "Facade 1: length L 20 m, height H 10 m.", 2, "10.5", true},
      {2, "Facade 2: length L 10 m, height H 10 m.", 1, "15", true},
      {5, "Roof: length BdX 20 m, width BdY 10 m.", 2, "10", false},
      {5, "Roof: length BdX 20 m, width BdY 10 m.", 2, "11", true},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.size) + " " + row.typed);
    Open(row.facade);
    Click(editor, "ClearD");
    EXPECT_TRUE(Find<QLabel>(editor, "FacadeSize")->text().startsWith(row.size));
    editor->SetCurrentCell(3, row.col);
    QTest::keyClicks(editor->Grid(), row.typed);
    EXPECT_EQ(editor->CellText(3, row.col), row.typed);
    QTableWidgetItem* item = editor->Grid()->item(2, row.col - 1);
    EXPECT_EQ(item->data(FacadeEditor::kOutsideRole).toBool(), row.outside);
    EXPECT_EQ(item->toolTip().isEmpty(), !row.outside);
  }
}

// Delete empties the cell (or every selected cell) instead of dropping a
// character; a typed point still goes into the cell.
TEST_F(FacadeEditorTest, DeleteClearsTheCellAndAPointIsTyped) {
  Click(editor, "ClearD");
  editor->SetCellText(1, 1, "16.67");
  editor->SetCellText(1, 2, "3");
  editor->SetCellText(2, 1, "4");
  editor->SetCurrentCell(1, 1);
  QTest::keyClick(editor->Grid(), Qt::Key_Delete);
  ExpectCells({{1, 1, ""}, {1, 2, "3"}, {2, 1, "4"}});
  editor->SetCurrentCell(1, 2);
  editor->Grid()->setRangeSelected({0, 0, 1, 1}, true);
  QTest::keyClick(editor->Grid(), Qt::Key_Delete);
  ExpectCells({{1, 2, ""}, {2, 1, ""}});
  editor->SetCurrentCell(3, 1);
  QTest::keyClicks(editor->Grid(), "1.5");
  ExpectCells({{3, 1, "1.5"}});
}

// The edit box beside the grid types into the current cell; Copy and Paste
// are buttons too, Paste enabled once something is copied.
TEST_F(FacadeEditorTest, TheEditBoxAndTheCopyAndPasteButtonsFillTheGrid) {
  const auto type = [this](int row, int col, const char* text) {
    editor->SetCurrentCell(row, col);
    auto* temp = Find<QLineEdit>(editor, "temp");
    temp->setFocus(Qt::OtherFocusReason);
    temp->selectAll();
    QTest::keyClicks(temp, text);
    QTest::keyClick(temp, Qt::Key_Return);
  };
  Click(editor, "ClearD");
  type(1, 1, "2");
  type(1, 2, "1.5");
  editor->SetCurrentCell(1, 1);
  editor->Grid()->setRangeSelected({0, 0, 0, 1}, true);
  EXPECT_FALSE(Find<QPushButton>(editor, "bpaste")->isEnabled());
  Click(editor, "bcopy");
  editor->SetCurrentCell(2, 1);
  Click(editor, "bpaste");
  type(2, 1, "4");
  Click(editor, "EFacadeOK");
  ASSERT_EQ(doc.job.ElmCount[1], 2);
  EXPECT_TRUE(doc.job.ElmX[1][1] == 2 && doc.job.ElmZ[1][1] == 1.5f);
  EXPECT_TRUE(doc.job.ElmX[1][2] == 4 && doc.job.ElmZ[1][2] == 1.5f);  // Z pasted from row 1
}

// After "abc is not a valid number" the refused cell has the focus back
// with its old value, which the next keys replace; Enter goes on to Z.
TEST_F(FacadeEditorTest, ARefusedCellIsTypedIntoAgain) {
  ventora::testing::AddElement(doc.job, 1, 3, 2);
  Open(1);
  QTableWidget* grid = editor->Grid();
  grid->setCurrentCell(0, 0);
  for (Qt::Key k : {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_Return})
    QTest::keyClick(grid, k);
  EXPECT_TRUE(LastText().ends_with("abc is not a valid number")) << LastText();
  EXPECT_TRUE(grid->currentRow() == 0 && grid->currentColumn() == 0 && grid->hasFocus());
  EXPECT_EQ(editor->CellText(1, 1), "3");
  for (Qt::Key k : {Qt::Key_Delete, Qt::Key_5, Qt::Key_0, Qt::Key_Return})
    QTest::keyClick(grid, k);
  EXPECT_EQ(editor->CellText(1, 1), "50");
  EXPECT_EQ(grid->currentColumn(), 1);
}

}  // namespace
}  // namespace ventora::ui::testing
