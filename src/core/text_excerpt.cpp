#include "core/text_excerpt.h"

namespace ventora {

std::string QuotedExcerpt(std::string_view text, std::size_t limit) {
  std::string quoted(1, '"');
  for (const char c : text.substr(0, limit))
    quoted += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  if (text.size() > limit) quoted += "...";
  return quoted += '"';
}

}  // namespace ventora
