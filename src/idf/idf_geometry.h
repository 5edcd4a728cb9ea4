#pragma once
// The parts of an EnergyPlus model that place the building: its surfaces in
// true-north world coordinates (x east, y north, z up, metres), the wind
// profile exponent and the airflow network's surfaces. Surfaces given in the
// simplified forms (Wall:Exterior, Window ...) are refused by name.

#include <optional>
#include <string>
#include <vector>

#include "idf/idf_text.h"

namespace ventora::idf {

struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

enum class SurfaceKind { Wall, Roof, Floor, Ceiling, Opening };

struct IdfSurface {
  const IdfObject* object = nullptr;
  std::string name;
  SurfaceKind kind = SurfaceKind::Wall;
  bool outdoors = false;     // outside boundary Outdoors (openings: their base's)
  std::string base;          // openings: the surface they sit in
  std::string zone;          // as the Zone object spells it (openings: their base's)
  std::vector<Vec3> points;  // true-north world coordinates, outward order
};

struct IdfGeometry {
  double version = 0;                   // major + minor / 100: 24.01 for "24.1"
  double northAxis = 0;                 // Building North Axis, degrees
  std::string terrain;                  // Building Terrain ("Suburbs" when blank)
  std::optional<double> windExponent;   // Site:HeightVariation's, when given
  std::optional<double> boundaryLayer;  // its boundary layer thickness, m
  bool worldCoordinates = true;
  std::vector<std::string> zones;  // the Zone objects' names, in order
  std::vector<IdfSurface> surfaces;

  const IdfSurface* Find(const std::string& name) const;
};

// Throws IdfError naming the object for unsupported versions, simplified
// geometry, unknown zones or base surfaces, and surfaces with fewer than 3
// vertices, unreadable numbers or zero area.
IdfGeometry ReadGeometry(const IdfFile& file);

// Newell's normal of a polygon, its length twice the area.
Vec3 AreaNormal(const std::vector<Vec3>& points);
double Length(const Vec3& v);
// The area centroid of a plane polygon.
Vec3 Centroid(const std::vector<Vec3>& points);

}  // namespace ventora::idf
