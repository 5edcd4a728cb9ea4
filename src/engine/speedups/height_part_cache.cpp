#include "engine/speedups/height_part_cache.h"

#include <algorithm>
#include <bit>

namespace ventora {

std::size_t HeightPartCache::Home(std::uint32_t key, std::size_t slots) {
  // Fibonacci hashing: neighbouring heights spread over the table.
  return (key * 2654435769u) >> (32 - std::countr_zero(slots));
}

const double* HeightPartCache::FindInTable(int iface, std::uint32_t key) const {
  const Table& table = tables_[static_cast<std::size_t>(iface)];
  const std::size_t slots = table.entries.size();
  if (slots == 0) return nullptr;
  for (std::size_t i = Home(key, slots);; i = (i + 1) & (slots - 1)) {
    const Slot& slot = table.entries[i];
    if (!slot.used) return nullptr;
    if (slot.key == key) {
      lastIface_ = iface;
      lastKey_ = key;
      lastPart_ = slot.part;
      return &lastPart_;
    }
  }
}

void HeightPartCache::Insert(Table& table, std::uint32_t key, double part) {
  const std::size_t slots = table.entries.size();
  std::size_t i = Home(key, slots);
  while (table.entries[i].used && table.entries[i].key != key)
    i = (i + 1) & (slots - 1);
  if (!table.entries[i].used) ++table.used;
  table.entries[i] = {key, true, part};
}

namespace {

// NaN is in no order.
bool NeverTurnsBack(std::span<const float> heights) {
  bool up = true;
  bool down = true;
  for (std::size_t i = 1; i < heights.size(); ++i) {
    up = up && heights[i] >= heights[i - 1];
    down = down && heights[i] <= heights[i - 1];
  }
  return up || down;
}

}  // namespace

void HeightPartCache::Expect(int iface, std::span<const float> heights) {
  const auto i = static_cast<std::size_t>(iface);
  const std::size_t count = std::min(heights.size(), static_cast<std::size_t>(kMaxElements));
  tables_[i].fullSize = std::bit_ceil(2 * count);
  lastOnly_[i] = NeverTurnsBack(heights);
}

void HeightPartCache::StoreInTable(int iface, std::uint32_t key, double part) {
  Table& table = tables_[static_cast<std::size_t>(iface)];
  if (table.used >= static_cast<std::size_t>(kMaxElements)) return;
  if (table.entries.empty()) table.entries.resize(kFirstSlots);
  if (2 * (table.used + 1) > table.entries.size()) {
    Table grown;
    grown.entries.resize(std::max(2 * table.entries.size(), table.fullSize));
    grown.fullSize = table.fullSize;
    for (const Slot& slot : table.entries)
      if (slot.used) Insert(grown, slot.key, slot.part);
    table = std::move(grown);
  }
  Insert(table, key, part);
}

}  // namespace ventora
