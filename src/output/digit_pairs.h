#pragma once
// Numbers written two digits a division: "00" to "99".

#include <array>
#include <cstdint>
#include <cstring>

namespace ventora {

inline constexpr auto kDigitPairs = [] {
  std::array<std::array<char, 2>, 100> pairs{};
  for (int i = 0; i < 100; ++i)
    pairs[static_cast<std::size_t>(i)] = {static_cast<char>('0' + i / 10),
                                          static_cast<char>('0' + i % 10)};
  return pairs;
}();

// The two digits of `below100` written to end at `end`; gives their start.
inline char* PutDigitPair(char* end, std::uint32_t below100) {
  std::memcpy(end - 2, kDigitPairs[below100].data(), 2);
  return end - 2;
}

}  // namespace ventora
