// The exact replacements of core/portable_std.h. Digits come from exact
// integer arithmetic (core/big_unsigned.h), never from the machine's
// floating point, so they are the same wherever the code is compiled.
#include "core/portable_std.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/big_unsigned.h"

namespace ventora::portable::replacement {
namespace {

// A positive number as decimal digits: d0.d1d2... x 10^exponent.
struct Decimal {
  char digits[800] = {};
  int count = 0;
  int exponent = 0;
};

// The shortest digits that read back as `value` (finite, above 0), the
// nearest such where there are several, half-way going to the even one:
// digits generated from exact scaled ratios until the rest of the value
// fits inside the half-gaps to its neighbours (free-format digit
// generation). The reader rounds half to even, so the gaps' ends count
// when the significand is even.
Decimal ShortestDigits(float value) {
  const auto bits = portable::bit_cast<std::uint32_t>(value);
  const std::uint32_t biased = (bits >> 23) & 0xFF;
  const std::uint32_t fraction = bits & 0x7FFFFF;
  const std::uint32_t significand = biased == 0 ? fraction : fraction | 0x800000;
  const int e = biased == 0 ? -149 : static_cast<int>(biased) - 150;
  const bool even = (significand & 1) == 0;
  // At a power of two the gap below is half the gap above.
  const int narrowBelow = fraction == 0 && biased > 1 ? 1 : 0;
  // value = r / s; the half-gaps are mPlus / s above and mMinus / s below.
  BigUnsigned r(significand);
  BigUnsigned s(std::uint64_t{2} << narrowBelow);
  BigUnsigned mPlus(std::uint64_t{1} << narrowBelow);
  BigUnsigned mMinus(1);
  if (e >= 0) {
    r.ShiftLeft(e + 1 + narrowBelow);
    mPlus.ShiftLeft(e);
    mMinus.ShiftLeft(e);
  } else {
    r.ShiftLeft(1 + narrowBelow);
    s.ShiftLeft(-e);
  }
  // k: the power of ten just above the gap's top.
  int k = static_cast<int>(std::ceil(std::log10(static_cast<double>(value))));
  if (k >= 0) {
    s.MultiplyByPowerOf10(k);
  } else {
    r.MultiplyByPowerOf10(-k);
    mPlus.MultiplyByPowerOf10(-k);
    mMinus.MultiplyByPowerOf10(-k);
  }
  auto top = [&] {
    BigUnsigned sum = r;
    sum.Add(mPlus);
    return Compare(sum, s);
  };
  while (top() >= (even ? 0 : 1)) {
    s.MultiplyBy(10);
    ++k;
  }
  for (;;) {
    BigUnsigned tenTop = r;
    tenTop.Add(mPlus);
    tenTop.MultiplyBy(10);
    if (Compare(tenTop, s) >= (even ? 0 : 1)) break;
    r.MultiplyBy(10);
    mPlus.MultiplyBy(10);
    mMinus.MultiplyBy(10);
    --k;
  }
  Decimal d;
  d.exponent = k - 1;
  for (;;) {
    r.MultiplyBy(10);
    mPlus.MultiplyBy(10);
    mMinus.MultiplyBy(10);
    int digit = 0;
    while (Compare(r, s) >= 0) {
      r.Subtract(s);
      ++digit;
    }
    const int low = Compare(r, mMinus);
    const bool lowEnds = even ? low <= 0 : low < 0;
    const int high = top();
    const bool highEnds = even ? high >= 0 : high > 0;
    if (lowEnds && highEnds) {
      BigUnsigned twice = r;
      twice.ShiftLeft(1);
      const int c = Compare(twice, s);
      if (c > 0 || (c == 0 && digit % 2 == 1)) ++digit;
    } else if (highEnds) {
      ++digit;
    }
    d.digits[d.count++] = static_cast<char>('0' + digit);
    if (lowEnds || highEnds) return d;
  }
}

// `value` (finite, above 0) rounded to precision + 1 significant digits,
// half-way going to the even one.
Decimal RoundedDigits(double value, int precision) {
  const auto bits = portable::bit_cast<std::uint64_t>(value);
  const auto biased = static_cast<int>(bits >> 52);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  // value = r / s exactly.
  BigUnsigned r(biased == 0 ? fraction : fraction | std::uint64_t{1} << 52);
  BigUnsigned s(1);
  const int e = biased == 0 ? -1074 : biased - 1075;
  if (e >= 0)
    r.ShiftLeft(e);
  else
    s.ShiftLeft(-e);
  int k = static_cast<int>(std::floor(std::log10(value)));
  if (k >= 0)
    s.MultiplyByPowerOf10(k);
  else
    r.MultiplyByPowerOf10(-k);
  BigUnsigned tenS = s;
  tenS.MultiplyBy(10);
  while (Compare(r, tenS) >= 0) {
    s = tenS;
    tenS.MultiplyBy(10);
    ++k;
  }
  while (Compare(r, s) < 0) {
    r.MultiplyBy(10);
    --k;
  }
  Decimal d;
  d.exponent = k;
  const int wanted = precision + 1;
  int count = 0;
  char last = '0';
  for (int i = 0; i < wanted; ++i) {
    if (i > 0) r.MultiplyBy(10);
    int digit = 0;
    while (Compare(r, s) >= 0) {
      r.Subtract(s);
      ++digit;
    }
    last = static_cast<char>('0' + digit);
    if (count < static_cast<int>(sizeof d.digits)) d.digits[count++] = last;
  }
  d.count = count;
  r.ShiftLeft(1);
  const int c = Compare(r, s);
  if (c > 0 || (c == 0 && (last - '0') % 2 == 1)) {
    int i = count - 1;
    for (; i >= 0 && d.digits[i] == '9'; --i)
      d.digits[i] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits[0] = '1';
      ++d.exponent;
    }
  }
  return d;
}

std::to_chars_result TooLarge(char* last) {
  return {last, std::errc::value_too_large};
}

// "inf", "-inf", "nan", "-nan": what the library writes for them.
std::to_chars_result SpecialText(char* first, char* last, bool negative, bool isNan) {
  const char* word = isNan ? "nan" : "inf";
  const std::size_t length = 3 + (negative ? 1 : 0);
  if (static_cast<std::size_t>(last - first) < length) return TooLarge(last);
  if (negative) *first++ = '-';
  std::memcpy(first, word, 3);
  return {first + 3, std::errc{}};
}

// "e+05", "e-123": at least two exponent digits.
int ExponentLength(int exponent) {
  const int magnitude = exponent < 0 ? -exponent : exponent;
  return magnitude >= 100 ? 5 : 4;
}

char* WriteExponent(char* out, int exponent) {
  *out++ = 'e';
  *out++ = exponent < 0 ? '-' : '+';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude >= 100) *out++ = static_cast<char>('0' + magnitude / 100);
  *out++ = static_cast<char>('0' + magnitude / 10 % 10);
  *out++ = static_cast<char>('0' + magnitude % 10);
  return out;
}

