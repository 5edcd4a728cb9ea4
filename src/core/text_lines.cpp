#include "core/text_lines.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace ventora {

namespace {

// Reads of 8 bytes at a time run past the block's end by up to 7 bytes.
constexpr std::size_t kWord = 8;

// The first LF or CR at or after `p`; the line ends that follow the block
// stop the search there.
const char* FindLineEnd(const char* p) {
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

}  // namespace

bool TextLines::Fill() {
  if (!block_) block_ = std::make_unique_for_overwrite<char[]>(kBlockSize + kWord);
  end_ = static_cast<std::size_t>(in_.rdbuf()->sgetn(block_.get(), kBlockSize));
  pos_ = 0;
  std::memset(block_.get() + end_, '\n', kWord);
  return end_ > 0;
}

bool TextLines::Next(std::string& line) {
  std::string_view view;
  if (!Next(view)) {
    line.clear();
    return false;
  }
  line.assign(view);
  return true;
}

bool TextLines::Next(std::string_view& line) {
  if (pos_ == end_ && !Fill()) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  const char* const begin = block_.get() + pos_;
  const char* const p = FindLineEnd(begin);
  line = std::string_view(begin, p);
  pos_ = static_cast<std::size_t>(p - block_.get());
  // Most lines end within the block, their CR LF too.
  if (pos_ + 1 < end_)
    pos_ += block_[pos_] == '\r' && block_[pos_ + 1] == '\n' ? 2 : 1;
  else
    line = EndAcrossBlocks(line);
  // A UTF-8 byte-order mark can only open the first line.
  if (number_ == 0 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
  ++number_;
  return true;
}

std::string_view TextLines::EndAcrossBlocks(std::string_view line) {
  if (pos_ == end_) {
    // The line runs on into the next blocks, or the text ends without a
    // line end: it gathers where the next block cannot overwrite it.
    carry_.assign(line);
    while (pos_ == end_ && Fill()) {
      const char* const p = FindLineEnd(block_.get());
      pos_ = static_cast<std::size_t>(p - block_.get());
      carry_.append(std::string_view(block_.get(), p));
    }
    line = carry_;
  }
  if (pos_ < end_ && block_[pos_++] == '\r') {
    if (pos_ == end_ && line.data() != carry_.data()) {
      // The LF that may follow is in the next block, which overwrites this one.
      carry_.assign(line);
      line = carry_;
    }
    if ((pos_ < end_ || Fill()) && block_[pos_] == '\n') ++pos_;
  }
  return line;
}

std::string SizeText(std::uintmax_t bytes) {
  return std::to_string(bytes >> 20) + " MiB";
}

std::string WhyNotReadable(const std::filesystem::path& path, std::uintmax_t limit, Pipes pipes) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return "it does not exist";
  if (pipes == Pipes::Accepted) {
    if (std::filesystem::is_fifo(status)) return "";
    if (!std::filesystem::is_regular_file(status)) return "it is not a regular file or a pipe";
  }
  if (!std::filesystem::is_regular_file(status)) return "it is not a regular file";
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return ec.message();
  if (size > limit) return "it is larger than " + SizeText(limit);
  return "";
}

std::optional<std::string> ReadWithin(std::istream& in, std::uintmax_t limit) {
  std::string text;
  constexpr std::size_t kChunk = 64u << 10;
  for (;;) {
    const std::size_t had = text.size();
    text.resize(had + kChunk);
    const auto got = static_cast<std::size_t>(in.rdbuf()->sgetn(text.data() + had, kChunk));
    text.resize(had + got);
    if (text.size() > limit) return std::nullopt;
    if (got == 0) break;  // a pipe may give less than asked before its end
  }
  in.setstate(std::ios::eofbit);
  return text;
}

}  // namespace ventora
