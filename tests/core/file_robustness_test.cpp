// Feeds damaged job and settings files to the readers: each is either read or
// refused with a message; nothing crashes or reads outside its arrays (this
// runs in the sanitizer build as well).

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string_view>

#include "core/job_file.h"
#include "core/plain_fields.h"
#include "core/replace_file.h"
#include "core/settings_file.h"
#include "core/text_lines.h"
#include "job_builders.h"
#include "temp_folder.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteBytes;

std::string FullJobText() {
  Job job = testing::BlockJob(12.5f, 0);
  for (int f = 1; f <= kFacadeCount; ++f)
    for (int e = 1; e <= f * 7; ++e)
      testing::AddElement(job, f, static_cast<float>(e) * 0.37f - 3, static_cast<float>(f) * 1e-5f);
  return JobFileText(job);
}

// Damaged variants of `text`: every cut, and seeded byte changes.
std::vector<std::string> Damaged(const std::string& text, std::mt19937& random) {
  std::vector<std::string> out;
  for (std::size_t cut = 0; cut < text.size(); cut += 11)
    out.push_back(text.substr(0, cut));
  const std::string alphabet = " \t\r\n0123456789.,-+eE[]=;x\x00\xff";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int n = 0; n < 150; ++n) {
    std::string garbled = text;
    std::uniform_int_distribution<std::size_t> where(0, garbled.size() - 1);
    for (int k = 0; k < 1 + n % 8; ++k)
      garbled[where(random)] = alphabet[pick(random)];
    if (n % 5 == 0) garbled.insert(where(random), std::string(1 + n, alphabet[pick(random)]));
    out.push_back(garbled);
  }
  return out;
}

void ExpectReadOrRefused(const std::string& path, const std::string& text, NumberText& numbers) {
  WriteBytes(path, text);
  try {
    const Job job = ReadJobFile(path, numbers);
    for (int f = 0; f <= kFacadeCount; ++f) {
      ASSERT_GE(job.ElmCount[f], 0);
      ASSERT_LE(job.ElmCount[f], kMaxElements);
    }
  } catch (const JobFileError& e) {
    ASSERT_NE(std::string(e.what()).find(path), std::string::npos);
  }
}

TEST(FileRobustness, DamagedJobFilesAreReadOrRefused) {
  TempFolder folder;
  const std::string path = folder / "damaged.in";
  std::mt19937 random(20240601);
  std::vector<std::string> texts = Damaged(FullJobText(), random);
  texts.insert(texts.end(), {std::string(1 << 20, '9'), " 0\r\n" + std::string(1 << 20, '\n'),
                             " 0\r\n 1 \r\n 1 \r\n 1 " + std::string(1 << 20, '5') + " 1\r\n",
                             " 0\r\n 1 \r\n 400 \r\n" + std::string(399 * 5, ' ') + "\r\n",
                             " 0\r\n 1 \r\n 32767 \r\n", std::string(100000, '\0')});
  for (NumberLocale locale : {kPointDecimal, kCommaDecimal, NumberLocale{',', ' '}}) {
    NumberText numbers(locale);
    for (const std::string& text : texts)
      ExpectReadOrRefused(path, text, numbers);
  }
}

TEST(FileRobustness, DamagedSettingsFilesAreReadAndRewritten) {
  TempFolder folder;
  const std::filesystem::path file = folder.path() / "ventora.ini";
  std::mt19937 random(7);
  std::vector<std::string> texts =
      Damaged("; comment\r\n[other]\r\nx=1\r\n [General] \r\nsize=3\r\nlastdir=/a/b\r\n", random);
  // Up to the 1 MiB a settings file may have.
  texts.push_back(std::string(1 << 20, '['));
  texts.push_back("[" + std::string((1 << 20) - 4, '=') + "]\r\n");
  texts.push_back("[general]\r\n" + std::string((1 << 20) - 13, 'k') + "=v");
  texts.push_back("\xEF\xBB\xBF\r\r\n\n\r" + std::string(1000, '\r'));
  for (const std::string& text : texts) {
    WriteBytes(file, text);
    (void)GetIniValue(file, "general", "lastdir");
    ASSERT_TRUE(SetIniValue(file, "general", "lastdir", "/new"));
    ASSERT_NE(testing::ReadBytes(file).find("lastdir=/new\r\n"), std::string::npos);
  }
}

// `text` with its LF line ends replaced by `ends`, taken in turn.
std::string WithLineEnds(std::string_view text, const std::vector<std::string>& ends) {
  std::string out;
  std::size_t n = 0;
  for (const char c : text)
    out += c == '\n' ? ends[n++ % ends.size()] : std::string(1, c);
  return out;
}

