#pragma once
// A non-negative integer of up to 3,072 bits, for the exact number text
// replacements (core/portable_std.h): enough for any double times the
// powers of ten and two its text needs. Its users bound their numbers so
// that none outgrows it.

#include <array>
#include <bit>
#include <cstdint>

namespace ventora::portable {

class BigUnsigned {
 public:
  BigUnsigned() = default;
  explicit BigUnsigned(std::uint64_t value) {
    for (; value != 0; value >>= 32)
      words_[size_++] = static_cast<std::uint32_t>(value);
  }

  bool IsZero() const { return size_ == 0; }

  void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      carry += std::uint64_t{words_[i]} * factor;
      words_[i] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    if (carry != 0) words_[size_++] = static_cast<std::uint32_t>(carry);
    Trim();
  }

  void Add(std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (int i = 0; carry != 0; ++i) {
      if (i == size_) words_[size_++] = 0;
      carry += words_[i];
      words_[i] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
  }

  void Add(const BigUnsigned& other) {
    std::uint64_t carry = 0;
    const int n = size_ > other.size_ ? size_ : other.size_;
    for (int i = 0; i < n; ++i) {
      carry += std::uint64_t{words_[i]} + other.words_[i];
      words_[i] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    size_ = n;
    if (carry != 0) words_[size_++] = static_cast<std::uint32_t>(carry);
  }

  // Only when other <= *this.
  void Subtract(const BigUnsigned& other) {
    std::int64_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
      const std::int64_t d = std::int64_t{words_[i]} - other.words_[i] - borrow;
      words_[i] = static_cast<std::uint32_t>(d);
      borrow = d < 0 ? 1 : 0;
    }
    Trim();
  }

  void MultiplyByPowerOf5(int n) {
    constexpr std::uint32_t kFive13 = 1220703125;  // 5^13, the largest below 2^32
    for (; n >= 13; n -= 13)
      MultiplyBy(kFive13);
    std::uint32_t rest = 1;
    for (; n > 0; --n)
      rest *= 5;
    MultiplyBy(rest);
  }

  void MultiplyByPowerOf10(int n) {
    MultiplyByPowerOf5(n);
    ShiftLeft(n);
  }

  void ShiftLeft(int bits) {
    if (size_ == 0 || bits == 0) return;
    const int wordShift = bits / 32;
    const int bitShift = bits % 32;
    words_[size_] = 0;
    for (int i = size_; i >= 0; --i) {
      const std::uint32_t high = words_[i] << bitShift;
      const std::uint32_t low = bitShift != 0 && i > 0 ? words_[i - 1] >> (32 - bitShift) : 0;
      words_[i + wordShift] = high | low;
    }
    for (int i = 0; i < wordShift; ++i)
      words_[i] = 0;
    size_ += wordShift + 1;
    Trim();
  }

  int BitLength() const {
    return size_ == 0 ? 0 : 32 * size_ - std::countl_zero(words_[size_ - 1]);
  }

  // The low 64 bits.
  std::uint64_t Low64() const { return words_[0] | std::uint64_t{words_[1]} << 32; }

  friend int Compare(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i)
      if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
    return 0;
  }

 private:
  void Trim() {
    while (size_ > 0 && words_[size_ - 1] == 0)
      --size_;
  }

  // One word beyond the widest number, for ShiftLeft's carry.
  std::array<std::uint32_t, 97> words_{};
  int size_ = 0;
};

}  // namespace ventora::portable
