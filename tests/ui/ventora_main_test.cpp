// Start-up: the remembered directory comes back and the main window shows
// at the top left corner.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>

#include "core/settings_file.h"
#include "recording_messages.h"
#include "ui/app/number_format_check.h"
#include "ui/app/ventora_main.h"
#include "ui_fakes.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;

TEST(Main, RestoresTheLastDirectoryAndShowsTheMainWindow) {
  testing::ScratchFolder scratch;
  fs::create_directory(scratch.path() / "jobs");
  ASSERT_TRUE(SetIniValue(scratch.path() / "ventora.ini", "general", "lastdir", scratch / "jobs"));
  NumberText numbers{kPointDecimal};
  numbers.DetectNumberFormat();

  auto program = Main(numbers, StartOptions{scratch.path() / "ventora", /*showTitle=*/false});

  EXPECT_EQ(fs::current_path(), scratch.path() / "jobs");
  ASSERT_NE(program->mainForm, nullptr);
  EXPECT_TRUE(program->mainForm->isVisible());
  EXPECT_EQ(program->mainForm->pos(), QPoint(0, 0));
  EXPECT_FALSE(program->title->isVisible());
  EXPECT_GT(program->mainForm->Metrics().TwipsX, 0);
}

TEST(Main, WithoutSettingsTheDirectoryStaysAsItWas) {
  testing::ScratchFolder scratch;
  NumberText numbers{kPointDecimal};
  auto program = Main(numbers, StartOptions{scratch.path() / "ventora", false});
  EXPECT_EQ(fs::current_path(), scratch.path());
}

TEST(NumberFormatUsable, EqualSeparatorsStopTheProgramWithAMessage) {
  testing::RecordingMessages messages;
  NumberText same{NumberLocale{'.', '.'}};
  EXPECT_FALSE(NumberFormatUsable(same, messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error");
  EXPECT_EQ(messages.shown[0].text, "Thousands and decimal separators must be different");

  messages.shown.clear();
  NumberText comma{kCommaDecimal};
  EXPECT_TRUE(NumberFormatUsable(comma, messages));
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace ventora
