#include "core/job_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace ventora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// Two elements on facade 1 and one on the roof.
constexpr const char* kExampleFile =
    " 0 45 20 15 30 20 10 .25 0 0\r\n"
    " 1 \r\n 2 \r\n 1  2.5 3\r\n 2  5 3\r\n"
    " 2 \r\n 0 \r\n 3 \r\n 0 \r\n 4 \r\n 0 \r\n"
    " 5 \r\n 1 \r\n 3  10 5\r\n"
    " 6 \r\n 0 \r\n";

Job ExampleJob() {
  Job job;
  job.AnWind = 45;
  job.PAD = 20;
  job.SbH = 15;
  job.Bdz = 30;
  job.BdX = 20;
  job.BdY = 10;
  job.VeEXP = 0.25f;
  job.ElmCount[1] = 2;
  job.ElmX[1][1] = 2.5f;
  job.ElmZ[1][1] = 3;
  job.ElmX[1][2] = 5;
  job.ElmZ[1][2] = 3;
  job.ElmCount[5] = 1;
  job.ElmX[5][1] = 10;
  job.ElmZ[5][1] = 5;
  return job;
}

Job ReadText(const std::string& text, NumberLocale locale = kPointDecimal) {
  TempFolder folder;
  const std::string path = folder / "job.in";
  WriteBytes(path, text);
  NumberText numbers(locale);
  return ReadJobFile(path, numbers);
}

TEST(JobFileWriting, TheExampleComesOutByteForByte) {
  EXPECT_EQ(JobFileText(ExampleJob()), kExampleFile);
  TempFolder folder;
  WriteJobFile(ExampleJob(), folder / "tower");
  EXPECT_EQ(ReadBytes(folder / "tower.in"), kExampleFile);
  EXPECT_FALSE(std::filesystem::exists(folder / "tower.in.tmp"));
}

TEST(JobFileWriting, AnEmptyJobIsTheHeaderAndSixEmptyBlocks) {
  EXPECT_EQ(JobFileText(Job{}),
            " 0 0 0 0 0 0 0 0 0 0\r\n"
            " 1 \r\n 0 \r\n 2 \r\n 0 \r\n 3 \r\n 0 \r\n 4 \r\n 0 \r\n 5 \r\n 0 \r\n 6 \r\n 0 \r\n");
}

TEST(JobFileWriting, SevenSignificantDigitsAndRunningNumbers) {
  Job job;
  job.AzB = 12.3456789f;
  job.ElmCount[2] = 1;
  job.ElmX[2][1] = 0.00001f;
  job.ElmCount[4] = 1;
  job.ElmX[4][1] = 123456789.0f;
  const std::string text = JobFileText(job);
  EXPECT_EQ(text.substr(0, 10), " 12.34568 ");
  EXPECT_NE(text.find("\r\n 1  1E-05 0\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n 2  1.234568E+08 0\r\n"), std::string::npos);
}

TEST(JobFileWriting, CountsBeyondTheCapacityAreClampedSoTheFileStaysReadable) {
  Job job;
  job.ElmCount[1] = 500;
  job.ElmCount[2] = -3;
  const std::string text = JobFileText(job);
  EXPECT_NE(text.find(" 1 \r\n 400 \r\n"), std::string::npos);
  EXPECT_NE(text.find(" 2 \r\n 0 \r\n"), std::string::npos);
  const Job back = ReadText(text);
  EXPECT_EQ(back.ElmCount[1], 400);
  EXPECT_EQ(back.ElmCount[2], 0);
}

TEST(JobFileReading, ReadsTheExample) {
  EXPECT_EQ(ReadText(kExampleFile), ExampleJob());
  EXPECT_EQ(ReadText(kExampleFile, kCommaDecimal), ExampleJob());
}

TEST(JobFileReading, ReadThenWrittenIsUnchanged) {
  TempFolder folder;
  Job job = ExampleJob();
  job.AzB = 12.3456789f;
  job.Phi = 17.5f;
  job.Islope = 2;
  job.ElmCount[3] = 400;
  for (int i = 1; i <= 400; ++i) {
    job.ElmX[3][i] = static_cast<float>(i) / 7.0f;
    job.ElmZ[3][i] = static_cast<float>(i) * 1.1e-3f;
  }
  WriteJobFile(job, folder / "a");
  NumberText numbers(kCommaDecimal);
  WriteJobFile(ReadJobFile(folder / "a.in", numbers), folder / "b");
  EXPECT_EQ(ReadBytes(folder / "a.in"), ReadBytes(folder / "b.in"));
}

