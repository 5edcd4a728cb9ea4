// Proves that WriteShortestFloat and the exact replacement of
// core/portable_std.h (which the WebAssembly build uses) write, for every
// one of the 2^32 float bit patterns (both zeros, subnormals, infinities
// and NaNs included), the text std::to_chars writes, letter for letter.
// Too long for the test suite (hours on one core; give it ranges to run on
// several); run it after every change to core/shortest_float.cpp or
// core/portable_std.cpp:
//   shortest_float_exhaustive [FIRST LAST]   (bit patterns, hexadecimal,
//                                             default 0 ffffffff)
// Also checks that nothing is written beyond the 16 characters the writer
// may use. Prints the first mismatches and the count; exits 1 on any mismatch.
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/portable_std.h"
#include "core/shortest_float.h"

int main(int argc, char** argv) {
  if (argc != 1 && argc != 3) {
    std::fprintf(stderr, "usage: shortest_float_exhaustive [FIRST LAST]\n");
    return 2;
  }
  std::uint64_t first = 0;
  std::uint64_t last = 0xFFFFFFFF;
  if (argc == 3) {
    first = std::strtoull(argv[1], nullptr, 16);
    last = std::strtoull(argv[2], nullptr, 16);
    if (first > last || last > 0xFFFFFFFF) {
      std::fprintf(stderr, "shortest_float_exhaustive: FIRST <= LAST <= ffffffff\n");
      return 2;
    }
  }
  std::uint64_t mismatches = 0;
  for (std::uint64_t bits = first; bits <= last; ++bits) {
    const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
    char expected[32];
    char written[32];
    std::memset(written, '#', sizeof written);
    const char* expectedEnd = std::to_chars(expected, expected + sizeof expected, value).ptr;
    const char* writtenEnd = ventora::WriteShortestFloat(written, value);
    char replaced[32];
    const char* replacedEnd =
        ventora::portable::replacement::ShortestText(replaced, replaced + sizeof replaced, value)
            .ptr;
    const auto length = static_cast<std::size_t>(expectedEnd - expected);
    const auto same = [&](const char* text, const char* end) {
      return static_cast<std::size_t>(end - text) == length &&
             std::memcmp(expected, text, length) == 0;
    };
    if (!same(written, writtenEnd) || written[16] != '#' || !same(replaced, replacedEnd)) {
      if (++mismatches <= 20)
        std::printf("%08llx: to_chars %.*s, written %.*s, replaced %.*s\n",
                    static_cast<unsigned long long>(bits), static_cast<int>(length), expected,
                    static_cast<int>(writtenEnd - written), written,
                    static_cast<int>(replacedEnd - replaced), replaced);
    }
    if ((bits & 0xFFFFFFF) == 0xFFFFFFF) {
      std::printf("up to %08llx: %llu mismatches\n", static_cast<unsigned long long>(bits),
                  static_cast<unsigned long long>(mismatches));
      std::fflush(stdout);
    }
  }
  std::printf("%08llx to %08llx: %llu floats, %llu mismatches\n",
              static_cast<unsigned long long>(first), static_cast<unsigned long long>(last),
              static_cast<unsigned long long>(last - first + 1),
              static_cast<unsigned long long>(mismatches));
  return mismatches == 0 ? 0 : 1;
}
