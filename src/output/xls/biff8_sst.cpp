#include "output/xls/biff8_sst.h"

#include <algorithm>
#include <stdexcept>

namespace ventora {
namespace {

constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kExtSst = 0x00FF;
constexpr std::size_t kRecordHeader = 4;
constexpr std::size_t kMaxCellText = 32767;

struct Bucket {
  std::uint32_t streamPos;
  std::uint16_t recordOffset;
};

// Fills SST and CONTINUE payloads, starting a new record when the next
// piece would not fit. A string's header never splits from its first
// character; a string that does split goes on after a flags byte.
class SstRecords {
 public:
  explicit SstRecords(Biff8Bytes& stream) : stream_(stream) {}

  void Begin(std::uint32_t uses, std::uint32_t unique) {
    payload_.U32(uses);
    payload_.U32(unique);
  }

  Bucket Add(const Biff8Text& text) {
    const std::size_t first = text.units.empty() ? 0 : text.CharBytes();
    if (Room() < 3 + first) Flush();
    const Bucket at{static_cast<std::uint32_t>(stream_.Size() + kRecordHeader + payload_.Size()),
                    static_cast<std::uint16_t>(kRecordHeader + payload_.Size())};
    payload_.U16(static_cast<std::uint16_t>(text.units.size()));
    payload_.U8(text.Flags());
    AddUnits(text);
    return at;
  }

  void Finish() { Flush(); }

 private:
  std::size_t Room() const { return kBiff8MaxPayload - payload_.Size(); }

  void AddUnits(const Biff8Text& text) {
    std::size_t done = 0;
    while (done < text.units.size()) {
      const std::size_t n = std::min(Room() / text.CharBytes(), text.units.size() - done);
      text.WriteUnits(payload_, done, n);
      done += n;
      if (done < text.units.size()) {
        Flush();
        payload_.U8(text.Flags());
      }
    }
  }

  void Flush() {
    stream_.Record(id_, payload_);
    payload_ = Biff8Bytes{};
    id_ = kContinue;
  }

  Biff8Bytes& stream_;
  Biff8Bytes payload_;
  std::uint16_t id_ = kSst;
};

void WriteExtSst(Biff8Bytes& stream, std::uint16_t perBucket, const std::vector<Bucket>& buckets) {
  Biff8Bytes payload;
  payload.U16(perBucket);
  for (const Bucket& b : buckets) {
    payload.U32(b.streamPos);
    payload.U16(b.recordOffset);
    payload.U16(0);
  }
  stream.Record(kExtSst, payload);
}

}  // namespace

void WriteSharedStrings(Biff8Bytes& stream, const std::vector<Biff8Text>& strings,
                        std::uint32_t uses) {
  // At most 128 buckets of at least 8 strings, as spreadsheet programs expect.
  const auto perBucket =
      static_cast<std::uint16_t>(std::max<std::size_t>(8, (strings.size() + 127) / 128));
  std::vector<Bucket> buckets;
  SstRecords records(stream);
  records.Begin(uses, static_cast<std::uint32_t>(strings.size()));
  for (std::size_t i = 0; i < strings.size(); ++i) {
    if (strings[i].units.size() > kMaxCellText)
      throw std::length_error("cell text longer than 32767 characters");
    const Bucket at = records.Add(strings[i]);
    if (i % perBucket == 0) buckets.push_back(at);
  }
  records.Finish();
  WriteExtSst(stream, perBucket, buckets);
}

}  // namespace ventora
