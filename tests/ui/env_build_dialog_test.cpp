#include "ui/editing/env_build_dialog.h"

#include <QRadioButton>

#include "editing_fixture.h"

namespace ventora::ui::testing {
namespace {

class EnvBuildTest : public EditingTest {
 protected:
  void SetUp() override {
    Job& j = doc.job;
    j.AzB = 10;
    j.AnWind = 30;
    j.PAD = 12;
    j.SbH = 8;
    j.Bdz = 10;
    j.BdX = 20;
    j.BdY = 15;
    j.VeEXP = 0.25f;
    j.Phi = 20;
    j.Islope = 2;
    dialog = &chooser->Environment();
    dialog->Prepare();
    ShowActive(dialog);
  }
  void TearDown() override { dialog->hide(); }

  QLineEdit* Field(const char* name) { return Find<QLineEdit>(dialog, name); }

  // Types `text` into the field and leaves it for `next`.
  void Enter(const char* name, const QString& text, const char* next = "fAnWind") {
    QLineEdit* f = Field(name);
    FocusTo(f);
    f->setText(text);
    FocusTo(Find<QWidget>(dialog, next));
  }

  EnvBuildDialog* dialog = nullptr;
};

struct FieldCase {
  const char* field;
  const char* text;
  bool accepted;
  float Job::*param;
  const char* refusal;
};

TEST_F(EnvBuildTest, EachFieldAcceptsItsRangeAndRefusesTheRest) {
  const FieldCase cases[] = {
      {"fAzB", "360", true, &Job::AzB, ""},
      {"fAzB", "360.5", false, &Job::AzB, "It must be a number: 0 <= Real <= 360"},
      {"fAzB", "-1", false, &Job::AzB, "It must be a number: 0 <= Real <= 360"},
      {"fAnWind", "0", true, &Job::AnWind, ""},
      {"fAnWind", "abc", false, &Job::AnWind, "It must be a number: 0 <= Real <= 360"},
      {"fPAD", "50", true, &Job::PAD, ""},
      {"fPAD", "50.01", false, &Job::PAD, "It must be a number: 0 <= Real <= 50"},
      {"fSBH", "0", false, &Job::SbH, "It must be a number: Real > 0"},
      {"fSBH", "0.01", true, &Job::SbH, ""},
      {"fBdZ", "0", false, &Job::Bdz, "It must be a number: Real > 0"},
      {"fBdX", "0", false, &Job::BdX, "It must be a number: Real > 0"},
      {"fBdY", "0.01", true, &Job::BdY, ""},
      {"fBdY", "", false, &Job::BdY, "It must be a number: Real > 0"},
      {"fVeEXP", "0.45", true, &Job::VeEXP, ""},
      {"fVeEXP", "0.46", false, &Job::VeEXP, "It must be a number: 0 <= Real > 0.45"},
      {"fPhi", "50", false, &Job::Phi, "It must be a number: 0 <= Real > 50"},
      {"fPhi", "49.9", true, &Job::Phi, ""},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " '" + c.text + "'");
    messages.shown.clear();
    const float before = doc.job.*c.param;
    const char* next = std::string(c.field) == "fAzB" ? "fPAD" : "fAzB";
    Enter(c.field, c.text, next);
    if (c.accepted) {
      EXPECT_TRUE(messages.shown.empty());
      EXPECT_EQ(doc.job.*c.param, std::stof(c.text));
      EXPECT_EQ(Field(c.field)->text(), QString::fromStdString(numbers.ToText(doc.job.*c.param)));
    } else {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, c.refusal);
      EXPECT_EQ(messages.shown[0].title, "VENTORA");
      EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
      EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
      EXPECT_EQ(doc.job.*c.param, before);
      EXPECT_EQ(Field(c.field)->text(), c.text);
      EXPECT_EQ(QApplication::focusWidget(), Field(c.field));
      Field(c.field)->setText(QString::fromStdString(numbers.ToText(before)));
    }
  }
}

TEST_F(EnvBuildTest, CommaTypedInAPointLocaleIsTakenAsDecimal) {
  Enter("fBdX", "2,5");
  EXPECT_EQ(doc.job.BdX, 2.5f);
  EXPECT_EQ(Field("fBdX")->text(), "2.5");
  Enter("fAzB", "90,0", "fPAD");
  EXPECT_EQ(Field("fAzB")->text(), "90");
}

