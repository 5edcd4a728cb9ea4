#include "ui/editing/mesh_dialogs.h"

#include <QLabel>
#include <QRadioButton>

#include "facade_editor_fixture.h"

namespace ventora::ui::testing {
namespace {

using Rows = std::vector<std::pair<QString, QString>>;

class MeshTest : public FacadeEditorFixture {
 protected:
  // Clicks an editor button that opens a mesh dialog, fills the dialog's
  // boxes, presses its OK and, if the dialog is still open, cancels it.
  void Mesh(const char* button, std::vector<std::pair<const char*, QString>> boxes,
            std::function<void(QDialog*)> beforeOk = nullptr) {
    OnNextModal([=, this](QDialog* d) {
      for (const auto& [name, text] : boxes)
        Find<QLineEdit>(d, name)->setText(text);
      if (beforeOk) beforeOk(d);
      Click(d, "bOK");
      stayedOpen = d->isVisible();
      if (stayedOpen) Click(d, "bCancel");
    });
    Click(editor, button);
  }

  // Answers the next "autoX" question with `value`, noting what was asked.
  void AnswerCoordinate(const QString& value) {
    OnNextModal([=, this](QDialog* d) {
      asked.push_back(Find<QLabel>(d, "XZstring")->text());
      Find<QLineEdit>(d, "stvalue")->setText(value);
      Click(d, "okbtn");
    });
  }

  Rows FirstRows(int n) const {
    Rows rows;
    for (int r = 1; r <= n; ++r)
      rows.emplace_back(Cell(r, 1), Cell(r, 2));
    return rows;
  }

  bool stayedOpen = false;
  std::vector<QString> asked;
};

TEST(NodeText, AtMostTwoDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(NodeText(5, '.'), "5");
  EXPECT_EQ(NodeText(2.5f, '.'), "2.5");
  EXPECT_EQ(NodeText(1.234f, '.'), "1.23");
  EXPECT_EQ(NodeText(0.125f, '.'), "0.13");  // an exact half goes up
  EXPECT_EQ(NodeText(0.001f, '.'), "0");
  EXPECT_EQ(NodeText(1234.5f, ','), "1234,5");
}

TEST_F(MeshTest, AutomaticMeshCentresTheNodesInEqualStrips) {
  Mesh("bAutomesh", {{"HorNo", "4"}, {"VerNo", "2"}});
  EXPECT_FALSE(stayedOpen);
  EXPECT_EQ(FirstRows(9), (Rows{{"2.5", "2.5"},
                                {"7.5", "2.5"},
                                {"12.5", "2.5"},
                                {"17.5", "2.5"},
                                {"2.5", "7.5"},
                                {"7.5", "7.5"},
                                {"12.5", "7.5"},
                                {"17.5", "7.5"},
                                {"", ""}}));
  EXPECT_TRUE(chooser->Mesh().MeshAccepted);
  // The mesh is kept, not reloaded, and OK writes it into the job.
  Click(editor, "EFacadeOK");
  EXPECT_EQ(doc.job.ElmCount[1], 8);
  EXPECT_EQ(doc.job.ElmX[1][8], 17.5f);
  EXPECT_EQ(doc.job.ElmZ[1][8], 7.5f);
  EXPECT_FALSE(chooser->Mesh().MeshAccepted);
}

TEST_F(MeshTest, OneByOneNodeAsksForBothCoordinates) {
  Mesh("bAutomesh", {{"HorNo", "1"}, {"VerNo", "1"}}, [this](QDialog*) {
    AnswerCoordinate("3,5");
    // The second question comes once the first is answered.
    QTimer::singleShot(0, [this] { AnswerCoordinate("4"); });
  });
  EXPECT_FALSE(stayedOpen);
  EXPECT_EQ(asked, (std::vector<QString>{"X value:", "Z value:"}));
  EXPECT_EQ(FirstRows(2), (Rows{{"3.5", "4"}, {"", ""}}));
}

TEST_F(MeshTest, OnTheRoofTheSecondCoordinateIsY) {
  editor->hide();
  Open(5);
  Mesh("bAutomesh", {{"HorNo", "2"}, {"VerNo", "1"}}, [this](QDialog*) { AnswerCoordinate("6"); });
  EXPECT_EQ(asked, (std::vector<QString>{"Y value:"}));
  EXPECT_EQ(FirstRows(2), (Rows{{"5", "6"}, {"15", "6"}}));
}

TEST_F(MeshTest, AutomaticMeshLimitsTheNodes) {
  Mesh("bAutomesh", {{"HorNo", "25"}, {"VerNo", "20"}});
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(LastText(), "The number of total nodes must be < 400");
  EXPECT_EQ(Cell(1, 1), "");

  Mesh("bAutomesh", {{"HorNo", "20"}, {"VerNo", "20"}});
  EXPECT_FALSE(stayedOpen);
  EXPECT_EQ(Cell(400, 1), "19.5");
  EXPECT_EQ(Cell(400, 2), "9.75");

  messages.shown.clear();
  Mesh("bAutomesh", {{"HorNo", "0"}, {"VerNo", "2"}});
  Mesh("bAutomesh", {{"HorNo", "2.5"}, {"VerNo", "2"}});
  Mesh("bAutomesh", {{"HorNo", "3"}, {"VerNo", "401"}});
  Mesh("bAutomesh", {{"HorNo", "3"}, {"VerNo", ""}});
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                  "Range of the number of horizontal nodes: 1 - 10",
                                  "The number of horizontal nodes must be an integer (range 1-10)",
                                  "Range of the number of vertical nodes: 1 - 10",
                                  "Number of vertical nodes must be an integer  (range 1-10)",
                              }));
  EXPECT_EQ(Cell(400, 1), "19.5");  // refusals never touch the grid
}

