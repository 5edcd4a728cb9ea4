#include "ui/editing/facade_editor.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QMenu>
#include <QTableWidget>

#include "facade_editor_fixture.h"

namespace ventora::ui::testing {
namespace {

class FacadeEditorTest : public FacadeEditorFixture {
 protected:
  void Open(int facade) override {
    FacadeEditorFixture::Open(facade);
    grid = editor->Grid();
    grid->setFocus(Qt::OtherFocusReason);
  }

  void Type(const QString& keys) { QTest::keyClicks(grid, keys); }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(grid, key, mods);
  }
  void Select(int top, int left, int bottom, int right) {
    editor->SetCurrentCell(top, left);
    grid->setRangeSelected(QTableWidgetSelectionRange(top - 1, left - 1, bottom - 1, right - 1),
                           true);
  }
  QPushButton* Button(const char* name) { return Find<QPushButton>(editor, name); }
  QAction* MenuItem(const char* name) { return Find<QAction>(editor, name); }

  QTableWidget* grid = nullptr;
};

TEST_F(FacadeEditorTest, GridHasNumberedRowsAndCoordinateHeads) {
  ASSERT_EQ(grid->rowCount(), 400);
  ASSERT_EQ(grid->columnCount(), 2);
  EXPECT_EQ(grid->verticalHeaderItem(0)->text(), "1");
  EXPECT_EQ(grid->verticalHeaderItem(399)->text(), "400");
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "X [m]");
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Z [m]");
  editor->hide();
  Open(5);
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Y [m]");
  editor->hide();
  Open(2);
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Z [m]");
}

TEST_F(FacadeEditorTest, OpeningLoadsTheFacadeElements) {
  editor->hide();
  doc.job.ElmCount[3] = 2;
  doc.job.ElmX[3][1] = 1.5f;
  doc.job.ElmZ[3][1] = 2;
  doc.job.ElmX[3][2] = 0.25f;
  doc.job.ElmZ[3][2] = 9;
  Open(3);
  EXPECT_EQ(Cell(1, 1), "1.5");
  EXPECT_EQ(Cell(1, 2), "2");
  EXPECT_EQ(Cell(2, 1), "0.25");
  EXPECT_EQ(Cell(3, 1), "");
  EXPECT_EQ(editor->CurrentRow(), 1);
  EXPECT_EQ(editor->CurrentCol(), 1);
}

TEST_F(FacadeEditorTest, TypingBackspaceAndEscEditTheCellDirectly) {
  Type("12");
  EXPECT_EQ(Cell(1, 1), "12");
  EXPECT_EQ(Find<QLineEdit>(editor, "temp")->text(), "12");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Cell(1, 1), "1");
  Key(Qt::Key_Escape);
  EXPECT_EQ(Cell(1, 1), "");
  Type("7");
  EXPECT_EQ(Cell(1, 1), "7");
  Key(Qt::Key_Period);
  Type("5");
  EXPECT_EQ(Cell(1, 1), "7.5");
  Key(Qt::Key_Delete);  // not a period key: drops the last character
  EXPECT_EQ(Cell(1, 1), "7.");
}

TEST_F(FacadeEditorTest, EnterWalksXThenZThenTheNextRowUpToRow399) {
  Key(Qt::Key_Return);
  EXPECT_EQ(editor->CurrentCol(), 2);
  Key(Qt::Key_Return);
  EXPECT_EQ(editor->CurrentRow(), 2);
  EXPECT_EQ(editor->CurrentCol(), 1);

  editor->SetCurrentCell(398, 2);
  Key(Qt::Key_Return);
  EXPECT_EQ(editor->CurrentRow(), 399);
  EXPECT_EQ(editor->CurrentCol(), 1);
  Key(Qt::Key_Return);
  Key(Qt::Key_Return);
  EXPECT_EQ(editor->CurrentRow(), 399);
  EXPECT_EQ(editor->CurrentCol(), 2);
  editor->SetCurrentCell(400, 1);
  Key(Qt::Key_Return);
  Key(Qt::Key_Return);
  EXPECT_EQ(editor->CurrentRow(), 400);
  EXPECT_EQ(editor->CurrentCol(), 2);
}

TEST_F(FacadeEditorTest, EnterScrollsOnceTheRowIsFifteenBelowTheTop) {
  for (int i = 0; i < 2 * 14; ++i)
    Key(Qt::Key_Return);
  EXPECT_EQ(editor->CurrentRow(), 15);
  EXPECT_EQ(grid->rowAt(0), 0);  // row 15 is 14 rows below the top row
  Key(Qt::Key_Return);
  Key(Qt::Key_Return);
  EXPECT_EQ(editor->CurrentRow(), 16);
  EXPECT_EQ(grid->rowAt(0), 1);  // scrolled by one although row 16 is in view
}