// d.ddd followed by the exponent, or the digits alone when there is one.
char* WriteScientific(char* out, const Decimal& d, int fractionDigits) {
  *out++ = d.digits[0];
  if (fractionDigits > 0) {
    *out++ = '.';
    for (int i = 1; i <= fractionDigits; ++i)
      *out++ = i < d.count ? d.digits[i] : '0';
  }
  return WriteExponent(out, d.exponent);
}

// Plain digits with the point where the exponent puts it.
char* WriteFixed(char* out, const Decimal& d) {
  if (d.exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    for (int i = -1; i > d.exponent; --i)
      *out++ = '0';
    std::memcpy(out, d.digits, static_cast<std::size_t>(d.count));
    return out + d.count;
  }
  for (int i = 0; i <= d.exponent || i < d.count; ++i) {
    if (i == d.exponent + 1) *out++ = '.';
    *out++ = i < d.count ? d.digits[i] : '0';
  }
  return out;
}

// The binary format a reading produces: a significand of kBits bits whose
// lowest bit is worth 2^kLowest at the least (subnormals) and 2^kHighest
// at the most.
template <typename T>
struct BinaryFormat;
template <>
struct BinaryFormat<double> {
  static constexpr int kBits = 53;
  static constexpr int kLowest = -1074;
  static constexpr int kHighest = 971;
};
template <>
struct BinaryFormat<float> {
  static constexpr int kBits = 24;
  static constexpr int kLowest = -149;
  static constexpr int kHighest = 104;
};

// More significant digits than any half-way point between two doubles has
// (767); the ones beyond count only as "something more".
constexpr int kKeptDigits = 780;

// Beyond these decimal exponents every value is infinite or zero in both
// formats, and the integers below stay within BigUnsigned.
constexpr int kHighestDecimalExponent = 310;
constexpr int kLowestDecimalExponent = -330;

