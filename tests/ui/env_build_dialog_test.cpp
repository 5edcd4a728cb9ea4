#include "ui/editing/env_build_dialog.h"

#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

#include "editing_fixture.h"

namespace ventora::ui::testing {
namespace {

class EnvBuildTest : public EditingTest {
 protected:
  void SetUp() override {
    doc.job.AnWind = 30;
    doc.job.Phi = 20;
    doc.job.Islope = 2;  // two slopes: the tilt can be typed
    dialog = &chooser->Environment();
    dialog->Prepare();
    ShowActive(dialog);
  }
  void TearDown() override { dialog->hide(); }

  QLineEdit* Field(const char* name) { return Find<QLineEdit>(dialog, name); }

  EnvBuildDialog* dialog = nullptr;
};

// Each field takes the value at its limit and refuses the one just past it.
TEST_F(EnvBuildTest, EachFieldAcceptsItsLimitAndRefusesTheValueBeyond) {
  // clang-format off
  struct Row { const char* field; float Job::*param; const char* accepted, *refused, *refusal; };
  // clang-format on
  const Row rows[] = {
      {"fAzB", &Job::AzB, "360", "360.5",
       "Building azimuth AzB 360.5 deg. is outside the accepted range 0 ≤ AzB ≤ 360."},
      {"fAnWind", &Job::AnWind, "0", "-1",
       "Wind direction AnWind -1 deg. is outside the accepted range 0 ≤ AnWind ≤ 360."},
      {"fPAD", &Job::PAD, "50", "50.01",
       "Plan area density PAD 50.01 % is outside the accepted range 0 ≤ PAD ≤ 50."},
      {"fSBH", &Job::SbH, "0.01", "0",
       "Surrounding buildings' height SbH 0 m is outside the accepted range SbH > 0."},
      {"fBdZ", &Job::Bdz, "0.01", "0",
       "Building height Bdz 0 m is outside the accepted range Bdz > 0."},
      {"fBdX", &Job::BdX, "0.01", "abc",
       "Building length BdX \"abc\" is not a number; the accepted range is BdX > 0."},
      {"fBdY", &Job::BdY, "0.01", "",
       "Building width BdY is empty; the accepted range is BdY > 0."},
      {"fVeEXP", &Job::VeEXP, "0.45", "0.46",
       "Wind velocity profile exponent VeEXP 0.46 is outside the accepted range "
       "0 ≤ VeEXP ≤ 0.45."},
      {"fPhi", &Job::Phi, "49.9", "80",
       "Roof tilt Phi 80 deg. is outside the accepted range 0 ≤ Phi < 50."},
      {"fPhi", &Job::Phi, "49.9", "50",
       "Roof tilt Phi 50 deg. is outside the accepted range 0 ≤ Phi < 50."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.field);
    const char* next = row.param == &Job::AzB ? "fPAD" : "fAzB";
    const float before = doc.job.*row.param;
    messages.shown.clear();
    FocusTo(Field(row.field));
    Field(row.field)->setText(row.refused);
    FocusTo(Field(next));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, row.refusal);
    EXPECT_EQ(doc.job.*row.param, before);
    EXPECT_EQ(QApplication::focusWidget(), Field(row.field));  // the user is kept there

    messages.shown.clear();
    Field(row.field)->setText(row.accepted);
    FocusTo(Field(next));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(doc.job.*row.param, std::stof(row.accepted));
  }
}

// Beside the roof type the dialog says, in words, where the ridge runs and
// which walls are the gables, and that choosing a flat roof set the tilt to 0.
TEST_F(EnvBuildTest, TheRoofTypeSaysWhereTheRidgeRunsAndAFlatRoofsTiltReset) {
  // clang-format off
  struct Row { const char* button; std::int16_t Islope; float Phi; const char* note; };
  const Row rows[] = {
      {"fslope3", 2, 20,
       "Double slope: the ridge runs over the middle of the length BdX, from wall 1 to wall 3; "
       "walls 1 and 3 are the gables."},
      {"fslope2", 1, 20,
       "Single slope: the roof slopes along the length BdX, from wall 4 to wall 2; walls 1 and 3 "
       "carry its sloping edges."},
      {"fslope1", 0, 0, "Flat roof: no ridge, no tilt. The roof tilt Phi was set to 0."},
  };
  // clang-format on
  auto* note = Find<QLabel>(dialog, "RoofNote");
  EXPECT_TRUE(note->text().startsWith("Double slope: the ridge runs"));  // as the dialog opens
  for (const Row& row : rows) {
    SCOPED_TRACE(row.button);
    Find<QRadioButton>(dialog, row.button)->click();
    EXPECT_EQ(note->text().toStdString(), row.note);
    EXPECT_EQ(doc.job.Islope, row.Islope);
    EXPECT_EQ(doc.job.Phi, row.Phi);
    EXPECT_EQ(Field("fPhi")->text(), QString::number(row.Phi));
  }
  EXPECT_TRUE(messages.shown.empty());
}

// No dead end for facade 6: the chooser says that it is the floor, which has
// no Cp, and offers no button that leads nowhere.
TEST_F(EditingTest, TheChooserSaysFacadeSixIsTheFloorAndOffersNoButton) {
  EXPECT_EQ(chooser->findChild<QPushButton*>("Facade6Btn"), nullptr);
  EXPECT_EQ(Find<QLabel>(chooser.get(), "FloorNote")->text(),
            "Facade 6 is the floor:\nno Cp is computed there.");
  EXPECT_EQ(chooser->findChildren<QPushButton*>(QRegularExpression("Facade\\dBtn")).size(), 4);
}

}  // namespace
}  // namespace ventora::ui::testing