TEST_F(FacadeEditorTest, LeavingACellConvertsItsText) {
  Type("2,50");
  Key(Qt::Key_Return);
  EXPECT_EQ(Cell(1, 1), "2.5");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FacadeEditorTest, ABadCellIsReportedAndTheUserBroughtBackToIt) {
  editor->SetCurrentCell(3, 1);
  Type("abc");
  Key(Qt::Key_Return);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error!");
  EXPECT_EQ(messages.shown[0].text, "abc is not a valid number");
  EXPECT_EQ(editor->CurrentRow(), 3);
  EXPECT_EQ(editor->CurrentCol(), 1);
  auto* temp = Find<QLineEdit>(editor, "temp");
  EXPECT_EQ(temp->text(), "abc");
  EXPECT_EQ(QApplication::focusWidget(), temp);
  EXPECT_EQ(Cell(3, 1), "abc");

  // Corrected in the edit box, written back with Enter.
  temp->setText("4");
  QTest::keyClick(temp, Qt::Key_Return);
  EXPECT_EQ(Cell(3, 1), "4");
  EXPECT_EQ(QApplication::focusWidget(), grid);
}

TEST_F(FacadeEditorTest, F2AndEscInTheEditBox) {
  editor->SetCellText(2, 2, "8");
  editor->SetCurrentCell(2, 2);
  Key(Qt::Key_F2);
  auto* temp = Find<QLineEdit>(editor, "temp");
  EXPECT_EQ(QApplication::focusWidget(), temp);
  EXPECT_EQ(temp->text(), "8");
  temp->setText("9");
  QTest::keyClick(temp, Qt::Key_Escape);
  EXPECT_EQ(Cell(2, 2), "8");
  QTest::keyClick(temp, Qt::Key_Return);
  EXPECT_EQ(Cell(2, 2), "9");
}

TEST_F(FacadeEditorTest, DoubleClickEditsInTheBoxAndTheRightButtonOpensTheMenu) {
  editor->SetCellText(3, 2, "6.5");
  const QRect cell = grid->visualRect(grid->model()->index(2, 1));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QApplication::processEvents();
  auto* temp = Find<QLineEdit>(editor, "temp");
  EXPECT_EQ(QApplication::focusWidget(), temp);
  EXPECT_EQ(temp->text(), "6.5");

  editor->SetCurrentCell(1, 1);
  QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cell.center());
  auto* menu = Find<QMenu>(editor, "mefEdit");
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  EXPECT_EQ(editor->CurrentRow(), 1);  // the right button does not move the current cell
}

TEST_F(FacadeEditorTest, PasteIsOfferedOnlyAfterACopy) {
  EXPECT_FALSE(Button("bpaste")->isEnabled());
  EXPECT_FALSE(MenuItem("mefPaste")->isEnabled());
  EXPECT_TRUE(MenuItem("mefCut")->isEnabled());
  editor->SetCellText(1, 1, "3");
  Key(Qt::Key_V, Qt::ControlModifier);  // nothing copied yet: nothing changes
  EXPECT_EQ(Cell(1, 1), "3");
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(Button("bpaste")->isEnabled());
  EXPECT_TRUE(MenuItem("mefPaste")->isEnabled());
}

TEST_F(FacadeEditorTest, PasteIsClippedAtRow400) {
  for (int r = 10; r <= 12; ++r) {
    editor->SetCellText(r, 1, QString::number(r));
    editor->SetCellText(r, 2, QString::number(r * 10));
  }
  Select(10, 1, 12, 2);
  Button("bcopy")->click();
  EXPECT_EQ(chooser->CopyBuffer().CopyCount, 6);
  editor->SetCurrentCell(399, 1);
  Button("bpaste")->click();
  EXPECT_EQ(Cell(399, 1), "10");
  EXPECT_EQ(Cell(399, 2), "100");
  EXPECT_EQ(Cell(400, 1), "11");
  EXPECT_EQ(Cell(400, 2), "110");
}

TEST_F(FacadeEditorTest, AColumnPastesIntoTheColumnItLandsOn) {
  for (int r = 1; r <= 3; ++r)
    editor->SetCellText(r, 1, QString::number(r));
  Select(1, 1, 3, 1);
  Key(Qt::Key_C, Qt::ControlModifier);
  editor->SetCurrentCell(5, 2);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(5, 2), "1");
  EXPECT_EQ(Cell(7, 2), "3");
  EXPECT_EQ(Cell(5, 1), "");
  editor->SetCurrentCell(10, 1);
  MenuItem("mefPaste")->trigger();
  EXPECT_EQ(Cell(10, 1), "1");
  EXPECT_EQ(Cell(12, 1), "3");
  EXPECT_EQ(Cell(10, 2), "");
  // Pasting two columns at column 2 drops the second column.
  Select(10, 1, 11, 2);
  editor->SetCellText(10, 2, "a");
  Key(Qt::Key_C, Qt::ControlModifier);
  editor->SetCurrentCell(20, 2);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(20, 2), "1");
  EXPECT_EQ(Cell(21, 2), "2");
}

