#include "core/settings_file.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(SettingsFile, LivesBesideTheProgramOrFallsBackToTheConfigurationFolder) {
  TempFolder folder;
  EXPECT_EQ(SettingsFilePath(folder / "ventora", {"/xdg", "/home/u"}), folder / "ventora.ini");
  EXPECT_FALSE(fs::exists(folder / "ventora.$i$"));  // the probe leaves nothing
  const fs::path unwritable = folder / "no-such-folder" / "ventora";
  EXPECT_EQ(SettingsFilePath(unwritable, {"/xdg", "/home/u"}), fs::path("/xdg/ventora.ini"));
  EXPECT_EQ(SettingsFilePath(unwritable, {"", "/home/u"}), fs::path("/home/u/.config/ventora.ini"));
}

// A missing file, section or key reads as empty; a write replaces the key
// (names without case, values trimmed) or adds it at the end of its section,
// and keeps every other line.
TEST(SettingsFile, ReadsAndWritesOneKeyKeepingTheRest) {
  TempFolder folder;
  const fs::path file = folder / "ventora.ini";
  EXPECT_EQ(GetIniValue(file, "general", "lastdir"), "");
  WriteBytes(file, "; c\r\n  [GENERAL]  \r\n LastDir=  /a b  \r\n[o]\r\nlastdir=/o\r\n");
  EXPECT_EQ(GetIniValue(file, "general", "lastdir"), "/a b");
  EXPECT_TRUE(SetIniValue(file, "general", "lastdir", "/new"));
  EXPECT_EQ(ReadBytes(file), "; c\r\n  [GENERAL]  \r\nlastdir=/new\r\n[o]\r\nlastdir=/o\r\n");
  WriteBytes(file, "[o]\r\nx=1\r\n[general]\r\nsize=3");
  EXPECT_TRUE(SetIniValue(file, "general", "lastdir", "/new"));
  EXPECT_EQ(ReadBytes(file), "[o]\r\nx=1\r\n[general]\r\nsize=3\r\nlastdir=/new\r\n");
}

// Start-up enters the remembered folder; a folder that is gone changes nothing.
TEST(SettingsFile, TheRememberedFolderBecomesCurrentWhenItStillExists) {
  TempFolder folder;
  const fs::path file = folder / "ventora.ini";
  const fs::path here = fs::current_path();
  EXPECT_FALSE(RestoreLastDir(file));
  ASSERT_TRUE(SetIniValue(file, "general", "lastdir", (folder / "gone").string()));
  EXPECT_FALSE(RestoreLastDir(file));
  EXPECT_EQ(fs::current_path(), here);
  ASSERT_TRUE(SetIniValue(file, "general", "lastdir", folder.path().string()));
  EXPECT_TRUE(RestoreLastDir(file));
  EXPECT_EQ(fs::current_path(), folder.path());
  fs::current_path(here);
}

TEST(SettingsFile, AFailedWriteLeavesTheFileAsItWas) {
  TempFolder folder;
  WriteBytes(folder / "ventora.ini", "[general]\r\nlastdir=/old\r\n");
  fs::create_directory(folder / "ventora.$i$");  // the temporary cannot be made
  EXPECT_FALSE(SetIniValue(folder / "ventora.ini", "general", "lastdir", "/new"));
  EXPECT_EQ(ReadBytes(folder / "ventora.ini"), "[general]\r\nlastdir=/old\r\n");
}

}  // namespace
}  // namespace ventora
