#include "job_list.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "core/text_lines.h"

namespace ventora::cli {
namespace {

// "a NUL", "the control character 0x1B": what the user cannot see in an editor.
std::string ControlName(unsigned char c) {
  if (c == 0) return "a NUL";
  if (c == '\t') return "a tab";
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", c);
  return std::string("the control character ") + hex;
}

std::string LineRefusal(int line, const std::string& why) {
  return "line " + std::to_string(line) + " " + why;
}

// The listed entry of one line, or the reason it is refused.
std::string CheckEntry(std::string_view line, int number) {
  if (line.size() > kJobListLineLimit)
    return LineRefusal(
        number, "is longer than " + std::to_string(kJobListLineLimit) + " bytes: no path is");
  // One at the start of the list is skipped; another is no part of a name.
  if (line.find("\xEF\xBB\xBF") != std::string_view::npos)
    return LineRefusal(number, "holds a byte-order mark, which no file name holds");
  for (const char c : line) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F)
      return LineRefusal(number, "holds " + ControlName(u) + ", which no file name holds");
  }
  return "";
}

std::string Refused(const std::string& file, const std::string& why) {
  if (file == "-") return "--jobs-from -: cannot read standard input: " + why;
  return "--jobs-from: cannot read \"" + file + "\": " + why;
}

}  // namespace

std::string ReadJobList(std::string_view text, std::vector<std::string>& jobs) {
  std::istringstream in{std::string(text)};
  TextLines lines(in);
  std::vector<std::string> listed;
  for (std::string_view line; lines.Next(line);) {
    const std::size_t end = line.find_last_not_of(" \t");
    if (end == std::string_view::npos) continue;
    line = line.substr(0, end + 1);
    if (std::string why = CheckEntry(line, lines.number()); !why.empty()) return why;
    listed.emplace_back(line);
  }
  jobs.insert(jobs.end(), listed.begin(), listed.end());
  return "";
}

std::string ReadJobListFile(const std::string& file, std::vector<std::string>& jobs) {
  std::optional<std::string> text;
  if (file == "-") {
    text = ReadWithin(std::cin, kJobListLimit);
    if (std::cin.bad()) return Refused(file, "the system refused it");
  } else {
    if (const std::string why = WhyNotReadable(file, kJobListLimit, Pipes::Accepted); !why.empty())
      return Refused(file, why);
    std::ifstream in(file, std::ios::binary);
    if (!in) return Refused(file, std::strerror(errno));
    text = ReadWithin(in, kJobListLimit);
    if (in.bad()) return Refused(file, "it cannot be read to its end");
  }
  if (!text) return Refused(file, "it holds more than " + SizeText(kJobListLimit));
  if (std::string why = ReadJobList(*text, jobs); !why.empty()) return Refused(file, why);
  return "";
}

}  // namespace ventora::cli
