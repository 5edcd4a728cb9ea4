// Every text the program can put in a message box, on standard error or in
// an error it reports appears word for word in the guide's message page.
// The texts come from the table of limits and from the string literals in
// the calls that show or raise a message anywhere under src/.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "core/number_text.h"
#include "core/parameter_limits.h"
#include "engine/pre_run_checks.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The calls whose string arguments are (pieces of) a message.
// (and the lines ventora-run writes on standard error, up to their ';').
constexpr std::array<const char*, 13> kMarkers{
    "Tell(",   "Message{",          "ShowError(",     "RangeMessage(", "Refuse(",
    "Error(",  "Warning(",          "runtime_error(", "Fail(",         "JobFileError(",
    "err << ", "invalid_argument(", "ReadCount("};

// Reads the literal at `at` (its opening quote); returns its text, with the
// line breaks it holds as '\n', and moves `at` past it.
std::string Literal(const std::string& code, std::size_t& at) {
  std::string text;
  for (++at; at < code.size() && code[at] != '"'; ++at) {
    if (code[at] != '\\') {
      text += code[at];
      continue;
    }
    const char c = code[++at];
    text += (c == 'n' || c == 'r') ? '\n' : c;
  }
  ++at;
  return text;
}

// The literals of the call that opens at `at`, adjacent ones joined, split
// at line breaks; pieces of fewer than three letters say nothing alone.
void CallTexts(const std::string& code, std::size_t at, std::set<std::string>& texts) {
  std::string joined;
  auto flush = [&] {
    std::istringstream lines(joined);
    for (std::string line; std::getline(lines, line);) {
      const auto first = line.find_first_not_of(' ');
      const auto last = line.find_last_not_of(' ');
      if (first != std::string::npos && last - first >= 2)
        texts.insert(line.substr(first, last - first + 1));
    }
    joined.clear();
  };
  for (int depth = 1; at < code.size() && depth > 0;) {
    const char c = code[at];
    if (c == '"') {
      joined += Literal(code, at);
      continue;
    }
    if (c == ';' && depth == 1) break;
    if (c == '\'') at = code.find('\'', at + 2);
    depth += (c == '(' || c == '{') - (c == ')' || c == '}');
    if (c != ' ' && c != '\n') flush();
    ++at;
  }
  flush();
}

std::set<std::string> ProgramTexts() {
  std::set<std::string> texts;
  for (const auto& entry : fs::recursive_directory_iterator(VENTORA_SOURCE_DIR "/src")) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    const std::string code = ReadAll(entry.path());
    for (const char* marker : kMarkers)
      for (auto at = code.find(marker); at != std::string::npos; at = code.find(marker, at + 1))
        CallTexts(code, at + std::string(marker).size(), texts);
  }
  namespace lim = ventora::limits;
  for (const lim::ParameterLimits* p :
       {&lim::kAzB, &lim::kAnWind, &lim::kPAD, &lim::kSbH, &lim::kBdz, &lim::kBdX, &lim::kBdY,
        &lim::kVeEXP, &lim::kPhi, &lim::kIslope, &lim::kRbH, &lim::kFAR, &lim::kSAR, &lim::kXL,
        &lim::kZH})
    for (const char* text : {p->fieldRefusal, p->checkError, p->checkWarning, p->runWarning})
      if (text != nullptr) texts.insert(text);
  texts.insert(ventora::kOutOfLimitsText);
  texts.insert(ventora::kSeparatorsEqualMessage);
  return texts;
}

TEST(GuideMessages, EveryMessageOfTheProgramIsExplained) {
  const std::string guide = ReadAll(VENTORA_SOURCE_DIR "/docs/guide/messages.md");
  const std::set<std::string> texts = ProgramTexts();
  EXPECT_GT(texts.size(), 80u);  // the collection itself works
  for (const std::string& text : texts)
    EXPECT_NE(guide.find(text), std::string::npos) << "not in messages.md: [" << text << "]";
}

}  // namespace
