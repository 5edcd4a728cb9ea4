#include "ui/app/desktop_words.h"

#include <regex>
#include <utility>

namespace ventora::ui {
namespace {

// Longest first: a phrase is replaced whole before its options alone.
const std::pair<const char*, const char*> kWords[] = {
    {"Run again with --fit=enclosing (the smallest rectangle round the exterior walls) or "
     "--zones NAME,... (the rectangle of those zones' walls only).",
     "Choose Fit: the smallest rectangle round the walls, or tick only the zones whose walls "
     "make the box."},
    {"--tables=all cannot be kept: leave it out",
     "A table for every opening cannot be kept: clear it"},
    {"from --veexp", "as given in Exponent VeEXP"},
    {"leave --veexp out", "clear Exponent VeEXP"},
    {"give --veexp", "give Exponent VeEXP"},
    {"--fit=enclosing", "Fit: the smallest rectangle round the walls"},
    {"--zones", "Zones"},
    {"--veexp", "Exponent VeEXP"},
    {"--format=energyplus", "EnergyPlus"},
    {"--format=contam", "CONTAM"},
    {"--format=modelica", "Modelica"},
    {"(see the README)", "(see the guide)"},
};

}  // namespace

std::string DesktopWords(std::string text) {
  for (const auto& [cli, desktop] : kWords)
    for (std::size_t at; (at = text.find(cli)) != std::string::npos;)
      text.replace(at, std::char_traits<char>::length(cli), desktop);
  static const std::regex step("--sweep=(\\d+)");
  return std::regex_replace(text, step, "a step of $1 deg.");
}

}  // namespace ventora::ui
