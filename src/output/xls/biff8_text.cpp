#include "output/xls/biff8_text.h"

#include <algorithm>
#include <stdexcept>

namespace ventora {
namespace {

// Length of the valid UTF-8 sequence starting at `at` and its code point, or
// 0 when the bytes there do not form one.
std::size_t DecodeUtf8(std::string_view s, std::size_t at, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[at]);
  std::size_t len = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07;
  } else {
    return 0;
  }
  if (at + len > s.size()) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[at + i]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  const bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
  const bool invalid = cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF);
  return overlong || invalid ? 0 : len;
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
    return;
  }
  cp -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

}  // namespace

Biff8Text Biff8Text::FromUtf8(std::string_view text) {
  Biff8Text result;
  for (std::size_t at = 0; at < text.size();) {
    char32_t cp = 0;
    std::size_t len = DecodeUtf8(text, at, cp);
    if (len == 0) cp = static_cast<unsigned char>(text[at]), len = 1;
    AppendUtf16(result.units, cp);
    at += len;
  }
  result.compressed =
      std::all_of(result.units.begin(), result.units.end(), [](char16_t u) { return u < 0x100; });
  return result;
}

void Biff8Text::WriteUnits(Biff8Bytes& out, std::size_t from, std::size_t count) const {
  for (std::size_t i = from; i < from + count; ++i) {
    if (compressed)
      out.U8(static_cast<std::uint8_t>(units[i]));
    else
      out.U16(static_cast<std::uint16_t>(units[i]));
  }
}

void WriteShortText(Biff8Bytes& out, const Biff8Text& text) {
  if (text.units.size() > 255) throw std::length_error("BIFF8 short text longer than 255");
  out.U8(static_cast<std::uint8_t>(text.units.size()));
  out.U8(text.Flags());
  text.WriteUnits(out, 0, text.units.size());
}

}  // namespace ventora
