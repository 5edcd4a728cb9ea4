#pragma once
// --jobs-from: the jobs of a batch listed in a file, one path a line.

#include <istream>
#include <string>
#include <vector>

namespace ventora::cli {

// Appends each non-blank line of `in` to `jobs` (a line's CR and trailing
// blanks dropped, leading blanks kept as part of the path).
void ReadJobList(std::istream& in, std::vector<std::string>& jobs);

// Reads `file`, or standard input for "-"; gives an error line naming the
// file, or empty.
std::string ReadJobListFile(const std::string& file, std::vector<std::string>& jobs);

}  // namespace ventora::cli
