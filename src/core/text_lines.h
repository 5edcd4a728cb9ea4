#pragma once
// Reading the program's text files as the user's editor wrote them: lines end
// in LF, CR LF or CR alone (mixed in one file too), and a UTF-8 byte-order
// mark at the start is skipped. Files are read only when they are regular
// files within a size limit, so a device, a pipe or a runaway file can
// neither hang the program nor fill its memory.

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ventora {

inline constexpr std::uintmax_t kSettingsFileLimit = 1u << 20;  // a few lines in use
inline constexpr std::uintmax_t kJobFileLimit = 64u << 20;      // a full job is under 40 KB

// The lines of a stream, numbered from 1, without their line ends.
class TextLines {
 public:
  explicit TextLines(std::istream& in) : in_(in) {}

  // False at the end of the text. The view form gives a line that stays
  // valid until the next call, without a copy.
  bool Next(std::string& line);
  bool Next(std::string_view& line);
  int number() const { return number_; }

 private:
  // The text is taken from the stream a block at a time: a character at a
  // time cost more than all the rest of reading a job file's line.
  static constexpr std::size_t kBlockSize = 64u << 10;
  bool Fill();  // the next block; false at the end of the text
  // The end of a line that reaches the block's last character: its rest and
  // its line end may lie in the next blocks.
  std::string_view EndAcrossBlocks(std::string_view line);

  std::istream& in_;
  std::unique_ptr<char[]> block_;  // a few line ends follow the text
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::string carry_;  // a line that runs on into the next block
  int number_ = 0;
};

// Whether a reader takes a pipe: one whose text is read whole at once can
// count what it reads (ReadWithin) and stop at its limit.
enum class Pipes { Refused, Accepted };

// Why `path` is not read as a text file of at most `limit` bytes ("it is not
// a regular file", "it is larger than 1 MiB"), or "" when it may be read.
// A missing file gives "it does not exist". With Pipes::Accepted a pipe may
// be read too ("it is not a regular file or a pipe" for a device); the size
// of a pipe is known only once read.
std::string WhyNotReadable(const std::filesystem::path& path, std::uintmax_t limit,
                           Pipes pipes = Pipes::Refused);

// The whole rest of `in`, or nothing when it holds more than `limit` bytes:
// then at most `limit` + 1 bytes were read, whatever the stream (a pipe fed
// without end, /dev/zero behind standard input).
std::optional<std::string> ReadWithin(std::istream& in, std::uintmax_t limit);

// "1 MiB", "64 MiB": a limit as the messages say it.
std::string SizeText(std::uintmax_t bytes);

}  // namespace ventora
