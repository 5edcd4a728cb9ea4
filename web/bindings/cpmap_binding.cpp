// The Cp map for the page, which draws it in SVG: the content of the
// desktop's map (map/cpmap_model.h) as a plain object, and the colours of
// its scale and of the plot's chosen elements.
#include "web/bindings/cpmap_binding.h"

#include <emscripten/bind.h>

#include <cstdio>

#include "map/chosen_colours.h"
#include "map/cp_scale.h"
#include "map/cpmap_colors.h"

namespace ventora::web {
namespace {

using emscripten::val;

constexpr char kDecimal = '.';

const char* StateName(MarkerState state) {
  switch (state) {
    case MarkerState::Computed:
      return "computed";
    case MarkerState::OutsideFacade:
      return "outside";
    case MarkerState::NotComputed:
      break;
  }
  return "not computed";
}

val MarkerToPage(const CpMarker& m) {
  val marker = val::object();
  marker.set("k", m.k);
  marker.set("X", m.X);
  marker.set("Z", m.Z);
  marker.set("state", std::string(StateName(m.state)));
  marker.set("cp", m.Cp);
  marker.set("cpText", m.state == MarkerState::Computed ? CpText(m.Cp, kDecimal) : "");
  marker.set("implausible", m.implausible);
  marker.set("text", MarkerText(m, kDecimal));
  return marker;
}

val FacadeToPage(const CpMapFacade& f, std::int16_t Islope) {
  val facade = val::object();
  facade.set("iface", f.iface);
  facade.set("title", FacadeTitle(f, Islope));
  facade.set("wind", FacadeWindText(f, kDecimal));
  facade.set("average", f.average ? "average Cp " + CpText(*f.average, kDecimal) : "no average");
  facade.set("L", f.L);
  facade.set("H", f.H);
  val markers = val::array();
  for (const CpMarker& m : f.markers)
    markers.call<void>("push", MarkerToPage(m));
  facade.set("markers", markers);
  return facade;
}

// `cp` in the map's colours on the scale lower..upper: each side of 0 has
// its own end, as the fixed scale is not symmetric.
std::string CpColour(float cp, float lower, float upper) {
  return ColourText(DivergingColour(cp, cp < 0 ? -lower : upper));
}

std::string CpValueText(float cp) {
  return CpText(cp, kDecimal);
}

std::string AngleValueText(float degrees) {
  return AngleText(degrees, kDecimal);
}

// The plot's scale for the largest magnitude it shows: {lower, upper,
// tick}, the distance between its labelled values.
val PlotScale(float largest, bool fixed) {
  CpScale scale;
  scale.bound = LegendBound(largest);
  scale.fixed = fixed;
  val range = val::object();
  range.set("lower", scale.Lower());
  range.set("upper", scale.Upper());
  range.set("tick", ScaleTick(scale));
  return range;
}

std::string ChosenColourText(int i) {
  return ColourText(ChosenColour(static_cast<std::size_t>(i)));
}

}  // namespace

std::string ColourText(const Rgb& c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

val CpMapToPage(const CpMapModel& model) {
  val map = val::object();
  map.set("title", model.title);
  map.set("headline", "Wind direction " + AngleText(model.AnWind, kDecimal) +
                          ", building azimuth " + AngleText(model.AzB, kDecimal) + ".");
  map.set("AzB", model.AzB);
  map.set("AnWind", model.AnWind);
  map.set("Islope", model.Islope);
  map.set("anyImplausible", model.anyImplausible);
  val scales = val::object();
  for (const bool fixed : {false, true}) {
    CpScale scale = model.scale;
    scale.fixed = fixed;
    val range = val::object();
    range.set("lower", scale.Lower());
    range.set("upper", scale.Upper());
    scales.set(fixed ? "fixed" : "automatic", range);
  }
  map.set("scales", scales);
  val facades = val::array();
  for (const CpMapFacade& f : model.facades)
    facades.call<void>("push", FacadeToPage(f, model.Islope));
  map.set("facades", facades);
  val hollow = val::array();
  for (const CpMarker& m : model.hollow) {
    val item = val::object();
    item.set("place", MarkerPlace(m));
    item.set("why", std::string(m.state == MarkerState::OutsideFacade ? "outside the facade"
                                                                      : "not computed"));
    hollow.call<void>("push", item);
  }
  map.set("hollow", hollow);
  return map;
}

EMSCRIPTEN_BINDINGS(cpmap) {
  emscripten::function("cpColour", &CpColour);
  emscripten::function("cpText", &CpValueText);
  emscripten::function("angleText", &AngleValueText);
  emscripten::function("plotScale", &PlotScale);
  emscripten::function("chosenColour", &ChosenColourText);
}

}  // namespace ventora::web
