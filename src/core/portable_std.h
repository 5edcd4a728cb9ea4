#pragma once
// The few standard facilities that the WebAssembly toolchain's library
// (Debian's emscripten, libc++ 13) lacks: std::bit_cast, floating-point
// std::to_chars and std::from_chars, std::string_view(first, last) and
// std::make_unique_for_overwrite. Where the library has them (every native
// build) these forward to it; elsewhere exact replacements stand in, which
// write and read every number letter for letter and bit for bit as the
// library does. The replacements are compiled everywhere, so that the
// native tests hold them to the library.

#include <charconv>
#include <cstddef>
#include <memory>
#include <string_view>
#include <type_traits>
#include <version>

#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif

namespace ventora::portable {

namespace replacement {
// Shortest text that reads back as `value`, as to_chars(first, last, value).
std::to_chars_result ShortestText(char* first, char* last, float value);
// d.ddde+XX with `precision` digits after the point, as to_chars(first,
// last, value, std::chars_format::scientific, precision).
std::to_chars_result ScientificText(char* first, char* last, double value, int precision);
// Correctly rounded, as from_chars(first, last, value) in the general format.
std::from_chars_result ReadNumber(const char* first, const char* last, double& value);
std::from_chars_result ReadNumber(const char* first, const char* last, float& value);

template <typename To, typename From>
constexpr To BitCast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
                std::is_trivially_copyable_v<From>);
  return __builtin_bit_cast(To, from);
}
}  // namespace replacement

#if defined(__cpp_lib_to_chars)
inline std::to_chars_result to_chars(char* first, char* last, float value) {
  return std::to_chars(first, last, value);
}
inline std::to_chars_result to_chars(char* first, char* last, double value,
                                     std::chars_format format, int precision) {
  return std::to_chars(first, last, value, format, precision);
}
inline std::from_chars_result from_chars(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value);
}
inline std::from_chars_result from_chars(const char* first, const char* last, float& value) {
  return std::from_chars(first, last, value);
}
#else
inline std::to_chars_result to_chars(char* first, char* last, float value) {
  return replacement::ShortestText(first, last, value);
}
// Only the scientific format is replaced.
inline std::to_chars_result to_chars(char* first, char* last, double value,
                                     std::chars_format format, int precision) {
  if (format != std::chars_format::scientific) return {last, std::errc::invalid_argument};
  return replacement::ScientificText(first, last, value, precision);
}
inline std::from_chars_result from_chars(const char* first, const char* last, double& value) {
  return replacement::ReadNumber(first, last, value);
}
inline std::from_chars_result from_chars(const char* first, const char* last, float& value) {
  return replacement::ReadNumber(first, last, value);
}
#endif
// A double's shortest text is not replaced; a float converted by mistake
// would print as one.
std::to_chars_result to_chars(char* first, char* last, double value) = delete;

template <typename To, typename From>
constexpr To bit_cast(const From& from) noexcept {
#if defined(__cpp_lib_bit_cast)
  return std::bit_cast<To>(from);
#else
  return replacement::BitCast<To>(from);
#endif
}

// The characters from `first` up to `last`.
inline std::string_view TextBetween(const char* first, const char* last) {
  return std::string_view(first, static_cast<std::size_t>(last - first));
}

// An array of n uninitialised characters.
inline std::unique_ptr<char[]> UninitialisedChars(std::size_t n) {
#if defined(__cpp_lib_smart_ptr_for_overwrite)
  return std::make_unique_for_overwrite<char[]>(n);
#else
  return std::unique_ptr<char[]>(new char[n]);
#endif
}

}  // namespace ventora::portable
