#include "core/text_excerpt.h"

namespace ventora {
namespace {

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0.
std::size_t SequenceLength(std::string_view s) {
  const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  const std::size_t n = lead > 0xF4    ? 0
                        : lead >= 0xF0 ? 4
                        : lead >= 0xE0 ? 3
                        : lead >= 0xC2 ? 2
                                       : 0;
  if (n == 0 || n > s.size()) return 0;
  for (std::size_t i = 1; i < n; ++i)
    if ((byte(i) & 0xC0) != 0x80) return 0;
  const unsigned second = byte(1);
  // Overlong forms, surrogates and code points above U+10FFFF.
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
    return 0;
  return n;
}

void AppendEscaped(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

}  // namespace

std::string EscapedText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const unsigned char c = static_cast<unsigned char>(text[0]);
    std::size_t n = c >= 0x20 && c < 0x7F ? 1 : c >= 0x80 ? SequenceLength(text) : 0;
    // U+0080 to U+009F are controls too, written C2 80 to C2 9F.
    if (n == 2 && c == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) n = 0;
    if (n == 0) {
      AppendEscaped(out, c);
      n = 1;
    } else {
      out.append(text.substr(0, n));
    }
    text.remove_prefix(n);
  }
  return out;
}

std::string QuotedExcerpt(std::string_view text, std::size_t limit) {
  std::string quoted(1, '"');
  quoted += EscapedText(text.substr(0, limit));
  if (text.size() > limit) quoted += "...";
  return quoted += '"';
}

}  // namespace ventora
