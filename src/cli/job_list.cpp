#include "job_list.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

namespace ventora::cli {

void ReadJobList(std::istream& in, std::vector<std::string>& jobs) {
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t end = line.find_last_not_of(" \t\r");
    if (end == std::string::npos) continue;
    line.resize(end + 1);
    jobs.push_back(line);
  }
}

std::string ReadJobListFile(const std::string& file, std::vector<std::string>& jobs) {
  if (file == "-") {
    ReadJobList(std::cin, jobs);
    return std::cin.bad() ? "--jobs-from -: cannot read standard input" : "";
  }
  std::ifstream in(file);
  if (!in) return "--jobs-from: cannot read \"" + file + "\": " + std::strerror(errno);
  ReadJobList(in, jobs);
  if (in.bad()) return "--jobs-from: cannot read \"" + file + "\"";
  return "";
}

}  // namespace ventora::cli