// A text in the general format, scanned: the digits of an integer K with
// value = K 10^exponent.
struct Scanned {
  char digits[kKeptDigits + 1] = {};
  int count = 0;
  long long exponent = 0;
  const char* end = nullptr;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Digits with an optional point, then an optional exponent; false when
// there is no digit.
bool Scan(const char* p, const char* last, Scanned& s) {
  bool anyDigit = false;
  bool droppedNonZero = false;
  bool afterPoint = false;
  for (; p != last; ++p) {
    if (*p == '.' && !afterPoint) {
      afterPoint = true;
      continue;
    }
    if (!IsDigit(*p)) break;
    anyDigit = true;
    if (s.count == 0 && *p == '0') {
      if (afterPoint) --s.exponent;
    } else if (s.count < kKeptDigits) {
      s.digits[s.count++] = *p;
      if (afterPoint) --s.exponent;
    } else {
      droppedNonZero |= *p != '0';
      if (!afterPoint) ++s.exponent;
    }
  }
  if (!anyDigit) return false;
  if (p != last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    const bool negative = q != last && *q == '-';
    if (q != last && (*q == '-' || *q == '+')) ++q;
    if (q != last && IsDigit(*q)) {
      long long power = 0;
      for (; q != last && IsDigit(*q); ++q)
        if (power < 100000) power = power * 10 + (*q - '0');
      s.exponent += negative ? -power : power;
      p = q;
    }
  }
  if (droppedNonZero) {
    s.digits[s.count++] = '1';
    --s.exponent;
  }
  s.end = p;
  return true;
}

BigUnsigned IntegerOf(const Scanned& s) {
  BigUnsigned k;
  for (int i = 0; i < s.count; i += 9) {
    std::uint32_t chunk = 0;
    std::uint32_t scale = 1;
    for (int j = i; j < i + 9 && j < s.count; ++j) {
      chunk = chunk * 10 + static_cast<std::uint32_t>(s.digits[j] - '0');
      scale *= 10;
    }
    k.MultiplyBy(scale);
    k.Add(chunk);
  }
  return k;
}

// Floor of a / u when it is below 2^bits, and whether anything remained.
std::uint64_t Quotient(BigUnsigned a, BigUnsigned u, int bits, bool& remainder) {
  u.ShiftLeft(bits - 1);
  std::uint64_t q = 0;
  for (int i = 0; i < bits; ++i) {
    q <<= 1;
    if (Compare(a, u) >= 0) {
      a.Subtract(u);
      q |= 1;
    }
    a.ShiftLeft(1);
  }
  remainder = !a.IsZero();
  return q;
}

// K 10^exponent (K > 0) correctly rounded to T; false when that is zero or
// beyond the largest finite T. K 10^e = (K 5^e / 5^-e) 2^e: the quotient
// is taken to a few bits more than T holds, and what it drops decides the
// rounding.
template <typename T>
bool RoundToBinary(const Scanned& s, T& value) {
  using F = BinaryFormat<T>;
  const int e = static_cast<int>(s.exponent);
  BigUnsigned numerator = IntegerOf(s);
  BigUnsigned denominator(1);
  if (e >= 0)
    numerator.MultiplyByPowerOf5(e);
  else
    denominator.MultiplyByPowerOf5(-e);
  // Scaled by 2^shift, the quotient has F::kBits + 2 or + 3 bits.
  const int shift = F::kBits + 2 + denominator.BitLength() - numerator.BitLength();
  if (shift >= 0)
    numerator.ShiftLeft(shift);
  else
    denominator.ShiftLeft(-shift);
  bool remainder = false;
  const std::uint64_t q = Quotient(numerator, denominator, F::kBits + 4, remainder);
  const int lowest = e - shift;  // the exponent of q's lowest bit
  int drop = std::bit_width(q) - F::kBits;
  if (lowest + drop < F::kLowest) drop = F::kLowest - lowest;
  if (drop > 62) drop = 62;
  std::uint64_t kept = q >> drop;
  const bool half = ((q >> (drop - 1)) & 1) != 0;
  const bool beyondHalf = remainder || (q & ((std::uint64_t{1} << (drop - 1)) - 1)) != 0;
  if (half && (beyondHalf || (kept & 1) != 0)) ++kept;
  if (kept == std::uint64_t{1} << F::kBits) {
    kept >>= 1;
    ++drop;
  }
  const int exponent = lowest + drop;
  if (kept == 0 || exponent > F::kHighest) return false;
  value = std::ldexp(static_cast<T>(kept), exponent);
  return true;
}

bool MatchWord(const char*& p, const char* last, const char* word) {
  const char* q = p;
  for (; *word != '\0'; ++word, ++q)
    if (q == last || (*q | 0x20) != *word) return false;
  p = q;
  return true;
}

// "inf", "infinity", "nan", "nan(chars)" in any case.
template <typename T>
bool ReadSpecial(const char*& p, const char* last, bool negative, T& value) {
  if (MatchWord(p, last, "inf")) {
    MatchWord(p, last, "inity");
    value = negative ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::infinity();
    return true;
  }
  if (!MatchWord(p, last, "nan")) return false;
  if (p != last && *p == '(') {
    const char* q = p + 1;
    while (q != last && (IsDigit(*q) || ((*q | 0x20) >= 'a' && (*q | 0x20) <= 'z') || *q == '_'))
      ++q;
    if (q != last && *q == ')') p = q + 1;
  }
  value = negative ? -std::numeric_limits<T>::quiet_NaN() : std::numeric_limits<T>::quiet_NaN();
  return true;
}

template <typename T>
std::from_chars_result Read(const char* first, const char* last, T& value) {
  const char* p = first;
  const bool negative = p != last && *p == '-';
  if (negative) ++p;
  if (ReadSpecial(p, last, negative, value)) return {p, std::errc{}};
  Scanned s;
  if (!Scan(p, last, s)) return {first, std::errc::invalid_argument};
  if (s.count == 0) {
    value = negative ? -T{0} : T{0};
    return {s.end, std::errc{}};
  }
  const long long decimalExponent = s.exponent + s.count - 1;
  T magnitude{};
  if (decimalExponent > kHighestDecimalExponent || decimalExponent < kLowestDecimalExponent ||
      !RoundToBinary(s, magnitude))
    return {s.end, std::errc::result_out_of_range};
  value = negative ? -magnitude : magnitude;
  return {s.end, std::errc{}};
}

}  // namespace

