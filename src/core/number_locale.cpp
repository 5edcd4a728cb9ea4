#include "core/number_locale.h"

#include <locale>
#include <stdexcept>

namespace ventora {
namespace {

// A separator the program can work with: one visible ASCII character.
bool IsUsableSeparator(char c) {
  return c > ' ' && static_cast<unsigned char>(c) < 0x7F;
}

char OtherSeparator(char decimal) {
  return decimal == ',' ? '.' : ',';
}

}  // namespace

NumberLocale ProbeNumberLocale() {
  std::locale environment = std::locale::classic();
  try {
    environment = std::locale("");
  } catch (const std::runtime_error&) {
    // An environment naming a locale this machine lacks: the classic format.
  }
  const auto& punct = std::use_facet<std::numpunct<char>>(environment);
  NumberLocale found;
  found.decimal = IsUsableSeparator(punct.decimal_point()) ? punct.decimal_point() : '.';
  // Blanks (French, Swiss) and multi-byte spaces group thousands in some
  // locales; such text is not typed in fields, so the other separator serves.
  const char thousands = punct.thousands_sep();
  found.thousands = IsUsableSeparator(thousands) ? thousands : OtherSeparator(found.decimal);
  return found;
}

}  // namespace ventora
