// Every window on the screen: each can be made as small as 1024 x 640
// without losing a control, opens wholly on its screen, and the main window
// comes back where the user left it.
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "main_form_fixture.h"
#include "ui/help/guide_help.h"
#include "ui/help/help_window.h"
#include "ui/main_window/edit_command.h"
#include "ui/main_window/model_dialog.h"
#include "ui/main_window/sweep_dialog.h"
#include "ui/pictures/cp_map.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

void ExpectOnScreen(QWidget* w) {
  ASSERT_NE(w, nullptr);
  SCOPED_TRACE(w->objectName().toStdString());
  EXPECT_LE(w->minimumSizeHint().width(), 1024);
  EXPECT_LE(w->minimumSizeHint().height(), 640);
  const QRect room = w->screen()->availableGeometry();
  const QRect frame = w->frameGeometry();
  EXPECT_TRUE(room.contains(frame.topLeft()));
  if (frame.width() <= room.width() && frame.height() <= room.height()) {
    EXPECT_TRUE(room.contains(frame)) << frame.x() << "," << frame.y();
  }
}

TEST_F(MainFormTest, EveryWindowFitsTheSmallScreenAndOpensOnIt) {
  OpenExample("office-block.in");
  ui::ConnectEditing(*form);
  ExpectOnScreen(form.get());
  PlayModalSteps({{"editWhat",
                   [](QDialog* d) {
                     ExpectOnScreen(d);
                     d->findChild<QPushButton*>("envBtn")->click();
                   }},
                  {"EnvBuild",
                   [this](QDialog* d) {
                     ExpectOnScreen(d);
                     for (QWidget* w : QApplication::topLevelWidgets())
                       if (w->isVisible() && w != form.get()) ExpectOnScreen(w);
                     d->reject();
                   }},
                  {"editWhat", [](QDialog* d) { d->reject(); }}});
  Click("EditBtn");
  Click("RunBtn");
  Click("MapBtn");
  ExpectOnScreen(form->findChild<CpMap*>("CpMap"));
  help::OpenGuide(form.get(), "index.md");
  ExpectOnScreen(help::GuideWindow());
  help::GuideWindow()->hide();
  Click("SweepBtn");
  QPointer<SweepDialog> sweep = form->findChild<SweepDialog*>("SweepDialog");
  ExpectOnScreen(sweep);
  sweep->reject();
  ASSERT_TRUE(QTest::qWaitFor([&] { return sweep.isNull(); }, 60000));
  const fs::path model = scratch.path() / "house.idf";
  fs::copy_file(VENTORA_ENERGYPLUS_EXAMPLES "/AirflowNetwork_MultiZone_House.idf", model);
  form->OpenModelPath(model.string());
  auto* dialog = form->findChild<ModelDialog*>("ModelDialog");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
  ExpectOnScreen(dialog);
  dialog->reject();
}

TEST_F(MainFormTest, TheMainWindowReturnsWhereItWasLeft) {
  MakeForm();
  form->move(120, 80);
  Click("ExitBtn");
  MakeForm();
  EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(120, 80));
}

}  // namespace
}  // namespace ventora::testing
