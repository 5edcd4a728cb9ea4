#include "core/text_lines.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "core/portable_std.h"

namespace ventora {

bool TextLines::Fill() {
  if (!block_) block_ = portable::UninitialisedChars(kBlockSize + text_lines::kWord);
  end_ = static_cast<std::size_t>(in_.rdbuf()->sgetn(block_.get(), kBlockSize));
  pos_ = 0;
  std::memset(block_.get() + end_, '\n', text_lines::kWord);
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

bool TextLines::NextOutOfLine(std::string_view& line) {
  if (pos_ == end_ && !Fill()) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  const char* const begin = block_.get() + pos_;
  const char* const p = text_lines::FindLineEnd(begin);
  line = portable::TextBetween(begin, p);
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
      const char* const p = text_lines::FindLineEnd(block_.get());
      pos_ = static_cast<std::size_t>(p - block_.get());
      carry_.append(portable::TextBetween(block_.get(), p));
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