TEST(JobFileReading, CommaDecimalHeaderWithSingleBlanks) {
  const Job job = ReadText("0,25 45 20 15 30 20 10 0,3 1 12,5\r\n");
  EXPECT_EQ(job.AzB, 0.25f);
  EXPECT_EQ(job.VeEXP, 0.3f);
  EXPECT_EQ(job.Islope, 1);
  EXPECT_EQ(job.Phi, 12.5f);
  EXPECT_EQ(ReadText("0,25 45 20 15 30 20 10 0,3 1 12,5\r\n", kCommaDecimal), job);
}

TEST(JobFileReading, TheHeaderLineIsLenient) {
  // Missing values read as 0, values beyond the tenth are ignored.
  Job job = ReadText(" 10 20\r\n");
  EXPECT_EQ(job.AzB, 10);
  EXPECT_EQ(job.AnWind, 20);
  EXPECT_EQ(job.Phi, 0);
  job = ReadText(" 1 2 3 4 5 6 7 .3 1 9 99 100\r\n");
  EXPECT_EQ(job.Phi, 9);
  // A bad value ends the header: the ones before it are taken.
  job = ReadText(" 1 2 x 4 5 6 7 .3 1 9\r\n 1 \r\n 1 \r\n 1  2 3\r\n");
  EXPECT_EQ(job.AnWind, 2);
  EXPECT_EQ(job.PAD, 0);
  EXPECT_EQ(job.BdY, 0);
  EXPECT_EQ(job.ElmCount[1], 1);
  // Islope rounds half to even.
  EXPECT_EQ(ReadText(" 0 0 0 0 0 0 0 0 2.5 0\r\n").Islope, 2);
  EXPECT_EQ(ReadText(" 0 0 0 0 0 0 0 0 1.5 0\r\n").Islope, 2);
  EXPECT_EQ(ReadText("").ElmCount, Job{}.ElmCount);
}

TEST(JobFileReading, RunningNumbersAreIgnoredAndBlankLinesBetweenBlocksSkipped) {
  const std::string renumbered =
      " 0 45 20 15 30 20 10 .25 0 0\n\n"
      " 1 \n 2 \n 1  2.5 3\n 1  5 3\n   \n"
      " 5 \r\n 1 \r\n 1\t10\t5\r\n\r\n  \r\n";
  EXPECT_EQ(ReadText(renumbered), ExampleJob());
}

TEST(JobFileReading, FacadesInAnyOrderAndRepeatedBlocksOverwrite) {
  const Job job = ReadText(
      " 0\r\n 5 \r\n 1 \r\n 1 7 8\r\n 2 \r\n 2 \r\n 1 1 1\r\n 2 2 2\r\n"
      " 2 \r\n 1 \r\n 1 9 9\r\n");
  EXPECT_EQ(job.ElmCount[5], 1);
  EXPECT_EQ(job.ElmX[5][1], 7);
  EXPECT_EQ(job.ElmCount[2], 1);
  EXPECT_EQ(job.ElmX[2][1], 9);
}

// Mended fault 1: nothing of the job held before leaks into the one read.
TEST(JobFileFaults, ReadingStartsFromTheEmptyJob) {
  const Job job = ReadText(" 1 2\r\n 3 \r\n 1 \r\n 1 4 5\r\n");
  EXPECT_EQ(job.Islope, 0);
  for (int f = 1; f <= kFacadeCount; ++f)
    EXPECT_EQ(job.ElmCount[f], f == 3 ? 1 : 0);
  EXPECT_EQ(job.ElmX[1][1], 0);
}

