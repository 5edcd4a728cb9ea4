#pragma once
// The pictures of the troubled region (engine/troubled_region.h) that the
// guide shows, one for each slice of the profile exponent: small panels of
// PAD against RbH for FAR and SAR cells, each band coloured by what the scan
// found there. SVG text, drawn from the program's own table.

#include <string>

namespace ventora::troubled {

std::string RegionFigureSvg(int slice);

}  // namespace ventora::troubled