TEST_F(MeshTest, CancellingAMeshKeepsWhatWasTyped) {
  editor->SetCellText(3, 1, "8");
  OnNextModal([](QDialog* d) { Click(d, "bCancel"); });
  Click(editor, "bAutomesh");
  EXPECT_EQ(Cell(3, 1), "8");
  EXPECT_FALSE(chooser->Mesh().MeshAccepted);
}

TEST_F(MeshTest, UserMeshFillsTheFacadeFromTheFirstNode) {
  doc.job.BdX = 10;
  editor->hide();
  Open(1);
  Mesh("bumesh", {{"stxvalue", "1"}, {"stzvalue", "1"}, {"stdeltax", "2"}, {"stdeltaz", "3"}});
  EXPECT_FALSE(stayedOpen);
  Rows expected;
  for (const char* z : {"1", "4", "7"})
    for (const char* x : {"1", "3", "5", "7", "9"})
      expected.emplace_back(x, z);
  expected.emplace_back("", "");
  EXPECT_EQ(FirstRows(16), expected);
}

TEST_F(MeshTest, UserMeshWithNoHorizontalSpacingGivesOneColumn) {
  Mesh("bumesh", {{"stxvalue", "2"}, {"stzvalue", "1"}, {"stdeltax", "0"}, {"stdeltaz", "4"}});
  EXPECT_EQ(FirstRows(4), (Rows{{"2", "1"}, {"2", "5"}, {"2", "9"}, {"", ""}}));
}

TEST_F(MeshTest, UserMeshRefusesNodesOutsideTheFacade) {
  Mesh("bumesh", {{"stxvalue", "20"}, {"stzvalue", "1"}, {"stdeltax", "2"}, {"stdeltaz", "3"}});
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(LastText(), "x coordinate  must be a Number!  > 0 and <  20");
  Mesh("bumesh", {{"stxvalue", "1"}, {"stzvalue", "0.6"}});
  EXPECT_EQ(LastText(), "z coordinate  must be a Number!  > 0.7 and <  9.3");
  Mesh("bumesh", {{"stzvalue", "1"}, {"stdeltax", "x"}});
  EXPECT_EQ(LastText(), "Horizontal distance between nodes   must be a Number! <  20");
  Mesh("bumesh", {{"stdeltax", "21"}});
  EXPECT_EQ(LastText(), "Horizontal distance between nodes   must be a Number! > 0 and <  20");
  Mesh("bumesh", {{"stdeltax", "2"}, {"stdeltaz", "9"}});
  EXPECT_EQ(LastText(), "Vertical distance between nodes  must be a Number! > 0 and <  8.6");
  Mesh("bumesh", {{"stdeltaz", "0.01"}, {"stdeltax", "0.01"}});
  EXPECT_EQ(LastText(), " The number of total  nodes must be < 400");
  EXPECT_EQ(Cell(1, 1), "");
}

TEST_F(MeshTest, UserDefinedCountsMustFitTheFacade) {
  const auto ownCounts = [](QDialog* d) { Find<QRadioButton>(d, "btodef")->setChecked(true); };
  Mesh("bumesh",
       {{"stxvalue", "1"},
        {"stzvalue", "1"},
        {"stdeltax", "4"},
        {"stdeltaz", "3"},
        {"HorNo", "6"},
        {"VerNo", "2"}},
       ownCounts);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(LastText(), "The number of horizontal nodes must be < 5");
  Mesh("bumesh", {{"HorNo", "a"}, {"VerNo", "4"}}, ownCounts);
  EXPECT_EQ(messages.Texts().end()[-2], "The number of horizontal nodes must be an integer < 5");
  EXPECT_EQ(LastText(), "The number of vertical nodes must be <  3");
  Mesh("bumesh", {{"HorNo", "2"}, {"VerNo", "x"}}, ownCounts);
  EXPECT_EQ(LastText(), "Number of vertical nodes must be an integer  <  3");
  Mesh("bumesh", {{"HorNo", "2"}, {"VerNo", "2"}}, ownCounts);
  EXPECT_FALSE(stayedOpen);
  EXPECT_EQ(FirstRows(5), (Rows{{"1", "1"}, {"5", "1"}, {"1", "4"}, {"5", "4"}, {"", ""}}));
}

TEST_F(MeshTest, FillingTheFacadeIgnoresCountsTypedEarlier) {
  const auto fill = [](QDialog* d) { Find<QRadioButton>(d, "ball")->setChecked(true); };
  Mesh("bumesh",
       {{"stxvalue", "1"},
        {"stzvalue", "1"},
        {"stdeltax", "4"},
        {"stdeltaz", "3"},
        {"HorNo", "2"},
        {"VerNo", "1"}},
       fill);
  EXPECT_FALSE(stayedOpen);
  EXPECT_EQ(Cell(15, 1), "17");
  EXPECT_EQ(Cell(15, 2), "7");
  EXPECT_EQ(Cell(16, 1), "");
}

TEST(UserMeshCount, IminTakesTheSmaller) {
  EXPECT_EQ(UserMeshDialog::imin(400, 5), 5);
  EXPECT_EQ(UserMeshDialog::imin(400, 1000000000LL), 400);
  EXPECT_EQ(UserMeshDialog::imin(3, 3), 3);
}

}  // namespace
}  // namespace ventora::ui::testing