std::to_chars_result ShortestText(char* first, char* last, float value) {
  const bool negative = std::signbit(value);
  if (!std::isfinite(value)) return SpecialText(first, last, negative, std::isnan(value));
  if (value == 0) {
    const std::size_t length = negative ? 2 : 1;
    if (static_cast<std::size_t>(last - first) < length) return TooLarge(last);
    std::memcpy(first, negative ? "-0" : "0", length);
    return {first + length, std::errc{}};
  }
  Decimal d = ShortestDigits(std::fabs(value));
  const int n = d.count;
  const int x = d.exponent;
  // Fixed unless scientific is shorter, as printf's f and e would write
  // these digits.
  const int fixedLength = x < 0 ? n + 1 - x : (n <= x + 1 ? x + 1 : n + 1);
  const int scientificLength = n + (n > 1 ? 1 : 0) + ExponentLength(x);
  const bool fixed = fixedLength <= scientificLength;
  const int length = (negative ? 1 : 0) + (fixed ? fixedLength : scientificLength);
  if (last - first < length) return TooLarge(last);
  char* out = first;
  if (negative) *out++ = '-';
  // A whole number written in full shows its exact digits, as printf's f
  // does, not the shortest digits padded with zeros.
  if (fixed && x >= n) d = RoundedDigits(std::fabs(static_cast<double>(value)), x);
  out = fixed ? WriteFixed(out, d) : WriteScientific(out, d, n - 1);
  return {out, std::errc{}};
}

std::to_chars_result ScientificText(char* first, char* last, double value, int precision) {
  if (precision < 0) precision = 6;
  const bool negative = std::signbit(value);
  if (!std::isfinite(value)) return SpecialText(first, last, negative, std::isnan(value));
  Decimal d;
  if (value != 0) {
    d = RoundedDigits(std::fabs(value), precision);
  } else {
    d.digits[0] = '0';
    d.count = 1;
  }
  const long long length =
      (negative ? 1 : 0) + 1 + (precision > 0 ? precision + 1 : 0) + ExponentLength(d.exponent);
  if (last - first < length) return TooLarge(last);
  char* out = first;
  if (negative) *out++ = '-';
  return {WriteScientific(out, d, precision), std::errc{}};
}

std::from_chars_result ReadNumber(const char* first, const char* last, double& value) {
  return Read(first, last, value);
}

std::from_chars_result ReadNumber(const char* first, const char* last, float& value) {
  return Read(first, last, value);
}

}  // namespace ventora::portable::replacement
