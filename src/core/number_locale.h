#pragma once
// The user's number format as far as number text needs it: which character
// separates the decimals and which one groups the thousands. Probed once at
// start-up and handed to `NumberText`; tests build their own.

namespace ventora {

struct NumberLocale {
  char decimal = '.';
  char thousands = ',';

  friend bool operator==(const NumberLocale&, const NumberLocale&) = default;
};

// Point-decimal and comma-decimal formats, for tests and fallbacks.
inline constexpr NumberLocale kPointDecimal{'.', ','};
inline constexpr NumberLocale kCommaDecimal{',', '.'};

// Reads the separators of the environment's LC_NUMERIC setting (LC_ALL,
// LC_NUMERIC, LANG) without changing the process's locale. A separator the
// environment leaves empty or spells with more than one byte is replaced by
// the other one of "." and ",", so that the two always differ unless the
// environment itself makes them equal.
NumberLocale ProbeNumberLocale();

}  // namespace ventora
