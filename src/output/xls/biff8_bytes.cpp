#include "output/xls/biff8_bytes.h"

#include <bit>
#include <stdexcept>

namespace ventora {

namespace {

// Appends the `N` low bytes of `v`, least significant first.
template <std::size_t N>
void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint64_t v) {
  std::uint8_t bytes[N];
  for (std::size_t i = 0; i < N; ++i)
    bytes[i] = static_cast<std::uint8_t>(v >> (8 * i));
  out.insert(out.end(), bytes, bytes + N);
}

}  // namespace

void Biff8Bytes::U16(std::uint16_t v) {
  PutLittleEndian<2>(bytes_, v);
}

void Biff8Bytes::U32(std::uint32_t v) {
  PutLittleEndian<4>(bytes_, v);
}

void Biff8Bytes::F64(double v) {
  PutLittleEndian<8>(bytes_, std::bit_cast<std::uint64_t>(v));
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
