#pragma once
// The fitted curves a factor interpolates between are evaluated at the job's
// own values (VeEXP, PAD, RbH, a facade's FAR or SAR), so the same curve at
// the same value comes back for every facade's plan and, in a sweep, for
// every direction. The plans keep the values they evaluated here, found by
// table, form, row and argument (matched bit for bit).

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace ventora {

class RowMemo {
 public:
  // The value of row `row` of `table` in the curve form `form` at (x, y):
  // kept, or eval() kept for the next time. A slot holds the last value
  // hashed to it, so a memo never grows and never gives another curve's
  // value.
  // eval() gives a float or a double; either comes back exactly as it was.
  template <class Eval>
  auto Value(const void* table, int form, int row, float x, float y, Eval&& eval) {
    using Result = decltype(eval());
    const auto xBits = std::bit_cast<std::uint32_t>(x);
    const auto yBits = std::bit_cast<std::uint32_t>(y);
    Entry& entry = entries_[Slot(table, form, row, xBits)];
    if (entry.table == table && entry.form == form && entry.row == row && entry.x == xBits &&
        entry.y == yBits)
      return static_cast<Result>(entry.value);
    const Result value = eval();
    entry = {table, form, row, xBits, yBits, value};
    return value;
  }

 private:
  struct Entry {
    const void* table = nullptr;
    int form = 0;
    int row = 0;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    double value = 0;
  };
  static constexpr std::size_t kSlots = 512;

  static std::size_t Slot(const void* table, int form, int row, std::uint32_t xBits) {
    const auto address = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(table) >> 4);
    const std::uint32_t mixed =
        (address ^ static_cast<std::uint32_t>(form * 97 + row) ^ (xBits >> 9)) * 2654435769u;
    return mixed >> 23;
  }

  std::array<Entry, kSlots> entries_{};
};

}  // namespace ventora
