#include "core/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <future>
#include <thread>

#include "temp_folder.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// Settings live in the user's configuration folder; a file beside the
// program is used only when it is already there, and nothing is made there.
TEST(SettingsFile, LivesInTheConfigurationFolderUnlessACopyStandsBesideTheProgram) {
  TempFolder folder;
  const fs::path program = folder / "ventora";
  EXPECT_EQ(SettingsFilePath(program, {"/xdg", "/home/u"}), fs::path("/xdg/ventora/ventora.ini"));
  EXPECT_EQ(SettingsFilePath(program, {"", "/home/u"}),
            fs::path("/home/u/.config/ventora/ventora.ini"));
  EXPECT_EQ(SettingsFilePath(program, {"relative", "/home/u"}),
            fs::path("/home/u/.config/ventora/ventora.ini"));
  EXPECT_EQ(SettingsFilePath(program, {"", ""}), fs::path());
  EXPECT_TRUE(fs::is_empty(folder.path()));  // nothing is made beside the program
  WriteBytes(folder / "ventora.ini", "[general]\r\n");
  EXPECT_EQ(SettingsFilePath(program, {"/xdg", "/home/u"}), folder / "ventora.ini");
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
  // The byte-order mark stays, so that a second one (found by fuzzing) does
  // not become the first and turn "[general]" into a section when read again.
  const std::string mark = "\xEF\xBB\xBF";
  WriteBytes(file, mark + mark + "[general]\rlastdir=a\r");
  EXPECT_TRUE(SetIniValue(file, "general", "lastdir", "/new"));
  EXPECT_EQ(ReadBytes(file),
            mark + mark + "[general]\r\nlastdir=a\r\n[general]\r\nlastdir=/new\r\n");
  EXPECT_EQ(GetIniValue(file, "general", "lastdir"), "/new");
  // A section's line ends in its bracket, for the reader as for the rewrite.
  WriteBytes(file, "[general}\r\nlastdir=a\r\n");
  EXPECT_EQ(GetIniValue(file, "general", "lastdir"), "");
  EXPECT_TRUE(SetIniValue(file, "general", "lastdir", "/new"));
  EXPECT_EQ(GetIniValue(file, "general", "lastdir"), "/new");
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
  VENTORA_SKIP_WITHOUT_POSIX_FILES();
  TempFolder folder;
  const fs::path file = folder / (std::string(245, 's') + ".ini");  // no room for a temporary
  WriteBytes(file, "[general]\r\nlastdir=/old\r\n");
  EXPECT_FALSE(SetIniValue(file, "general", "lastdir", "/new"));
  EXPECT_EQ(ReadBytes(file), "[general]\r\nlastdir=/old\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

// A pipe, a device or a huge file is neither read nor replaced: start-up goes
// on with the defaults and a warning naming it. A hang fails the guard.
TEST(SettingsFile, OnlyASmallRegularFileIsRead) {
  VENTORA_SKIP_WITHOUT_POSIX_FILES();
  TempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "fifo.ini").c_str(), 0600), 0);
  WriteBytes(folder / "huge.ini", "[general]\r\nlastdir=/\r\n" + std::string(2 << 20, ';'));
  const std::pair<fs::path, const char*> cases[] = {{folder / "fifo.ini", "not a regular file"},
                                                    {"/dev/zero", "not a regular file"},
                                                    {folder / "huge.ini", "larger than 1 MiB"}};
  for (const auto& [file, why] : cases) {
    std::packaged_task<std::string()> start([file = file] {
      std::string warning;
      const bool changed = RestoreLastDir(file, &warning);
      return changed || SetIniValue(file, "general", "lastdir", "/new") ? "" : warning;
    });
    std::future<std::string> warning = start.get_future();
    std::thread(std::move(start)).detach();
    ASSERT_EQ(warning.wait_for(std::chrono::seconds(20)), std::future_status::ready) << file;
    EXPECT_EQ(warning.get(), "The settings file \"" + file.string() + "\" is not read (it is " +
                                 why + "); the program starts with its defaults.");
  }
  EXPECT_EQ(fs::file_size(folder / "huge.ini"), 22 + (2u << 20));
}

}  // namespace
}  // namespace ventora
