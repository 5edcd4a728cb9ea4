#pragma once
// Reading the program's text files as the user's editor wrote them: lines end
// in LF, CR LF or CR alone (mixed in one file too), and a UTF-8 byte-order
// mark at the start is skipped. Files are read only when they are regular
// files within a size limit, so a device, a pipe or a runaway file can
// neither hang the program nor fill its memory.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/portable_std.h"

namespace ventora {

inline constexpr std::uintmax_t kSettingsFileLimit = 1u << 20;  // a few lines in use
inline constexpr std::uintmax_t kJobFileLimit = 64u << 20;      // a full job is under 40 KB

namespace text_lines {

// Reads of 8 bytes at a time run past the block's end by up to 7 bytes.
inline constexpr std::size_t kWord = 8;

// The first LF or CR at or after `p`; the line ends that follow the block
// stop the search there.
inline const char* FindLineEnd(const char* p) {
  if constexpr (std::endian::native == std::endian::little) {
    // Eight characters per step. The usual test for a byte below 14 marks
    // every LF and CR of `word`, and now and then another byte (a tab, or a
    // byte above a marked one): each mark is checked in order.
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    for (;; p += kWord) {
      std::uint64_t word = 0;
      std::memcpy(&word, p, kWord);
      for (std::uint64_t marks = (word - kOnes * ('\r' + 1)) & ~word & kHigh; marks != 0;
           marks &= marks - 1) {
        const char* const c = p + std::countr_zero(marks) / 8;
        if (*c == '\n' || *c == '\r') return c;
      }
    }
  } else {
    while (*p != '\n' && *p != '\r')
      ++p;
    return p;
  }
}

}  // namespace text_lines

// The lines of a stream, numbered from 1, without their line ends.
class TextLines {
 public:
  explicit TextLines(std::istream& in) : in_(in) {}

  // False at the end of the text. The view form gives a line that stays
  // valid until the next call, without a copy.
  bool Next(std::string& line);
  bool Next(std::string_view& line) {
    // Inline for a line that ends, its line end too, within the block, as
    // nearly every line after the first does: a job file's reading is a few
    // instructions a character, so a call a line would be felt.
    if (number_ > 0 && pos_ != end_) {
      const char* const begin = block_.get() + pos_;
      const char* const p = text_lines::FindLineEnd(begin);
      const auto at = static_cast<std::size_t>(p - block_.get());
      if (at + 1 < end_) {
        line = portable::TextBetween(begin, p);
        pos_ = at + (p[0] == '\r' && p[1] == '\n' ? 2 : 1);
        ++number_;
        return true;
      }
    }
    return NextOutOfLine(line);
  }
  int number() const { return number_; }

 private:
  // The text is taken from the stream a block at a time: a character at a
  // time cost more than all the rest of reading a job file's line.
  static constexpr std::size_t kBlockSize = 64u << 10;
  bool Fill();                                 // the next block; false at the end of the text
  bool NextOutOfLine(std::string_view& line);  // any line, the first and the last too
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
