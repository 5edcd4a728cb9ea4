#include "core/settings_file.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class SettingsFile : public ::testing::Test {
 protected:
  fs::path Ini(const std::string& content) {
    WriteBytes(file_, content);
    return file_;
  }
  std::string Content() const { return ReadBytes(file_); }

  TempFolder folder_;
  fs::path file_ = folder_.path() / "ventora.ini";
};

TEST_F(SettingsFile, MissingFileSectionOrKeyReadsEmpty) {
  EXPECT_EQ(GetIniValue(file_, "general", "lastdir"), "");
  Ini("[other]\r\nlastdir=/x\r\n");
  EXPECT_EQ(GetIniValue(file_, "general", "lastdir"), "");
  Ini("[general]\r\nfoo=1\r\n");
  EXPECT_EQ(GetIniValue(file_, "general", "lastdir"), "");
}

TEST_F(SettingsFile, NamesCompareWithoutCaseAndValuesAreTrimmed) {
  Ini("  [GENERAL]  \r\n; lastdir=/comment\r\nno equals sign\r\n  LastDir=  /jobs/a b  \r\n");
  EXPECT_EQ(GetIniValue(file_, "general", "lastdir"), "/jobs/a b");
}

TEST_F(SettingsFile, ABlankBeforeTheEqualsSignIsPartOfTheKey) {
  Ini("[GENERAL]\r\nLastDir = C:\\x\r\n");
  EXPECT_EQ(GetIniValue(file_, "general", "lastdir"), "");
}

TEST_F(SettingsFile, AKeyInALaterSectionIsFoundToo) {
  Ini("[general]\r\nother=1\r\n[next]\r\nlastdir=/later\r\n");
  EXPECT_EQ(GetIniValue(file_, "general", "lastdir"), "/later");
  Ini("[next]\r\nlastdir=/before\r\n[general]\r\n");
  EXPECT_EQ(GetIniValue(file_, "general", "lastdir"), "");
}

TEST_F(SettingsFile, TheFirstWriteCreatesTheFile) {
  EXPECT_TRUE(SetIniValue(file_, "general", "lastdir", "/jobs"));
  EXPECT_EQ(Content(), "[general]\r\nlastdir=/jobs\r\n");
  EXPECT_EQ(GetIniValue(file_, "general", "lastdir"), "/jobs");
  EXPECT_TRUE(SetIniValue(folder_.path() / "new/sub/v.ini", "general", "lastdir", "/x"));
  EXPECT_EQ(GetIniValue(folder_.path() / "new/sub/v.ini", "GENERAL", "LASTDIR"), "/x");
}

TEST_F(SettingsFile, ReplacesTheKeyAndKeepsEverythingElse) {
  Ini("; settings\r\n[General]\r\nsize=3\r\nLASTDIR=/old\r\n; note\r\n[other]\r\nlastdir=/o\r\n");
  EXPECT_TRUE(SetIniValue(file_, "general", "lastdir", "/new"));
  EXPECT_EQ(
      Content(),
      "; settings\r\n[General]\r\nsize=3\r\nlastdir=/new\r\n; note\r\n[other]\r\nlastdir=/o\r\n");
  EXPECT_FALSE(fs::exists(folder_.path() / "ventora.$i$"));
}

TEST_F(SettingsFile, AddsTheKeyBeforeTheNextSection) {
  Ini("[general]\r\nsize=3\r\n[other]\r\nx=1\r\n");
  EXPECT_TRUE(SetIniValue(file_, "general", "lastdir", "/new"));
  EXPECT_EQ(Content(), "[general]\r\nsize=3\r\nlastdir=/new\r\n[other]\r\nx=1\r\n");
}

TEST_F(SettingsFile, AddsTheKeyAtTheEndOfALastSection) {
  Ini("[other]\r\nx=1\r\n[general]\r\nsize=3");
  EXPECT_TRUE(SetIniValue(file_, "general", "lastdir", "/new"));
  EXPECT_EQ(Content(), "[other]\r\nx=1\r\n[general]\r\nsize=3\r\nlastdir=/new\r\n");
}

TEST_F(SettingsFile, AppendsTheSectionWhenOnlyOthersExist) {
  Ini("[other]\r\nx=1\r\n");
  EXPECT_TRUE(SetIniValue(file_, "general", "lastdir", "/new"));
  EXPECT_EQ(Content(), "[other]\r\nx=1\r\n[general]\r\nlastdir=/new\r\n");
}

TEST_F(SettingsFile, AFailedWriteLeavesTheFileAsItWas) {
  Ini("[general]\r\nlastdir=/old\r\n");
  fs::create_directory(folder_.path() / "ventora.$i$");  // the temporary cannot be made
  EXPECT_FALSE(SetIniValue(file_, "general", "lastdir", "/new"));
  EXPECT_EQ(Content(), "[general]\r\nlastdir=/old\r\n");
}

class CurrentDirectoryGuard {
 public:
  CurrentDirectoryGuard() : saved_(fs::current_path()) {}
  ~CurrentDirectoryGuard() { fs::current_path(saved_); }

 private:
  fs::path saved_;
};

TEST_F(SettingsFile, LastDirIsSavedAndRestored) {
  CurrentDirectoryGuard guard;
  const fs::path jobs = folder_.path() / "jobs";
  fs::create_directory(jobs);
  fs::current_path(jobs);
  EXPECT_TRUE(SaveLastDir(file_));
  fs::current_path(folder_.path());
  EXPECT_TRUE(RestoreLastDir(file_));
  EXPECT_TRUE(fs::equivalent(fs::current_path(), jobs));
}

TEST_F(SettingsFile, AMissingLastDirIsIgnored) {
  CurrentDirectoryGuard guard;
  const fs::path before = fs::current_path();
  EXPECT_FALSE(RestoreLastDir(file_));
  Ini("[general]\r\nlastdir=" + (folder_.path() / "gone").string() + "\r\n");
  EXPECT_FALSE(RestoreLastDir(file_));
  EXPECT_EQ(fs::current_path(), before);
}

TEST_F(SettingsFile, LivesBesideTheProgramWhenThatFolderIsWritable) {
  const ConfigEnvironment env{"/xdg", "/home/u"};
  EXPECT_EQ(SettingsFilePath(folder_.path() / "ventora", env), folder_.path() / "ventora.ini");
  EXPECT_FALSE(fs::exists(folder_.path() / "ventora.$i$"));  // the probe leaves nothing
}

TEST_F(SettingsFile, FallsBackToTheConfigurationFolder) {
  const fs::path program = folder_.path() / "no-such-folder" / "ventora";
  EXPECT_EQ(SettingsFilePath(program, {"/xdg", "/home/u"}), fs::path("/xdg/ventora.ini"));
  EXPECT_EQ(SettingsFilePath(program, {"", "/home/u"}), fs::path("/home/u/.config/ventora.ini"));
}

}  // namespace
}  // namespace ventora
