// The guide's pages: the table of limits is the program's own, and every
// link between pages, to a heading or to a picture leads somewhere.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "core/parameter_table.h"

namespace {

namespace fs = std::filesystem;
const fs::path kGuide = VENTORA_SOURCE_DIR "/docs/guide";

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A heading's link name, as the help window and Markdown viewers make it.
std::string Anchor(const std::string& heading) {
  std::string anchor;
  for (const char c : heading) {
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_')
      anchor += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    else if (c == ' ')
      anchor += '-';
  }
  return anchor;
}

std::set<std::string> Anchors(const std::string& page) {
  std::set<std::string> anchors;
  static const std::regex heading(R"(^#{1,6} +(.*?) *$)", std::regex::multiline);
  for (std::sregex_iterator m(page.begin(), page.end(), heading), end; m != end; ++m)
    anchors.insert(Anchor((*m)[1]));
  return anchors;
}

TEST(GuidePages, TheTableOfLimitsIsTheProgramsOwn) {
  EXPECT_EQ(ReadAll(kGuide / "limits.md"), ventora::limits::ParameterTableMarkdown())
      << "run: cmake --build --preset dev --target guide-limits-table";
  EXPECT_EQ(ventora::limits::RangeText(ventora::limits::kPhi.accepted, "Phi"), "0 <= Phi < 50");
  EXPECT_EQ(ventora::limits::RangeText(ventora::limits::kSbH.accepted, "SbH"), "SbH > 0");
}

TEST(GuidePages, EveryLinkLeadsSomewhere) {
  static const std::regex link(R"(\]\(([^)#]*)(#([^)]*))?\))");
  int links = 0;
  for (const auto& entry : fs::directory_iterator(kGuide)) {
    if (entry.path().extension() != ".md") continue;
    const std::string page = ReadAll(entry.path());
    for (std::sregex_iterator m(page.begin(), page.end(), link), end; m != end; ++m, ++links) {
      const std::string file = (*m)[1];
      if (file.starts_with("http")) continue;
      const fs::path target = file.empty() ? entry.path() : kGuide / file;
      SCOPED_TRACE(entry.path().filename().string() + " -> " + (*m)[0].str());
      ASSERT_TRUE(fs::exists(target));
      if ((*m)[3].matched) {
        EXPECT_TRUE(Anchors(ReadAll(target)).contains((*m)[3]));
      }
    }
  }
  EXPECT_GT(links, 50);
}

}  // namespace
