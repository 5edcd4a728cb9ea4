#pragma once
// The Cp map's content as the page draws it: {title, headline, scales:
// {automatic, fixed: {lower, upper}}, facades: [{iface, title, wind,
// average, L, H, markers: [{k, X, Z, state, cp, cpText, implausible,
// text}]}], hollow: [{place, why}], ...}.

#include <emscripten/val.h>

#include <string>

#include "map/cpmap_colors.h"
#include "map/cpmap_model.h"

namespace ventora::web {

emscripten::val CpMapToPage(const CpMapModel& model);

// "#rrggbb", as the page's drawings take a colour.
std::string ColourText(const Rgb& colour);

}  // namespace ventora::web
