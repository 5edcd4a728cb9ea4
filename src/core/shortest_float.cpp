#include "core/shortest_float.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "core/portable_std.h"

namespace ventora {
namespace {

__extension__ typedef unsigned __int128 u128;

// Binary exponents (value = c 2^q, 2^23 <= c < 2^24) the fast path takes:
// about 1.1e-12 to 1.6e7. The rest (zero, subnormals, powers of two,
// infinities, NaN and the values beyond) go to the library.
constexpr int kLowestExponent = -63;
constexpr int kHighestExponent = 0;

// floor(q log10 2) for the exponents above: 78913 / 2^18 is just under
// log10 2.
constexpr int DecimalExponent(int q) {
  return (q * 78913) >> 18;
}

// 2^q 10^-k in fixed point with 60 fractional bits, exactly: 5^-k 2^(60 + q
// - k), an integer below 10 * 2^60 for every fast-path exponent.
struct ScaleTable {
  std::uint64_t at[kHighestExponent - kLowestExponent + 1] = {};
  constexpr ScaleTable() {
    for (int q = kLowestExponent; q <= kHighestExponent; ++q) {
      const int k = DecimalExponent(q);
      std::uint64_t five = 1;
      for (int i = 0; i < -k; ++i)
        five *= 5;
      at[q - kLowestExponent] = five << (60 + q - k);
    }
  }
};
constexpr ScaleTable kScale;

// A value's shortest digits as a nine-digit integer (10^8 <= nine < 10^9,
// the digits' trailing zeros filled in): value = nine * 10^(x - 8).
struct Digits {
  std::uint32_t nine = 0;
  int x = 0;  // the scientific exponent
};

// The fewest digits that read back as c 2^q, the nearest such when there
// are several, half-way going to the even one. Scaled by 10^-k,
// k = floor(q log10 2), the value lies between 2^23 and 10 * 2^24 and its
// rounding interval (the reader rounds half to even: its ends count when c
// is even) is 1 to 10 units wide. So at most one multiple of 10 lies in it,
// and that is the answer when one does; otherwise the answer is the nearer
// of the integers either side of the value that lie in it. The value and
// the interval's ends are exact in 60 fractional bits.
Digits ShortestDigits(std::uint32_t c, int q) {
  constexpr int kFraction = 60;
  constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFraction) - 1;
  const std::uint64_t scale = kScale.at[q - kLowestExponent];
  const u128 value = u128{c} * scale;
  // The value and half an ulp (scale / 2, exact as scale is even) as whole
  // units and fractions, so that the interval's ends value - half and
  // value + half come in 64-bit steps: fewer registers than 128-bit ends.
  const auto below = static_cast<std::uint64_t>(value >> kFraction);
  const std::uint64_t fraction = static_cast<std::uint64_t>(value) & kFractionMask;
  const std::uint64_t half = scale / 2;
  const std::uint64_t halfWhole = half >> kFraction;
  const std::uint64_t halfFraction = half & kFractionMask;
  const std::uint64_t lowFraction = (fraction - halfFraction) & kFractionMask;
  const std::uint64_t lowWhole = below - halfWhole - (fraction < halfFraction ? 1 : 0);
  const std::uint64_t highSum = fraction + halfFraction;  // below 2^61
  const std::uint64_t highFraction = highSum & kFractionMask;
  const std::uint64_t highWhole = below + halfWhole + (highSum >> kFraction);
  const bool open = (c & 1) != 0;
  // The lowest and the highest integer inside.
  const std::uint64_t first = lowWhole + (lowFraction != 0 || open);
  const std::uint64_t last = highWhole - (highFraction == 0 && open);
  const std::uint64_t tens = below - below % 10;
  std::uint64_t digits = below;
  if (tens >= first) {
    digits = tens;
  } else if (tens + 10 <= last) {
    digits = tens + 10;
  } else if (below < first) {
    digits = below + 1;
  } else if (below + 1 <= last) {
    constexpr std::uint64_t kHalf = std::uint64_t{1} << (kFraction - 1);
    if (fraction > kHalf || (fraction == kHalf && (below & 1) != 0)) digits = below + 1;
  }
  const int k = DecimalExponent(q);
  // 2^23 - 5 < digits < 10^9: seven to nine digits.
  if (digits >= 100000000) return {static_cast<std::uint32_t>(digits), k + 8};
  if (digits >= 10000000) return {static_cast<std::uint32_t>(digits * 10), k + 7};
  return {static_cast<std::uint32_t>(digits * 100), k + 6};
}

// The eight decimal digits of v < 10^8, most significant first, one to a
// byte in memory order (values 0 to 9, not yet characters): split into two
// lanes of four digits, then four of two, then eight of one, all lanes at
// once.
std::uint64_t EightDigits(std::uint32_t v) {
  const std::uint32_t high = v / 10000;
  std::uint64_t lanes = high | std::uint64_t{v - high * 10000} << 32;
  // Per lane below 10^4: x * 10486 >> 20 is x / 100.
  const std::uint64_t hundreds = (lanes * 10486 >> 20) & 0x0000007F0000007Fu;
  lanes = hundreds | (lanes - hundreds * 100) << 16;
  // Per lane below 100: x * 103 >> 10 is x / 10.
  const std::uint64_t tens = (lanes * 103 >> 10) & 0x000F000F000F000Fu;
  return tens | (lanes - tens * 10) << 8;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Fixed notation unless scientific is shorter, as printf's f and e would
// write these digits. `out` has room for 24 characters.
char* WriteDecimal(char* out, Digits d) {
  const std::uint32_t leadDigit = d.nine / 100000000;
  const std::uint64_t rest = EightDigits(d.nine - leadDigit * 100000000);
  const char lead = static_cast<char>('0' + leadDigit);
  const std::uint64_t tail = rest + 0x3030303030303030u;  // the other eight, as characters
  // The trailing zero digits are the high zero bytes of rest.
  const int n = 9 - std::countl_zero(rest) / 8;
  const int x = d.x;
  const int fixedLength = x < 0 ? n + 1 - x : (n <= x + 1 ? x + 1 : n + 1);
  const int scientificLength = n + (n > 1 ? 1 : 0) + 4;  // two exponent digits
  if (fixedLength <= scientificLength) {
    if (x < 0) {
      // Here x >= -4: "0.", up to three zeros, the digits.
      std::memcpy(out, "0.000", 5);
      out[1 - x] = lead;
      std::memcpy(out + 2 - x, &tail, 8);
      return out + fixedLength;
    }
    // Here x <= 7: the point after x + 1 digits, or none.
    out[0] = lead;
    std::memcpy(out + 1, &tail, 8);
    if (n <= x + 1) return out + x + 1;
    out[x + 1] = '.';
    const std::uint64_t after = tail >> (8 * x);
    std::memcpy(out + x + 2, &after, 8);
    return out + n + 1;
  }
  out[0] = lead;
  out[1] = '.';
  std::memcpy(out + 2, &tail, 8);
  out += n > 1 ? n + 1 : 1;
  const int absX = x < 0 ? -x : x;
  out[0] = 'e';
  out[1] = x < 0 ? '-' : '+';
  out[2] = kDigitPairs[2 * absX];
  out[3] = kDigitPairs[2 * absX + 1];
  return out + 4;
}

// Apart from the fast path, which then keeps its registers to itself.
[[gnu::noinline]] char* LibraryText(char* out, float value) {
  return portable::to_chars(out, out + 16, value).ptr;
}

}  // namespace

char* WriteShortestFloat(char* out, float value) {
  const auto bits = portable::bit_cast<std::uint32_t>(value);
  const auto biased = static_cast<int>((bits >> 23) & 0xFF);
  const std::uint32_t fraction = bits & 0x7FFFFF;
  const int q = biased - 150;
  // A power of two has a narrower interval below it; the library handles it.
  if (biased == 0 || fraction == 0 || q < kLowestExponent || q > kHighestExponent)
    return LibraryText(out, value);
  // Built in full, then copied as one block of 16: no store depends on the
  // length.
  char text[32];
  char* start = text;
  if ((bits >> 31) != 0) *start++ = '-';
  const char* end = WriteDecimal(start, ShortestDigits(fraction | 0x800000, q));
  std::memcpy(out, text, 16);
  return out + (end - text);
}

}  // namespace ventora
