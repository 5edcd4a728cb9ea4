#include "core/shortest_float.h"

#include <bit>
#include <charconv>
#include <cstdint>

namespace ventora {
namespace {

__extension__ typedef unsigned __int128 u128;

constexpr std::uint64_t kPow10[] = {1,
                                    10,
                                    100,
                                    1000,
                                    10000,
                                    100000,
                                    1000000,
                                    10000000,
                                    100000000,
                                    1000000000,
                                    10000000000,
                                    100000000000,
                                    1000000000000,
                                    10000000000000,
                                    100000000000000,
                                    1000000000000000,
                                    10000000000000000,
                                    100000000000000000,
                                    1000000000000000000,
                                    10000000000000000000u};

constexpr u128 Pow10Wide(int k) {
  return k <= 19 ? u128{kPow10[k]} : u128{kPow10[19]} * kPow10[k - 19];
}

// Binary exponents (value = m 2^e, 2^23 <= m < 2^24) the fast path takes:
// about 1e-18 to 1.6e7. The rest, zero, subnormals, infinities and NaN go to
// the library.
constexpr int kLowestExponent = -83;
constexpr int kHighestExponent = 0;

// The value's digits: value = digits * 10^exponent, digits without trailing
// zeros.
struct Decimal {
  std::uint64_t digits = 0;
  int exponent = 0;
};

int DigitCount(std::uint64_t v) {
  // 1233 / 4096 just under log10(2): the estimate is the count or one short.
  const int estimate = (std::bit_width(v) * 1233) >> 12;
  return estimate + (v >= kPow10[estimate] ? 1 : 0);
}

// The fewest digits that read back as m 2^e (the reader rounds half to even,
// so the interval's ends count when m is even), the nearest such when there
// are several, half-way going to the even one. All in exact integers: the
// interval and the value scaled by 10^k, with 2^e 10^k >= 20, so that the
// search starts with at least one whole number inside.
// Wide is std::uint64_t where (2m + 1) 10^k and 10^t 2^s fit in it, else
// 128 bits.
template <class Wide>
Decimal ShortestDigitsIn(std::uint32_t m, int s, int k, Wide scale) {
  const Wide mask = (Wide{1} << s) - 1;
  const Wide nMid = 2 * Wide{m} * scale;
  const Wide nLow = nMid - scale;
  const Wide nHigh = nMid + scale;
  const bool ends = (m & 1) == 0;
  auto low = static_cast<std::uint64_t>(nLow >> s);
  if ((nLow & mask) != 0 || !ends) ++low;
  auto high = static_cast<std::uint64_t>(nHigh >> s);
  if ((nHigh & mask) == 0 && !ends) --high;
  const auto mid = static_cast<std::uint64_t>(nMid >> s);
  const Wide midFraction = nMid & mask;

  // The scaled interval is at least 20 wide: a multiple of 10 always lies in
  // it.
  int t = 1;
  while (t < 19 && high - high % kPow10[t + 1] >= low)
    ++t;
  const std::uint64_t p = kPow10[t];
  const std::uint64_t cLow = (low + p - 1) / p;
  const std::uint64_t cHigh = high / p;
  std::uint64_t c = mid / p;
  // Above or below the half-way point between c p and (c + 1) p, exactly.
  const Wide twiceRest = 2 * ((Wide{mid - c * p} << s) + midFraction);
  const Wide whole = Wide{p} << s;
  if (twiceRest > whole || (twiceRest == whole && (c & 1) != 0)) ++c;
  if (c < cLow) c = cLow;
  if (c > cHigh) c = cHigh;
  while (c % 10 == 0) {
    c /= 10;
    ++t;
  }
  return {c, t - k};
}

Decimal ShortestDigits(std::uint32_t m, int e) {
  const int s = 1 - e;                    // the scaled halves are N / 2^s
  const int k = ((s * 78913) >> 18) + 2;  // 78913 / 2^18 just under log10(2)
  // With k <= 11: (2m + 1) 10^k < 2^25 10^11 < 2^62, s < 64, and the
  // candidate's 10^t 2^s stays below (2m + 1) 10^k, so twice it fits too.
  if (k <= 11) return ShortestDigitsIn<std::uint64_t>(m, s, k, kPow10[k]);
  return ShortestDigitsIn<u128>(m, s, k, Pow10Wide(k));
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The n last decimal digits of v, two at a time (a float has at most nine
// significant digits: 32-bit arithmetic).
char* WriteDigits(char* out, std::uint64_t wide, int n) {
  auto v = static_cast<std::uint32_t>(wide);
  int i = n;
  while (i >= 2) {
    const std::uint32_t next = v / 100;
    const std::uint32_t pair = v - next * 100;
    v = next;
    i -= 2;
    out[i] = kDigitPairs[2 * pair];
    out[i + 1] = kDigitPairs[2 * pair + 1];
  }
  if (i == 1) out[0] = static_cast<char>('0' + v % 10);
  return out + n;
}

// Fixed notation unless scientific is shorter, as printf's f and e would
// write these digits.
char* WriteDecimal(char* out, Decimal d) {
  const int n = DigitCount(d.digits);
  const int x = n - 1 + d.exponent;  // the scientific exponent
  const int absX = x < 0 ? -x : x;
  const int sciLength = n + (n > 1 ? 1 : 0) + 2 + (absX >= 100 ? 3 : 2);
  const int fixedLength = x >= 0 ? (n <= x + 1 ? x + 1 : n + 1) : n + 1 - x;
  if (fixedLength <= sciLength) {
    if (x < 0) {
      *out++ = '0';
      *out++ = '.';
      for (int i = 0; i < -x - 1; ++i)
        *out++ = '0';
      return WriteDigits(out, d.digits, n);
    }
    if (n <= x + 1) {
      out = WriteDigits(out, d.digits, n);
      for (int i = 0; i < x + 1 - n; ++i)
        *out++ = '0';
      return out;
    }
    const std::uint64_t split = kPow10[n - x - 1];
    out = WriteDigits(out, d.digits / split, x + 1);
    *out++ = '.';
    return WriteDigits(out, d.digits % split, n - x - 1);
  }
  const std::uint64_t rest = kPow10[n - 1];
  *out++ = static_cast<char>('0' + d.digits / rest);
  if (n > 1) {
    *out++ = '.';
    out = WriteDigits(out, d.digits % rest, n - 1);
  }
  *out++ = 'e';
  *out++ = x < 0 ? '-' : '+';
  return WriteDigits(out, static_cast<std::uint64_t>(absX), absX >= 100 ? 3 : 2);
}

}  // namespace

char* WriteShortestFloat(char* out, float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  const auto biased = static_cast<int>((bits >> 23) & 0xFF);
  const std::uint32_t fraction = bits & 0x7FFFFF;
  const int e = biased - 150;
  // A power of two has a narrower interval below it; the library handles it.
  if (biased == 0 || fraction == 0 || e < kLowestExponent || e > kHighestExponent)
    return std::to_chars(out, out + 16, value).ptr;
  if ((bits >> 31) != 0) *out++ = '-';
  return WriteDecimal(out, ShortestDigits(fraction | 0x800000, e));
}

}  // namespace ventora
