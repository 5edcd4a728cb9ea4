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
// or adds it at the end of its section and keeps every other line.
TEST(SettingsFile, ReadsAndWritesOneKeyKeepingTheRest) {
  const struct {
    const char* before;
    const char* read;
    const char* after;
  } cases[] = {
      {nullptr, "", "[general]\r\nlastdir=/new\r\n"},
      {"[next]\r\nlastdir=/n\r\n", "", "[next]\r\nlastdir=/n\r\n[general]\r\nlastdir=/new\r\n"},
      {"; c\r\n  [GENERAL]  \r\n LastDir=  /a b  \r\n[o]\r\n", "/a b",
       "; c\r\n  [GENERAL]  \r\nlastdir=/new\r\n[o]\r\n"},
      {"[general]\r\nLastDir = x\r\n[o]\r\nx=1\r\n", "",
       "[general]\r\nLastDir = x\r\nlastdir=/new\r\n[o]\r\nx=1\r\n"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const fs::path file = folder / "ventora.ini";
    if (c.before) WriteBytes(file, c.before);
    EXPECT_EQ(GetIniValue(file, "general", "lastdir"), c.read) << c.after;
    EXPECT_TRUE(SetIniValue(file, "general", "lastdir", "/new"));
    EXPECT_EQ(ReadBytes(file), c.after);
  }
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
