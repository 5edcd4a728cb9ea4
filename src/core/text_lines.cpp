#include "core/text_lines.h"

#include <system_error>

namespace ventora {

bool TextLines::Next(std::string& line) {
  std::streambuf& buffer = *in_.rdbuf();
  using Traits = std::char_traits<char>;
  line.clear();
  Traits::int_type c = buffer.sbumpc();
  if (Traits::eq_int_type(c, Traits::eof())) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  // Characters gather in a small block that is appended whole: appending
  // them one by one cost more than the reading itself.
  char block[128];
  std::size_t used = 0;
  while (!Traits::eq_int_type(c, Traits::eof()) && c != '\n' && c != '\r') {
    block[used++] = Traits::to_char_type(c);
    if (used == sizeof block) {
      line.append(block, used);
      used = 0;
    }
    c = buffer.sbumpc();
  }
  line.append(block, used);
  if (c == '\r' && buffer.sgetc() == '\n') buffer.sbumpc();
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
