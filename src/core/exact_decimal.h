#pragma once
// Decimal digits to a binary floating value without building text, where
// that is exact: powers of ten that float and double hold exactly, and the
// largest integers they hold exactly. Within these, one multiplication or
// division by a power of ten is a single correctly rounded operation, which
// is exactly what the full conversion of the text gives.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace ventora {

template <typename T>
struct ExactLimits;
template <>
struct ExactLimits<float> {
  static constexpr int kMaxPower = 10;
  static constexpr std::uint64_t kMaxMantissa = std::uint64_t{1} << 24;
};
template <>
struct ExactLimits<double> {
  static constexpr int kMaxPower = 22;
  static constexpr std::uint64_t kMaxMantissa = std::uint64_t{1} << 53;
};

// The powers of ten that T holds exactly: 10^0 .. 10^kMaxPower.
template <typename T>
inline constexpr auto kExactPowers = [] {
  std::array<T, ExactLimits<T>::kMaxPower + 1> powers{};
  T value = 1;
  for (auto& p : powers) {
    p = value;
    value *= 10;
  }
  return powers;
}();

// ±mantissa × 10^power when both are exact in T; nullopt otherwise.
template <typename T>
std::optional<T> ExactDecimal(bool negative, std::uint64_t mantissa, long long power) {
  using L = ExactLimits<T>;
  if (mantissa > L::kMaxMantissa || power < -L::kMaxPower || power > L::kMaxPower)
    return std::nullopt;
  const T digits = static_cast<T>(mantissa);
  const T value = power < 0 ? digits / kExactPowers<T>[static_cast<std::size_t>(-power)]
                            : digits * kExactPowers<T>[static_cast<std::size_t>(power)];
  return negative ? -value : value;
}

}  // namespace ventora
