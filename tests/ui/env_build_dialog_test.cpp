#include "ui/editing/env_build_dialog.h"

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
      {"fAzB", &Job::AzB, "360", "360.5", "It must be a number: 0 <= Real <= 360"},
      {"fAnWind", &Job::AnWind, "0", "-1", "It must be a number: 0 <= Real <= 360"},
      {"fPAD", &Job::PAD, "50", "50.01", "It must be a number: 0 <= Real <= 50"},
      {"fSBH", &Job::SbH, "0.01", "0", "It must be a number: Real > 0"},
      {"fBdZ", &Job::Bdz, "0.01", "0", "It must be a number: Real > 0"},
      {"fBdX", &Job::BdX, "0.01", "abc", "It must be a number: Real > 0"},
      {"fBdY", &Job::BdY, "0.01", "", "It must be a number: Real > 0"},
      {"fVeEXP", &Job::VeEXP, "0.45", "0.46", "It must be a number: 0 <= Real > 0.45"},
      {"fPhi", &Job::Phi, "49.9", "50", "It must be a number: 0 <= Real > 50"},
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

}  // namespace
}  // namespace ventora::ui::testing