// CR, LF, CR LF and all three mixed, each with and without a UTF-8 byte-order
// mark, read as the LF file does.
TEST(FileRobustness, EveryLineEndAndAByteOrderMarkReadAlike) {
  TempFolder folder;
  std::string job = FullJobText();
  std::erase(job, '\r');
  const std::string settings = "[general]\nsize=3\n\n[other]\nlastdir=/o\n";
  NumberText numbers(kPointDecimal);
  WriteBytes(folder / "lf.in", job);
  const Job expected = ReadJobFile(folder / "lf.in", numbers);
  ASSERT_EQ(expected.ElmCount[6], 42);
  const std::vector<std::vector<std::string>> ends = {
      {"\r"}, {"\r\n"}, {"\n"}, {"\r\n", "\r", "\n"}};
  for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
    for (const auto& end : ends) {
      const std::string path = folder / "variant.in";
      WriteBytes(path, mark + WithLineEnds(job, end));
      EXPECT_EQ(ReadJobFile(path, numbers), expected) << end.size() << mark.size();
      const fs::path ini = folder / "variant.ini";
      WriteBytes(ini, mark + WithLineEnds(settings, end));
      EXPECT_EQ(GetIniValue(ini, "general", "size"), "3");
      ASSERT_TRUE(SetIniValue(ini, "general", "lastdir", "/new"));
      EXPECT_EQ(GetIniValue(ini, "general", "lastdir"), "/new");
    }
  }
}

// Long texts are read in parts: a line, or the CR LF that ends it, may run
// over from one part into the next, and lines may span several parts.
TEST(FileRobustness, LinesReadWholeWhereverTheyFall) {
  for (const std::size_t length : {65534u, 65535u, 65536u, 131071u, 200000u}) {
    for (const std::string end : {"\n", "\r", "\r\n"}) {
      const std::vector<std::string> expected = {std::string(length, 'a'), "", "b",
                                                 std::string(70000, 'c')};
      std::istringstream in(expected[0] + end + end + "b" + end + expected[3]);
      TextLines lines(in);
      std::string line;
      std::string_view view;
      for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_TRUE(i % 2 == 0 ? lines.Next(line) : lines.Next(view)) << length << end.size();
        EXPECT_EQ(i % 2 == 0 ? line : std::string(view), expected[i]) << length << i;
      }
      EXPECT_FALSE(lines.Next(line));
      EXPECT_EQ(lines.number(), 4);
    }
  }
}

// The job file's element lines are read up to the character after each line
// (ReadPlainLine): every line a view gives, wherever it falls among the
// blocks, the first and the last too, is followed by a line end or a NUL.
TEST(FileRobustness, EveryLineIsFollowedByACharacterThatEndsIt) {
  for (const std::size_t length : {0u, 65533u, 65534u, 65535u, 65536u, 131071u}) {
    for (const std::string end : {"\n", "\r", "\r\n"}) {
      for (const std::string& last : {std::string(), std::string("9 8 7"), "9 8 7" + end}) {
        std::istringstream in(
            "\xEF\xBB\xBF"
            "1 2" +
            end + std::string(length, '5') + end + "3" + end + end + std::string(70000, '6') + end +
            last);
        TextLines lines(in);
        std::string_view view;
        while (lines.Next(view))
          ASSERT_TRUE(plain_fields::EndsLine(view.data()[view.size()]))
              << length << " " << end.size() << " line " << lines.number();
        EXPECT_EQ(lines.number(), last.empty() ? 5 : 6);
      }
    }
  }
}

// Of the names alike, only a temporary's that no live writer holds goes (the
// process tests remove the others a killed run leaves).
TEST(FileRobustness, AStaleTemporaryGoesOneInUseAndLookAlikesStay) {
  VENTORA_SKIP_WITHOUT_POSIX_FILES();
  TempFolder folder;
  for (const char* name : {"job.in", "job.out.txt.tmp-short", "job.notes.tmp", "other.in.tmp",
                           "job.out.txt.tmp1234567", "job.sweep.idf.tmp-00000000"})
    WriteBytes(folder / name, "x");
  ReplacingFile live(folder / "job.out.csv");
  EXPECT_EQ(RemoveStaleTemporaries(folder / "job"), 1);
  EXPECT_FALSE(fs::exists(folder / "job.sweep.idf.tmp-00000000"));
  EXPECT_TRUE(fs::exists(live.temporary()));
}

// A batch reads each folder once for all its jobs: the temporaries of those
// jobs go, in every folder, and nobody else's.
TEST(FileRobustness, ABatchRemovesItsJobsStaleTemporariesOnly) {
  TempFolder folder;
  fs::create_directory(folder / "sub");
  const std::vector<std::pair<std::string, bool>> files = {{"a.out.txt.tmp-Zz09Zz09", true},
                                                           {"b.in.tmp12", true},
                                                           {"sub/a.sweep.csv.tmp-00000000", true},
                                                           {"c.out.txt.tmp-Zz09Zz09", false},
                                                           {"x.a.out.txt.tmp-Zz09Zz09", false},
                                                           {"a.out.txt.tmp-short", false},
                                                           {"sub/b.in.tmp12", false},
                                                           {"a.out.txt", false}};
  for (const auto& [name, stale] : files)
    WriteBytes(folder / name, "x");
  const std::vector<std::string> jobs = {folder / "a", folder / "b", folder / "sub" / "a"};
  EXPECT_EQ(RemoveStaleTemporaries(jobs), 3);
  for (const auto& [name, stale] : files)
    EXPECT_EQ(fs::exists(folder / name), !stale) << name;
}

}  // namespace
}  // namespace ventora