TEST_F(FacadeEditorTest, CutEmptiesTheBlockAndKeepsItForPasting) {
  editor->SetCellText(4, 1, "1");
  editor->SetCellText(4, 2, "2");
  Select(4, 1, 4, 2);
  MenuItem("mefCut")->trigger();
  EXPECT_EQ(Cell(4, 1), "");
  EXPECT_EQ(Cell(4, 2), "");
  editor->SetCurrentCell(6, 1);
  MenuItem("mefPaste")->trigger();
  EXPECT_EQ(Cell(6, 1), "1");
  EXPECT_EQ(Cell(6, 2), "2");
}

TEST_F(FacadeEditorTest, TheCopyBufferIsSharedAcrossFacades) {
  editor->SetCellText(1, 1, "5");
  editor->SetCellText(1, 2, "6");
  Select(1, 1, 1, 2);
  Key(Qt::Key_C, Qt::ControlModifier);
  Button("Cancel")->click();
  Open(4);
  EXPECT_TRUE(Button("bpaste")->isEnabled());
  editor->SetCurrentCell(2, 1);
  Button("bpaste")->click();
  EXPECT_EQ(Cell(2, 1), "5");
  EXPECT_EQ(Cell(2, 2), "6");
}

TEST_F(FacadeEditorTest, OkRenumbersTheRowsAndDropsIncompleteOnes) {
  bool changed = false;
  QObject::connect(chooser.get(), &EditChooser::jobChanged, [&] { changed = true; });
  editor->SetCellText(1, 1, "1");
  editor->SetCellText(1, 2, "2");
  editor->SetCellText(3, 1, "3,5");
  editor->SetCellText(3, 2, "4");
  editor->SetCellText(5, 1, "5");
  editor->SetCellText(5, 2, "abc");
  editor->SetCellText(6, 1, "x");
  editor->SetCellText(6, 2, "7");
  editor->SetCellText(7, 2, "8");
  Button("EFacadeOK")->click();
  EXPECT_EQ(doc.job.ElmCount[1], 2);
  EXPECT_EQ(doc.job.ElmX[1][1], 1);
  EXPECT_EQ(doc.job.ElmZ[1][1], 2);
  EXPECT_EQ(doc.job.ElmX[1][2], 3.5f);
  EXPECT_EQ(doc.job.ElmZ[1][2], 4);
  EXPECT_EQ(Cell(5, 1), "5");
  EXPECT_EQ(Cell(5, 2), "");
  EXPECT_EQ(Cell(6, 1), "");
  EXPECT_EQ(Cell(6, 2), "7");
  EXPECT_EQ(Cell(7, 2), "8");
  EXPECT_TRUE(doc.DataChanged);
  EXPECT_TRUE(changed);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(chooser->Slate().windowTitle(), "Visual Help for Input Data");
  EXPECT_TRUE(chooser->Slate().IsPictureVisible(HelpPicture::FacadeNo));
}

TEST_F(FacadeEditorTest, CancelAndClearDataLeaveTheJobAlone) {
  doc.job.ElmCount[1] = 1;
  doc.job.ElmX[1][1] = 4;
  doc.job.ElmZ[1][1] = 5;
  editor->hide();
  Open(1);
  Button("ClearD")->click();
  EXPECT_EQ(Cell(1, 1), "");
  EXPECT_EQ(doc.job.ElmCount[1], 1);
  Button("Cancel")->click();
  EXPECT_EQ(doc.job.ElmCount[1], 1);
  EXPECT_EQ(doc.job.ElmX[1][1], 4);
  EXPECT_FALSE(doc.DataChanged);
  Open(1);
  EXPECT_EQ(Cell(1, 1), "4");
}

TEST_F(FacadeEditorTest, MeshButtonsNeedBothExtentsOfTheFacade) {
  editor->hide();
  doc.job.BdX = 0;
  for (int f : {1, 3, 5}) {
    Open(f);
    EXPECT_FALSE(Button("bAutomesh")->isEnabled()) << f;
    EXPECT_FALSE(Button("bumesh")->isEnabled()) << f;
    editor->hide();
  }
  for (int f : {2, 4}) {
    Open(f);
    EXPECT_TRUE(Button("bAutomesh")->isEnabled()) << f;
    EXPECT_TRUE(Button("bumesh")->isEnabled()) << f;
    editor->hide();
  }
}

}  // namespace
}  // namespace ventora::ui::testing
