#pragma once
// --jobs-from: the jobs of a batch listed in a file, one path a line.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ventora::cli {

// Thousands of paths fit many times over; a path longer than the system's
// longest (4096 bytes on Linux) is no path at all.
inline constexpr std::uintmax_t kJobListLimit = 16u << 20;
inline constexpr std::size_t kJobListLineLimit = 4096;

// Appends each non-blank line of `text` to `jobs` (any line end, a
// byte-order mark skipped; trailing blanks dropped, leading blanks kept as
// part of the path). Gives "" or why the list is refused, naming the line:
// a line longer than kJobListLineLimit, or an entry holding a NUL or
// another control character, which no job file's name holds and which the
// system would cut the name at. A refused list adds no job.
std::string ReadJobList(std::string_view text, std::vector<std::string>& jobs);

// Reads `file`, a regular file or a pipe of at most kJobListLimit bytes, or
// standard input for "-"; gives an error line naming the file, or empty.
std::string ReadJobListFile(const std::string& file, std::vector<std::string>& jobs);

}  // namespace ventora::cli
