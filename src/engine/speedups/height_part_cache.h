#pragma once
// The part of a Cp that depends on an element's height but not on its place
// along the facade, kept for the other elements of the same facade at the
// same height: a facade meshed in rows costs one evaluation of the wall or
// roof model's height factors per row, not per element.
//
// A cache belongs to one walk over one job's elements (one wind direction):
// it knows nothing of the job, so it must not outlive it.

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

#include "core/job.h"

namespace ventora {

class HeightPartCache {
 public:
  // The part stored for (iface, ZH), or null. ZH is matched bit for bit.
  // The height found or stored last is tested inline: the elements of a row
  // come one after the other and share it.
  const double* Find(int iface, float ZH) const {
    const auto key = std::bit_cast<std::uint32_t>(ZH);
    if (lastIface_ == iface && lastKey_ == key) return &lastPart_;
    if (lastOnly_[static_cast<std::size_t>(iface)]) return nullptr;
    return FindInTable(iface, key);
  }
  // Beyond a facade's element count in different heights, parts are no
  // longer kept (and simply computed again).
  void Store(int iface, float ZH, double part) {
    lastIface_ = iface;
    lastKey_ = std::bit_cast<std::uint32_t>(ZH);
    lastPart_ = part;
    if (!lastOnly_[static_cast<std::size_t>(iface)]) StoreInTable(iface, lastKey_, part);
  }
  // The facade's element heights, in the order its elements come (in any
  // unit: ZH, the height over the facade's, clamped to a band, keeps their
  // order). Once its heights outgrow the first table, the table grows at
  // once to room for all of them, so a facade whose every element has a
  // height of its own grows only once. Heights that never turn back (each
  // at or above the one before, or each at or below) need no table at all:
  // a height that comes again then comes right after itself, where the
  // height kept last finds it, as in a facade meshed row by row or one
  // whose elements each have a height of their own, listed upwards.
  void Expect(int iface, std::span<const float> heights);

 private:
  struct Slot {
    std::uint32_t key = 0;
    bool used = false;
    double part = 0;
  };
  // Open addressing, at least twice as many slots as heights kept, so a
  // probe ends at an empty slot. A facade's table starts small and doubles:
  // a facade meshed in rows keeps a handful of heights, and a sweep makes a
  // new cache for every direction.
  static constexpr std::size_t kFirstSlots = 64;
  struct Table {
    std::vector<Slot> entries;
    std::size_t used = 0;
    std::size_t fullSize = 0;  // the slots for every element of the facade
  };

  const double* FindInTable(int iface, std::uint32_t key) const;
  void StoreInTable(int iface, std::uint32_t key, double part);
  static std::size_t Home(std::uint32_t key, std::size_t slots);
  static void Insert(Table& table, std::uint32_t key, double part);

  std::array<Table, kFacadeCount + 1> tables_;
  std::array<bool, kFacadeCount + 1> lastOnly_{};  // heights in order: no table
  // The height found or stored last.
  mutable int lastIface_ = -1;
  mutable std::uint32_t lastKey_ = 0;
  mutable double lastPart_ = 0;
};

}  // namespace ventora
