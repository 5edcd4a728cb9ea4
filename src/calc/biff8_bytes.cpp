#include "calc/biff8_bytes.h"

#include <bit>
#include <stdexcept>

namespace ventora {

void Biff8Bytes::U16(std::uint16_t v) {
  U8(static_cast<std::uint8_t>(v));
  U8(static_cast<std::uint8_t>(v >> 8));
}

void Biff8Bytes::U32(std::uint32_t v) {
  U16(static_cast<std::uint16_t>(v));
  U16(static_cast<std::uint16_t>(v >> 16));
}

void Biff8Bytes::F64(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  U32(static_cast<std::uint32_t>(bits));
  U32(static_cast<std::uint32_t>(bits >> 32));
}

void Biff8Bytes::Append(const std::vector<std::uint8_t>& more) {
  bytes_.insert(bytes_.end(), more.begin(), more.end());
}

void Biff8Bytes::PatchU32(std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    bytes_.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

void Biff8Bytes::Record(std::uint16_t id, const Biff8Bytes& payload) {
  if (payload.Size() > kBiff8MaxPayload)
    throw std::length_error("BIFF8 record payload longer than 8224 bytes");
  U16(id);
  U16(static_cast<std::uint16_t>(payload.Size()));
  Append(payload.Data());
}

}  // namespace ventora