TEST_F(EnvBuildTest, ThePictureFollowsTheFocusAndTheExponentResetsTheCaption) {
  FocusTo(Field("fPAD"));
  EXPECT_EQ(chooser->Slate().windowTitle(), "Plan Area Density");
  EXPECT_TRUE(chooser->Slate().IsPictureVisible(HelpPicture::PAD));
  FocusTo(Field("fSBH"));
  EXPECT_FALSE(chooser->Slate().IsPictureVisible(HelpPicture::PAD));
  EXPECT_EQ(chooser->Slate().windowTitle(), "Surroundig Building Height");

  Enter("fVeEXP", "0.45", "fPhi");
  FocusTo(Field("fAzB"));
  EXPECT_EQ(chooser->Slate().windowTitle(), "Building Orientation");
  Enter("fVeEXP", "0.46", "fPhi");
  EXPECT_EQ(LastText(), "It must be a number: 0 <= Real > 0.45");
  EXPECT_EQ(chooser->Slate().windowTitle(), "Visual Help for Input Data");
  Field("fVeEXP")->setText("0.3");
  FocusTo(Field("fPhi"));
  EXPECT_EQ(chooser->Slate().windowTitle(), "Roof Tilt Angle");
  EXPECT_FLOAT_EQ(doc.job.VeEXP, 0.3f);
}

TEST_F(EnvBuildTest, RoofTypeTakesEffectWhenTheOptionIsLeft) {
  auto* flat = Find<QRadioButton>(dialog, "fslope1");
  auto* twoSlopes = Find<QRadioButton>(dialog, "fslope3");
  EXPECT_TRUE(twoSlopes->isChecked());
  FocusTo(flat);
  flat->setChecked(true);
  EXPECT_EQ(doc.job.Islope, 2);  // not yet: the option still has the focus
  EXPECT_EQ(chooser->Slate().windowTitle(), "Roof Type");
  FocusTo(Field("fAzB"));
  EXPECT_EQ(doc.job.Islope, 0);
  EXPECT_EQ(doc.job.Phi, 0);
  EXPECT_EQ(Field("fPhi")->text(), "0");

  Enter("fPhi", "30", "fAzB");
  FocusTo(twoSlopes);
  twoSlopes->setChecked(true);
  FocusTo(Field("fAzB"));
  EXPECT_EQ(doc.job.Islope, 2);
  EXPECT_EQ(doc.job.Phi, 30);
}

TEST_F(EnvBuildTest, UnknownRoofTypeLeavesTheOptionsAsTheyWere) {
  dialog->hide();
  doc.job.Islope = 7;
  dialog->Prepare();
  EXPECT_TRUE(Find<QRadioButton>(dialog, "fslope3")->isChecked());
  EXPECT_FALSE(chooser->Slate().IsPictureVisible(HelpPicture::FacadeNo));
}

TEST_F(EnvBuildTest, CancelKeepsAcceptedFieldsButNotTheChangeMark) {
  bool changed = false;
  QObject::connect(chooser.get(), &EditChooser::jobChanged, [&] { changed = true; });
  Enter("fAzB", "45", "fPAD");
  Click(dialog, "Cancel");
  EXPECT_EQ(doc.job.AzB, 45);
  EXPECT_FALSE(doc.DataChanged);
  EXPECT_FALSE(changed);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(chooser->Slate().IsPictureVisible(HelpPicture::FacadeNo));
}

TEST_F(EnvBuildTest, OkMarksTheJobChanged) {
  bool changed = false;
  QObject::connect(chooser.get(), &EditChooser::jobChanged, [&] { changed = true; });
  Click(dialog, "OK");
  EXPECT_TRUE(doc.DataChanged);
  EXPECT_TRUE(changed);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(EnvBuildTest, OpeningFillsTheFieldsFromTheJob) {
  EXPECT_EQ(Field("fAzB")->text(), "10");
  EXPECT_EQ(Field("fPhi")->text(), "20");
  EXPECT_EQ(Field("fVeEXP")->text(), "0.25");
  dialog->hide();
  doc.job.VeEXP = 0.125f;
  doc.job.BdX = 12.5f;
  dialog->Prepare();
  EXPECT_EQ(Field("fVeEXP")->text(), "0.125");
  EXPECT_EQ(Field("fBdX")->text(), "12.5");
}

class CommaLocaleEnvBuildTest : public EditingTest {
 protected:
  CommaLocaleEnvBuildTest() : EditingTest(kCommaDecimal) {}
};

TEST_F(CommaLocaleEnvBuildTest, FieldsShowAndReadTheCommaDecimal) {
  doc.job.BdX = 2.5f;
  EnvBuildDialog& dialog = chooser->Environment();
  dialog.Prepare();
  ShowActive(&dialog);
  auto* bdx = Find<QLineEdit>(&dialog, "fBdX");
  EXPECT_EQ(bdx->text(), "2,5");
  FocusTo(bdx);
  bdx->setText("7.25");
  FocusTo(Find<QWidget>(&dialog, "fBdY"));
  EXPECT_EQ(doc.job.BdX, 7.25f);
  EXPECT_EQ(bdx->text(), "7,25");
  dialog.hide();
}

}  // namespace
}  // namespace ventora::ui::testing
