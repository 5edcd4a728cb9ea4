#pragma once
// The factor of a wall element's Cp along its facade (WindwardAlongFactor,
// LeewardAlongFactor) depends on the element's place along the facade, the
// band of its height and the facade's wind angle: the elements of a facade
// meshed in columns share a handful of them, so the walk keeps them and
// evaluates each once rather than once per element. The band of the height
// last seen on a wall is kept too: the elements of a row share it.
//
// A slot holds the last factor hashed to it, so the cache never grows and a
// collision only costs an evaluation. A wall's factors are kept with the
// angle they were evaluated at and dropped when it changes: a sweep keeps one
// cache for all its directions, and a direction drops a wall's factors by
// counting the wall's generation on, not by emptying its slots.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace ventora {

class AlongFactorCache {
 public:
  // The factor of wall `iface` (1 to 4) at its `angle` for an element at
  // (ZH, XL): kept, or evaluate(band(ZH)) kept for the next element. ZH, XL
  // and the angle are matched bit for bit.
  template <class Band, class Evaluate>
  float Factor(int iface, float angle, float ZH, float XL, Band&& band, Evaluate&& evaluate) {
    Wall& wall = WallOf(iface, angle);
    const auto zBits = std::bit_cast<std::uint32_t>(ZH);
    if (!wall.bandKept || wall.ZH != zBits) {
      wall.ZH = zBits;
      wall.band = band(ZH);
      wall.bandKept = true;
    }
    const std::uint64_t key = std::uint64_t{static_cast<std::uint32_t>(wall.band)} << 32 |
                              std::bit_cast<std::uint32_t>(XL);
    Slot& slot = SlotOf(iface, key);
    if (slot.key != key || slot.generation != wall.generation)
      slot = {key, wall.generation, evaluate(wall.band)};
    return slot.factor;
  }

 private:
  struct Slot {
    std::uint64_t key = 0;         // band and XL
    std::uint32_t generation = 0;  // the wall's when it was kept; none is 0
    float factor = 0;
  };
  struct Wall {
    std::uint32_t generation = 0;  // 0 until the wall's first factor
    std::uint32_t angle = 0;
    bool bandKept = false;
    std::uint32_t ZH = 0;
    int band = 0;
  };
  static constexpr int kSlotBits = 8;  // 256 a wall: a 20 x 20 mesh keeps about 100
  static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
  static constexpr std::size_t kWalls = 4;

  Wall& WallOf(int iface, float angle) {
    const auto angleBits = std::bit_cast<std::uint32_t>(angle);
    Wall& wall = walls_[static_cast<std::size_t>(iface - 1)];
    if (wall.generation == 0 || wall.angle != angleBits) Drop(wall, angleBits);
    return wall;
  }
  Slot& SlotOf(int iface, std::uint64_t key) {
    const auto hash = static_cast<std::uint32_t>(key ^ key >> 27) * 0x9E3779B1u;
    return slots_[static_cast<std::size_t>(iface - 1) * kSlots + (hash >> (32 - kSlotBits))];
  }
  // Starts the wall's next generation at `angle` (the slots are made at the
  // first use: a walk without wall elements makes none). After the last
  // generation the wall's slots are emptied and counting starts again.
  void Drop(Wall& wall, std::uint32_t angleBits);

  std::vector<Slot> slots_;  // kSlots per wall, wall 1 first
  std::array<Wall, kWalls> walls_{};
};

}  // namespace ventora
