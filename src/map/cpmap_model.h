#pragma once
// What the Cp map shows, taken from the job as it ran and the run's results:
// per facade its extents, relative wind angle, average and one marker per
// element, plus the symmetric colour range. Standard library only, so tests
// check the map's content without drawing it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/job.h"
#include "engine/run_calculation.h"
#include "map/cp_scale.h"
#include "output/sweep/element_spread.h"

namespace ventora {

inline constexpr int kMapFacades = 5;  // walls 1 to 4 and the roof; the floor has no Cp

enum class MarkerState {
  Computed,       // a Cp value from the model
  OutsideFacade,  // XL or ZH outside 0..1: the run gave it no value
  NotComputed,    // the run stopped before this element, or the floor
};

struct CpMarker {
  std::int16_t iface = 0;
  std::int16_t ielm = 0;  // element number on its facade
  std::int16_t k = 0;     // running number over all facades, as in the report
  float X = 0;            // position on the facade as the job gives it, m
  float Z = 0;
  float Cp = 0;         // meaningful only when Computed
  float computedZ = 0;  // where the model took the element (wall heights are clamped)
  MarkerState state = MarkerState::NotComputed;
  // Beyond the envelope of physically possible Cp for its role
  // (engine/cp_plausibility.h): drawn with a mark of its own.
  bool implausible = false;
};

struct CpMapFacade {
  std::int16_t iface = 0;
  float L = 0;      // along X, m
  float H = 0;      // along Z (the width BdY on the roof), m
  float angle = 0;  // relative wind angle, degrees
  std::optional<float> average;
  std::vector<CpMarker> markers;
};

struct CpMapModel {
  std::string title;  // the job's file name
  float AzB = 0;
  float AnWind = 0;
  std::int16_t Islope = 0;  // the roof type: the sketch shows a pitched roof's ridge
  std::array<CpMapFacade, kMapFacades> facades{};  // index iface - 1
  std::vector<CpMarker> hollow;                    // every element without a Cp value, in k order
  bool anyImplausible = false;                     // the legend explains the mark
  // Automatic, or fixed the same for every map so that maps compare; values
  // beyond it take its end colours and a mark.
  CpScale scale;
  // The spread layer (spread_layer.h): each element's spread, by running
  // number k - 1; empty while the layer is off.
  std::vector<ElementSpread> spread;
  float Lower() const { return scale.Lower(); }
  float Upper() const { return scale.Upper(); }
  bool OutsideScale(float cp) const { return scale.Outside(cp); }
};

// `jobName` is the job's path without ".in"; the title is its file name.
CpMapModel BuildCpMapModel(const Job& job, const RunResult& run, const std::string& jobName);

// A Cp or an average as the report writes it ("##0.000"), without the padding;
// a value that rounds to zero never shows a minus sign.
std::string CpText(float value, char decimal);
// An angle with one decimal and the degree sign.
std::string AngleText(float degrees, char decimal);

// A facade's wind line over its drawing, naming the model the run takes for
// the wall: "wind 30.0°, windward model"; a wall exactly side-on (±90°) is a
// side wall, computed with the leeward model.
std::string FacadeWindText(const CpMapFacade& facade, char decimal);

// "Roof (facade 5)" and such, and "Facade 1, gable" over a double slope's
// gable wall: a facade's name over its drawing.
std::string FacadeTitle(const CpMapFacade& facade, std::int16_t Islope);

// "Facade 1, element 2 (no. 2)": an element's facade, its number there and
// its running number.
std::string ElementPlace(std::int16_t iface, std::int16_t ielm, std::int16_t k);
// That, of a marker.
std::string MarkerPlace(const CpMarker& marker);
// That, with the marker's Cp or why it has none: the tooltip's first line.
std::string MarkerText(const CpMarker& marker, char decimal);

}  // namespace ventora
