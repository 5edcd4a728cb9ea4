#pragma once
// Texts as a BIFF8 workbook stores them: UTF-16 code units, written in the
// "compressed" one-byte form when every unit is below 256 (so "n°" stays one
// byte per character) and as UTF-16LE otherwise.

#include <cstddef>
#include <string>
#include <string_view>

#include "output/xls/biff8_bytes.h"

namespace ventora {

struct Biff8Text {
  std::u16string units;
  bool compressed = true;

  // Reads UTF-8; a byte that does not start a valid sequence stands for the
  // Latin-1 character of the same code, so no input is ever dropped.
  static Biff8Text FromUtf8(std::string_view text);

  std::size_t CharBytes() const { return compressed ? 1 : 2; }
  std::uint8_t Flags() const { return compressed ? 0x00 : 0x01; }
  // Writes units [from, from + count) in this text's form, without header.
  void WriteUnits(Biff8Bytes& out, std::size_t from, std::size_t count) const;
};

// 8-bit character count, flags, characters (font and sheet names).
void WriteShortText(Biff8Bytes& out, const Biff8Text& text);

}  // namespace ventora
