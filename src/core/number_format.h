#pragma once
// Number-to-text forms of a 32-bit value. Both round to at most seven
// significant digits, drop trailing zeros and switch to exponent form
// ("1E-05", "1.234568E+08") outside 1E-4 <= |v| < 1E7 (judged after rounding).

#include <string>

#include "core/number_locale.h"

namespace ventora {

// The job file form: a blank or a minus sign, then the digits with a point and
// no zero before it (" .25", "-.5", " 0", " 12.5", " 1E-05").
std::string FileNumberText(float value);

// What a user sees in a field: no leading blank, the locale's decimal
// separator, a zero before it ("0,25", "-0.5", "90", "1E-05").
std::string LocaleNumberText(float value, const NumberLocale& locale);

}  // namespace ventora
