#include "core/job_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "job_builders.h"
#include "temp_folder.h"

namespace ventora {
namespace {

using testing::AddElement;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// Two elements on wall 1 and one on the roof, numbered through the job.
constexpr const char* kExampleFile =
    " 0 45 20 10 10 20 10 .25 0 0\r\n"
    " 1 \r\n 2 \r\n 1  2.5 3\r\n 2  5 3\r\n"
    " 2 \r\n 0 \r\n 3 \r\n 0 \r\n 4 \r\n 0 \r\n"
    " 5 \r\n 1 \r\n 3  10 5\r\n"
    " 6 \r\n 0 \r\n";

Job ExampleJob() {
  Job job = testing::BlockJob(0, 45);
  AddElement(job, 1, 2.5f, 3);
  AddElement(job, 1, 5, 3);
  AddElement(job, 5, 10, 5);
  return job;
}

Job ReadText(const std::string& text, NumberLocale locale = kPointDecimal) {
  TempFolder folder;
  WriteBytes(folder / "job.in", text);
  NumberText numbers(locale);
  return ReadJobFile(folder / "job.in", numbers);
}

TEST(JobFile, TheExampleIsWrittenAndReadByteForByte) {
  EXPECT_EQ(JobFileText(ExampleJob()), kExampleFile);
  TempFolder folder;
  WriteJobFile(ExampleJob(), folder / "tower");
  EXPECT_EQ(ReadBytes(folder / "tower.in"), kExampleFile);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  EXPECT_EQ(ReadText(kExampleFile), ExampleJob());
  EXPECT_EQ(ReadText(kExampleFile, kCommaDecimal), ExampleJob());
}

// Seven significant digits, exponents, negative values after another value,
// a full facade and counts clamped to what the file can hold.
TEST(JobFile, ReadThenWrittenIsUnchanged) {
  Job job;
  job.AzB = 12.3456789f;
  job.AnWind = -0.5f;
  job.Islope = -1;
  job.Phi = -2;
  AddElement(job, 1, 5, -3);
  AddElement(job, 2, -1e-5f, 0);
  AddElement(job, 4, 123456789.0f, 0);
  job.ElmCount[5] = -3;
  job.ElmCount[3] = 500;
  for (int i = 1; i <= kMaxElements; ++i)
    job.ElmX[3][i] = static_cast<float>(i) / 7.0f;
  const std::string text = JobFileText(job);
  EXPECT_EQ(text.substr(0, text.find('\r')), " 12.34568 -.5 0 0 0 0 0 0 -1 -2");
  for (const char* part : {"\r\n 1 \r\n 1 \r\n 1  5 -3\r\n", "\r\n 2  -1E-05 0\r\n",
                           "\r\n 403  1.234568E+08 0\r\n", " 3 \r\n 400 \r\n", " 5 \r\n 0 \r\n"})
    EXPECT_NE(text.find(part), std::string::npos) << part;
  EXPECT_EQ(JobFileText(ReadText(text, kCommaDecimal)), text);
}

// Running numbers ignored, blank lines and tabs skipped, LF alone, facades in
// any order; a bad header value ends the header, and a repeated block wins.
TEST(JobFile, ReadingIsLenientWhereTheLayoutAllows) {
  EXPECT_EQ(ReadText(" 0 45 20 10 10 20 10 .25 0 0 x\n\n 5 \n 1 \n 9\t10\t5\n  \r\n"
                     " 1 \n 2 \n 1  2.5 3\n 1  5 3\n 1 \n 2 \n 1  2.5 3\n 1  5 3\n"),
            ExampleJob());
  const Job job = ReadText(" 1 2 x 4\r\n");
  EXPECT_EQ(job.AnWind, 2);
  EXPECT_EQ(job.PAD, 0);
  // A facade given again replaces the first block whole.
  const Job again = ReadText(
      " 0 45 20 10 10 20 10 .25 0 0\n 1 \n 2 \n 1  2.5 3\n 2  5 3\n"
      " 1 \n 1 \n 1  7 3\n");
  EXPECT_EQ(again.ElmCount[1], 1);
  EXPECT_EQ(again.ElmX[1][1], 7);
  EXPECT_EQ(again.ElmX[1][2], 0);
  EXPECT_EQ(again.ElmZ[1][2], 0);
}

// The header values a damaged first line (or an empty file) leaves at 0,
// which the desktop program names in its warning.
TEST(JobFile, TheHeaderValuesNotReadAreNamed) {
  using Names = std::vector<std::string>;
  const std::pair<const char*, Names> cases[] = {
      {" 0 45 20 10 10 20 10 .25 0 0\r\n", {}},
      {" 1 2 x 4\r\n", {"PAD", "SbH", "Bdz", "BdX", "BdY", "VeEXP", "Islope", "Phi"}},
      {" 1 2 3 4 5 6 7 .2\n", {"Islope", "Phi"}},
      {"", {"AzB", "AnWind", "PAD", "SbH", "Bdz", "BdX", "BdY", "VeEXP", "Islope", "Phi"}},
  };
  for (const auto& [text, unread] : cases) {
    TempFolder folder;
    WriteBytes(folder / "job.in", text);
    NumberText numbers(kPointDecimal);
    JobFileNotes notes;
    ReadJobFile(folder / "job.in", numbers, notes);
    EXPECT_EQ(notes.unreadHeader, unread) << '"' << text << '"';
    EXPECT_EQ(notes.headerLine, 1);
  }
}

TEST(JobFile, BadFilesAreRefusedNamingFileAndLine) {
  const struct {
    const char* text;
    int line;
    const char* says;
  } cases[] = {
      {" 0\r\n 7 \r\n 0 \r\n", 2, "facade number"},
      {" 0\r\n 1 \r\n 401 \r\n", 3, "element count of facade 1"},
      {" 0\r\n 1 \r\n", 2, "ends before the element count"},
      {" 0\r\n 2 \r\n 3 \r\n 1 1 1\r\n", 4, "after 1 of the 3 elements of facade 2"},
      {" 0\r\n 1 \r\n 1 \r\n 1 2\r\n", 4, "number, X and Z"},
      {" 0\r\n 1 \r\n 1 \r\n 1 2 1e39\r\n", 4, "number, X and Z"},
      // Control characters from the file, C1 ones too, are shown escaped.
      {" 0\r\n 1 \r\n 1 \r\n 1 2\x9B"
       "5 3\r\n",
       4, "\"2\\x9B5\" is not a valid"},
      {" 0\r\n 1 \r\n 1 \r\n 1 \x1B[2J\xC2\x85\xC3\xA9 3\r\n", 4,
       "\"\\x1B[2J\\xC2\\x85\xC3\xA9\" is not a valid"},
  };
  TempFolder folder;
  const std::string path = folder / "bad.in";
  for (const auto& c : cases) {
    WriteBytes(path, c.text);
    NumberText numbers(kPointDecimal);
    try {
      ReadJobFile(path, numbers);
      ADD_FAILURE() << "read: " << c.text;
    } catch (const JobFileError& e) {
      const std::string message = e.what();
      EXPECT_EQ(e.line(), c.line) << message;
      EXPECT_NE(message.find(path), std::string::npos) << message;
      EXPECT_NE(message.find("line " + std::to_string(c.line)), std::string::npos) << message;
      EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
  }
  NumberText numbers(kPointDecimal);
  EXPECT_THROW(ReadJobFile(folder / "missing.in", numbers), JobFileError);
  std::filesystem::resize_file(path, (64 << 20) + 1);  // sparse: refused unread
  EXPECT_THROW(ReadJobFile(path, numbers), JobFileError);
}

// The message names the file, its folder and the system's reason; the old
// file stays and no temporary is left.
TEST(JobFile, AFailedWriteKeepsTheOldFile) {
  VENTORA_SKIP_WITHOUT_POSIX_FILES();
  TempFolder folder;
  const std::string name = folder / std::string(245, 'j');  // the temporary's name is too long
  WriteBytes(name + ".in", kExampleFile);
  try {
    WriteJobFile(Job{}, name);
    ADD_FAILURE() << "written";
  } catch (const JobFileError& e) {
    EXPECT_EQ(e.what(), "Job file \"" + name +
                            ".in\": the file cannot be written in the folder \"" +
                            folder.path().string() + "\": File name too long.");
  }
  EXPECT_EQ(ReadBytes(name + ".in"), kExampleFile);
  std::filesystem::create_directory(folder / "taken.in");  // the target cannot be replaced
  EXPECT_THROW(WriteJobFile(Job{}, folder / "taken"), JobFileError);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

}  // namespace
}  // namespace ventora
