#include "engine/height_part_cache.h"

#include <bit>

namespace ventora {

std::size_t HeightPartCache::Home(std::uint32_t key) {
  // Fibonacci hashing: neighbouring heights spread over the table.
  return (key * 2654435769u) >> 22;
}

const double* HeightPartCache::Find(int iface, float ZH) const {
  const Table* table = tables_[static_cast<std::size_t>(iface)].get();
  if (table == nullptr) return nullptr;
  const auto key = std::bit_cast<std::uint32_t>(ZH);
  for (std::size_t i = Home(key);; i = (i + 1) % kSlots) {
    const Slot& slot = table->entries[i];
    if (!slot.used) return nullptr;
    if (slot.key == key) return &slot.part;
  }
}

void HeightPartCache::Store(int iface, float ZH, double part) {
  std::unique_ptr<Table>& table = tables_[static_cast<std::size_t>(iface)];
  if (!table) table = std::make_unique<Table>();
  if (table->used >= static_cast<std::size_t>(kMaxElements)) return;
  const auto key = std::bit_cast<std::uint32_t>(ZH);
  std::size_t i = Home(key);
  while (table->entries[i].used && table->entries[i].key != key)
    i = (i + 1) % kSlots;
  if (!table->entries[i].used) ++table->used;
  table->entries[i] = {key, true, part};
}

}  // namespace ventora
