#pragma once
// A building's height from the tags map data carry: "height" (a number,
// or text with a unit, "12.13 m", "40 ft"), else "building:levels" times the
// storey height.

#include <optional>
#include <string>
#include <string_view>

#include "footprints.h"

namespace ventora::site {

// Metres from a height text; none when it is not a positive length.
std::optional<double> ParseHeightText(std::string_view text);

// The value of `key` in OpenStreetMap's remaining tags as GDAL writes them
// (hstore text: "key"=>"value","key2"=>"value2").
std::optional<std::string> OtherTag(std::string_view otherTags, std::string_view key);

// Heights outside kHeightLimit's range (a typing slip, levels counted
// in thousands) are taken as none, and the buildings named in a note.
void KeepHeightsInRange(FootprintFile& file, const std::string& name);

std::optional<double> BuildingHeight(const std::optional<std::string>& height,
                                     const std::optional<std::string>& levels, double storeyHeight);

}  // namespace ventora::site
