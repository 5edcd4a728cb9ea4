#pragma once
// Building footprints as read from a map file, in the file's own
// coordinates: what the surroundings of a site are computed from.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ventora::site {

struct XY {
  double x = 0, y = 0;
};
using Ring = std::vector<XY>;

// The first ring is the outline, the others its holes.
struct PolygonRings {
  std::vector<Ring> rings;
};

struct Footprint {
  // What the data call the building (OpenStreetMap's id, the CityJSON
  // object's key, the feature's id); else its place in the file, "#12".
  std::string id;
  std::vector<PolygonRings> polygons;
  std::optional<double> height;  // m; none when the data give none
  // A building part (OpenStreetMap building:part without building): it
  // covers ground (PAD) but its building's outline carries the height.
  bool part = false;
  // The polygons may overlap (the faces of a 3D model): joined before use.
  bool joinPolygons = false;
};

struct FootprintFile {
  std::vector<Footprint> footprints;
  // The reference system as PROJ reads it ("EPSG:7415", WKT); empty when
  // the file names none.
  std::string crs;
  std::vector<std::string> notes;  // what the reader left out, and why
};

// The first few of `ids` for a note: "a, b, c, d, e, ...".
inline std::string FewNames(const std::vector<std::string>& ids) {
  constexpr std::size_t kNamed = 5;
  std::string text;
  for (std::size_t i = 0; i < ids.size() && i < kNamed; ++i)
    text += (i ? ", " : "") + ids[i];
  return ids.size() > kNamed ? text + ", ..." : text;
}

// "1 footprint" or "12 footprints": a note's count in the number it takes.
inline std::string Counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// A file that cannot be used; the message names the file and the cause.
class SiteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace ventora::site