// Mended fault 2: a badly built file is refused, naming the file and line.
TEST(JobFileFaults, StructurallyBadFilesAreRefusedWithFileAndLine) {
  struct Case {
    const char* text;
    int line;
    const char* says;
  } cases[] = {
      {" 0\r\n 7 \r\n 0 \r\n", 2, "facade number"},
      {" 0\r\n 0 \r\n 0 \r\n", 2, "facade number"},
      {" 0\r\n x \r\n", 2, "facade number"},
      {" 0\r\n 1 \r\n 401 \r\n", 3, "element count of facade 1"},
      {" 0\r\n 1 \r\n-1 \r\n", 3, "element count"},
      {" 0\r\n 1 \r\n\r\n", 3, "element count"},
      {" 0\r\n 1 \r\n", 2, "ends before the element count"},
      {" 0\r\n 2 \r\n 3 \r\n 1 1 1\r\n", 4, "after 1 of the 3 elements of facade 2"},
      {" 0\r\n 1 \r\n 1 \r\n 1 2\r\n", 4, "number, X and Z"},
      {" 0\r\n 1 \r\n 1 \r\n 1 2 z\r\n", 4, "\"z\""},
      {" 0\r\n 1 \r\n 1 \r\n 1 2 1e39\r\n", 4, "number, X and Z"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::string path = folder / "bad.in";
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
}

TEST(JobFileFaults, AnUnreadableFileIsRefused) {
  TempFolder folder;
  NumberText numbers(kPointDecimal);
  EXPECT_THROW(ReadJobFile(folder / "missing.in", numbers), JobFileError);
  std::filesystem::create_directory(folder / "dir.in");
  EXPECT_THROW(ReadJobFile(folder / "dir.in", numbers), JobFileError);
}

// Mended fault 3: a failed write leaves the old file and is reported.
TEST(JobFileFaults, AFailedWriteKeepsTheOldFile) {
  TempFolder folder;
  const std::string name = folder / "tower";
  WriteBytes(name + ".in", kExampleFile);
  std::filesystem::create_directory(name + ".in.tmp");  // the temporary cannot be made
  EXPECT_THROW(WriteJobFile(Job{}, name), JobFileError);
  EXPECT_EQ(ReadBytes(name + ".in"), kExampleFile);
  EXPECT_THROW(WriteJobFile(Job{}, folder / "no-such-folder/tower"), JobFileError);
  std::filesystem::remove(name + ".in.tmp");
  std::filesystem::create_directory(folder / "taken.in");  // the target cannot be replaced
  try {
    WriteJobFile(Job{}, folder / "taken");
    ADD_FAILURE() << "wrote over a folder";
  } catch (const JobFileError& e) {
    EXPECT_NE(std::string(e.what()).find("taken.in"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "taken.in.tmp"));
}

// Mended fault 4: a negative value after another one can be told apart.
TEST(JobFileFaults, NegativeValuesAreSeparatedAndReadBack) {
  Job job;
  job.AzB = -5;
  job.AnWind = -0.5f;
  job.Islope = -1;
  job.Phi = -2;
  job.ElmCount[1] = 1;
  job.ElmX[1][1] = 5;
  job.ElmZ[1][1] = -3;
  job.ElmCount[2] = 1;
  job.ElmX[2][1] = -1e-5f;
  const std::string text = JobFileText(job);
  EXPECT_EQ(text.substr(0, text.find('\r')), "-5 -.5 0 0 0 0 0 0 -1 -2");
  EXPECT_NE(text.find("\r\n 1  5 -3\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\n 2  -1E-05 0\r\n"), std::string::npos) << text;
  EXPECT_EQ(ReadText(text), job);
}

TEST(JobName, OpenCutsTheExtensionAfterTheLastSeparator) {
  EXPECT_EQ(JobNameFromOpenPath("/jobs/tower.in"), "/jobs/tower");
  EXPECT_EQ(JobNameFromOpenPath("/jobs/tower.txt"), "/jobs/tower");
  EXPECT_EQ(JobNameFromOpenPath("/jobs/my.job.in"), "/jobs/my.job");
  EXPECT_EQ(JobNameFromOpenPath("/my.dir/tower"), "/my.dir/tower");
  EXPECT_EQ(JobNameFromOpenPath("tower"), "tower");
  EXPECT_EQ(JobNameFromOpenPath(""), "");
}

TEST(JobName, SaveAsCutsOnlyShortExtensions) {
  EXPECT_EQ(JobNameFromSaveAsPath("/jobs/tower.in"), "/jobs/tower");
  EXPECT_EQ(JobNameFromSaveAsPath("/jobs/tower.data"), "/jobs/tower.data");
  EXPECT_EQ(JobNameFromSaveAsPath("/jobs/tower.dat"), "/jobs/tower");
  EXPECT_EQ(JobNameFromSaveAsPath("/my.d/x"), "/my.d/x");
  EXPECT_EQ(JobNameFromSaveAsPath(".in"), "");
  EXPECT_EQ(JobNameFromSaveAsPath("a"), "a");
}

}  // namespace
}  // namespace ventora
