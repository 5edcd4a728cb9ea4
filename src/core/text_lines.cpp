#include "core/text_lines.h"

#include <system_error>

namespace ventora {

namespace {

// Most characters are above '\r', so one comparison settles them.
bool IsLineEnd(char c) {
  return static_cast<unsigned char>(c) <= '\r' && (c == '\n' || c == '\r');
}

}  // namespace

bool TextLines::Fill() {
  if (!block_) block_ = std::make_unique_for_overwrite<char[]>(kBlockSize + 1);
  end_ = static_cast<std::size_t>(in_.rdbuf()->sgetn(block_.get(), kBlockSize));
  pos_ = 0;
  block_[end_] = '\n';  // stops every scan for a line end at the block's end
  return end_ > 0;
}

bool TextLines::Next(std::string& line) {
  line.clear();
  if (pos_ == end_ && !Fill()) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  // A line may run on into the next blocks.
  for (;;) {
    const char* const begin = block_.get() + pos_;
    const char* p = begin;
    while (!IsLineEnd(*p))
      ++p;
    line.append(begin, p);
    pos_ = static_cast<std::size_t>(p - block_.get());
    if (pos_ < end_ || !Fill()) break;
  }
  if (pos_ < end_) {
    const char lineEnd = block_[pos_++];
    if (lineEnd == '\r' && (pos_ < end_ || Fill()) && block_[pos_] == '\n') ++pos_;
  }
  // A UTF-8 byte-order mark can only open the first line.
  if (number_ == 0 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
  ++number_;
  return true;
}

std::string SizeText(std::uintmax_t bytes) {
  return std::to_string(bytes >> 20) + " MiB";
}

std::string WhyNotReadable(const std::filesystem::path& path, std::uintmax_t limit) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return "it does not exist";
  if (!std::filesystem::is_regular_file(status)) return "it is not a regular file";
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return ec.message();
  if (size > limit) return "it is larger than " + SizeText(limit);
  return "";
}

}  // namespace ventora
