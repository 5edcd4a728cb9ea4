// The user guide agrees with the program: every text the program can put in
// a message box, on standard error or in an error it reports appears word
// for word in the page of messages (the texts are the string literals of the
// calls that show or raise a message anywhere under src/, and the names the
// range messages take from the table of limits); the table of limits is the program's own; every
// link between pages, to a heading or to a picture leads somewhere.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "core/cp_envelope.h"
#include "core/number_text.h"
#include "core/parameter_table.h"
#include "engine/pre_run_checks.h"

namespace {

namespace fs = std::filesystem;
const fs::path kGuide = VENTORA_SOURCE_DIR "/docs/guide";

std::string ReadAll(const fs::path& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// The literals of the call that opens at `at` (up to its closing bracket,
// or its ';' for a line written to standard error), adjacent ones joined,
// split at line breaks; pieces of fewer than three letters say nothing.
void CallTexts(const std::string& code, std::size_t at, std::set<std::string>& texts) {
  std::size_t end = at;
  for (int depth = 1; end < code.size() && depth > 0 && !(depth == 1 && code[end] == ';'); ++end) {
    if (code[end] == '"')
      for (++end; end < code.size() && code[end] != '"'; ++end)
        end += code[end] == '\\';
    depth += (code[end] == '(' || code[end] == '{') - (code[end] == ')' || code[end] == '}');
  }
  const std::string call =
      std::regex_replace(code.substr(at, end - at), std::regex(R"("\s+")"), "");
  static const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
  for (std::sregex_iterator m(call.begin(), call.end(), literal), e; m != e; ++m) {
    std::string text = std::regex_replace((*m)[1].str(), std::regex(R"(\\[rn])"), "\n");
    std::istringstream lines(std::regex_replace(text, std::regex(R"(\\(.))"), "$1"));
    for (std::string line; std::getline(lines, line);) {
      const auto first = line.find_first_not_of(' ');
      const auto last = line.find_last_not_of(' ');
      if (first != std::string::npos && last - first >= 2)
        texts.insert(line.substr(first, last - first + 1));
    }
  }
}

std::set<std::string> ProgramTexts() {
  std::set<std::string> texts{ventora::kOutOfLimitsText, ventora::kSeparatorsEqualMessage};
  for (const auto& entry : fs::recursive_directory_iterator(VENTORA_SOURCE_DIR "/src")) {
    if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
    const std::string code = ReadAll(entry.path());
    for (const std::string marker :
         {"Tell(", "Message{", "ShowError(", "RangeMessage(", "Refuse(", "Error(", "Warning(",
          "runtime_error(", "Fail(", "err << ", "JobFileError(", "invalid_argument(", "ReadCount("})
      for (auto at = code.find(marker); at != std::string::npos; at = code.find(marker, at + 1))
        CallTexts(code, at + marker.size(), texts);
  }
  return texts;
}

TEST(GuideMessages, EveryMessageOfTheProgramIsExplained) {
  const std::string guide = ReadAll(kGuide / "messages.md");
  const std::set<std::string> texts = ProgramTexts();
  EXPECT_GT(texts.size(), 90u);  // the collection itself works
  for (const std::string& text : texts)
    EXPECT_NE(guide.find(text), std::string::npos) << "not in messages.md: [" << text << "]";
}

TEST(GuideMessages, EveryNameARangeMessageGivesIsExplained) {
  namespace limits = ventora::limits;
  const std::string guide = ReadAll(kGuide / "messages.md");
  for (const limits::ParameterLimits* p :
       {&limits::kAzB, &limits::kAnWind, &limits::kPAD, &limits::kSbH, &limits::kBdz, &limits::kBdX,
        &limits::kBdY, &limits::kVeEXP, &limits::kPhi, &limits::kIslope, &limits::kRbH,
        &limits::kFAR, &limits::kSAR}) {
    const std::string name = std::string(p->label) + " " + p->symbol;
    EXPECT_NE(guide.find("`" + name), std::string::npos) << name;
  }
}

// True when `page` has a heading that links name as `anchor` (lower case,
// blanks as "-", other signs dropped), as the help window names them.
bool HasHeading(const std::string& page, const std::string& anchor) {
  static const std::regex heading(R"(^#{1,6} +(.*?) *$)", std::regex::multiline);
  for (std::sregex_iterator m(page.begin(), page.end(), heading), end; m != end; ++m) {
    std::string name;
    for (const unsigned char c : (*m)[1].str())
      if (std::isalnum(c) || c == '-' || c == '_' || c == ' ')
        name += c == ' ' ? '-' : static_cast<char>(std::tolower(c));
    if (name == anchor) return true;
  }
  return false;
}

TEST(GuidePages, TheTableOfLimitsIsTheProgramsOwn) {
  EXPECT_EQ(ReadAll(kGuide / "limits.md"), ventora::limits::ParameterTableMarkdown())
      << "run: cmake --build --preset dev --target guide-limits-table";
}

TEST(GuidePages, TheEnvelopeOfPossibleCpIsTheProgramsOwn) {
  const std::string page = ReadAll(kGuide / "implausible-cp.md");
  for (const ventora::limits::CpEnvelope& row : ventora::limits::kCpEnvelope) {
    char bounds[40];
    std::snprintf(bounds, sizeof bounds, " | %+.1f | %+.1f | ", row.low.value, row.high.value);
    EXPECT_NE(page.find("| " + std::string(row.name) + bounds), std::string::npos) << row.name;
  }
}

TEST(GuidePages, EveryLinkLeadsSomewhere) {
  static const std::regex link(R"(\]\(([^)#]*)(#([^)]*))?\))");
  int links = 0;
  for (const auto& entry : fs::directory_iterator(kGuide)) {
    if (entry.path().extension() != ".md") continue;
    const std::string page = ReadAll(entry.path());
    for (std::sregex_iterator m(page.begin(), page.end(), link), end; m != end; ++m, ++links) {
      const fs::path target = (*m)[1].length() == 0 ? entry.path() : kGuide / (*m)[1].str();
      SCOPED_TRACE(entry.path().filename().string() + " -> " + (*m)[0].str());
      ASSERT_TRUE(fs::exists(target));
      EXPECT_TRUE(!(*m)[3].matched || HasHeading(ReadAll(target), (*m)[3]));
    }
  }
  EXPECT_GT(links, 50);
}

}  // namespace
