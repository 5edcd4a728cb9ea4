#pragma once
// The byte level of a BIFF8 workbook stream: little-endian values and
// records (a 16-bit record id, a 16-bit payload length, the payload).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ventora {

// Largest payload a BIFF8 record may carry; longer data goes on in CONTINUE
// records.
inline constexpr std::size_t kBiff8MaxPayload = 8224;

// A growing little-endian byte buffer, used both for record payloads and for
// the whole stream.
class Biff8Bytes {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v);
  void U32(std::uint32_t v);
  void F64(double v);
  void Append(const std::vector<std::uint8_t>& more);
  void Reserve(std::size_t bytes) { bytes_.reserve(bytes); }
  // Overwrites four bytes already written (a stream offset known only later).
  void PatchU32(std::size_t at, std::uint32_t v);

  // One record: header and payload. Throws std::length_error when the
  // payload is longer than kBiff8MaxPayload.
  void Record(std::uint16_t id, const Biff8Bytes& payload);

  std::size_t Size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& Data() const { return bytes_; }
  std::vector<std::uint8_t>& Data() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace ventora
