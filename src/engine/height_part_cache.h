#pragma once
// The part of a Cp that depends on an element's height but not on its place
// along the facade, kept for the other elements of the same facade at the
// same height: a facade meshed in rows costs one evaluation of the wall or
// roof model's height factors per row, not per element.
//
// A cache belongs to one walk over one job's elements (one wind direction):
// it knows nothing of the job, so it must not outlive it.

#include <array>
#include <cstdint>
#include <memory>

#include "core/job.h"

namespace ventora {

class HeightPartCache {
 public:
  // The part stored for (iface, ZH), or null. ZH is matched bit for bit.
  const double* Find(int iface, float ZH) const;
  // Beyond a facade's element count in different heights, parts are no
  // longer kept (and simply computed again).
  void Store(int iface, float ZH, double part);

 private:
  struct Slot {
    std::uint32_t key = 0;
    bool used = false;
    double part = 0;
  };
  // Open addressing, twice as many entries as a facade can have elements, so a
  // probe ends at an empty slot; a facade's table is made on its first store.
  static constexpr std::size_t kSlots = 1024;
  static_assert(kSlots >= 2 * static_cast<std::size_t>(kMaxElements));
  struct Table {
    std::array<Slot, kSlots> entries;
    std::size_t used = 0;
  };

  static std::size_t Home(std::uint32_t key);

  std::array<std::unique_ptr<Table>, kFacadeCount + 1> tables_;
};

}  // namespace ventora
