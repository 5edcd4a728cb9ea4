#include "ui/editing/edit_chooser.h"

#include "editing_fixture.h"
#include "ui/editing/facade_editor.h"
#include "ui/editing/window_placement.h"
#include "ui/pictures/svg_picture.h"

namespace ventora::ui::testing {
namespace {

class ChooserTest : public EditingTest {
 protected:
  void SetUp() override {
    doc.job.BdX = 20;
    doc.job.BdY = 12;
    doc.job.Bdz = 10;
    main.setObjectName("CPMainForm");
    main.resize(400, 120);
    main.move(0, 0);
    main.show();
    chooser->PlaceBelow(main);
    ShowActive(chooser.get());
  }
  void TearDown() override { chooser->hide(); }

  // Clicks a facade button; the editor, once open, is recorded and closed
  // with `closeWith`.
  void OpenFacade(const char* button, const char* closeWith = "Cancel") {
    OnNextModal([=, this](QDialog* d) {
      editorCaption = d->windowTitle();
      slateCaption = chooser->Slate().windowTitle();
      wallPicture = chooser->Slate().IsPictureVisible(HelpPicture::FacadeVert);
      roofPicture = chooser->Slate().IsPictureVisible(HelpPicture::Hor);
      editorLeft = d->frameGeometry().left();
      Click(d, closeWith);
    });
    Click(chooser.get(), button);
  }

  QWidget main;
  QString editorCaption;
  QString slateCaption;
  bool wallPicture = false;
  bool roofPicture = false;
  int editorLeft = -1;
};

TEST_F(ChooserTest, OpensBelowTheMainWindowWithTheFacadeNumbering) {
  EXPECT_EQ(chooser->windowTitle(), "Editing");
  EXPECT_EQ(chooser->frameGeometry().left(), 0);
  EXPECT_GT(chooser->frameGeometry().top(), main.frameGeometry().bottom());
  HelpSlate& slate = chooser->Slate();
  EXPECT_TRUE(slate.isVisible());
  EXPECT_EQ(slate.windowTitle(), "Visual Help for Input Data");
  EXPECT_TRUE(slate.IsPictureVisible(HelpPicture::FacadeNo));
  EXPECT_EQ(slate.frameGeometry().left(), FrameWidth(*chooser) + WindowGap(*chooser));
  EXPECT_EQ(slate.size(), slate.Picture(HelpPicture::FacadeNo)->sizeHint());
}

TEST_F(ChooserTest, WallsShowTheWallPictureAndTheRoofKeepsTheCaption) {
  OpenFacade("Facade5Btn");
  EXPECT_EQ(doc.CurFacade, 5);
  EXPECT_EQ(editorCaption, "Facade no. 5");
  EXPECT_EQ(slateCaption, "Visual Help for Input Data");
  EXPECT_TRUE(roofPicture);
  EXPECT_FALSE(wallPicture);
  EXPECT_EQ(chooser->Slate().windowTitle(), "Visual Help for Input Data");
  EXPECT_TRUE(chooser->Slate().IsPictureVisible(HelpPicture::FacadeNo));
  EXPECT_FALSE(chooser->Slate().IsPictureVisible(HelpPicture::Hor));

  OpenFacade("Facade3Btn");
  EXPECT_EQ(doc.CurFacade, 3);
  EXPECT_EQ(editorCaption, "Facade no. 3");
  EXPECT_EQ(slateCaption, "Vertical Facade's Element Positioning");
  EXPECT_TRUE(wallPicture);
}

TEST_F(ChooserTest, FacadeOneMovesTheEditorToTheLeftEdge) {
  OpenFacade("EFacadeBtn");
  EXPECT_EQ(editorCaption, "Facade no. 1");
  EXPECT_EQ(editorLeft, 0);
  chooser->Editor().move(150, 40);
  OpenFacade("Facade2Btn");
  EXPECT_EQ(editorLeft, 150);
  OpenFacade("EFacadeBtn");
  EXPECT_EQ(editorLeft, 0);
}

TEST_F(ChooserTest, FacadeSixIsNotAvailable) {
  doc.CurFacade = 2;
  Click(chooser.get(), "Facade6Btn");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Sorry");
  EXPECT_EQ(messages.shown[0].text, "Subroutine not ready yet.");
  EXPECT_EQ(doc.CurFacade, 2);
  EXPECT_FALSE(chooser->Slate().IsPictureVisible(HelpPicture::FacadeNo));
}

TEST_F(ChooserTest, ClosingAfterAChangeEnablesSaveAndRun) {
  int closedChanged = 0;
  QObject::connect(chooser.get(), &EditChooser::closedAfterChange, [&] { ++closedChanged; });
  Click(chooser.get(), "eCloseBtn");
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_FALSE(chooser->Slate().isVisible());
  EXPECT_EQ(closedChanged, 0);

  chooser->PlaceBelow(main);
  ShowActive(chooser.get());
  OpenFacade("EFacadeBtn", "EFacadeOK");
  EXPECT_TRUE(doc.DataChanged);
  Click(chooser.get(), "eCloseBtn");
  EXPECT_EQ(closedChanged, 1);
}

TEST_F(ChooserTest, EnvironmentOpensBesideThePictureWindow) {
  OnNextModal([this](QDialog* d) {
    EXPECT_EQ(d->objectName(), "EnvBuild");
    EXPECT_FALSE(chooser->Slate().IsPictureVisible(HelpPicture::FacadeNo));
    EXPECT_EQ(chooser->Slate().frameGeometry().left(), FrameWidth(*d) + WindowGap(*d));
    EXPECT_EQ(d->frameGeometry().bottom(), chooser->Slate().frameGeometry().bottom());
    Click(d, "OK");
  });
  Click(chooser.get(), "envBtn");
  EXPECT_TRUE(doc.DataChanged);
  EXPECT_EQ(chooser->Slate().frameGeometry().left(), FrameWidth(*chooser) + WindowGap(*chooser));
  EXPECT_TRUE(chooser->Slate().IsPictureVisible(HelpPicture::FacadeNo));
}

}  // namespace
}  // namespace ventora::ui::testing
