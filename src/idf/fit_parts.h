#pragma once
// The pieces the box fit is made of, shared by its walls, roof and opening
// placement (box_fit.cpp, roof_fit.cpp, opening_placement.cpp): plan
// directions, the faces of the model's surfaces, the box's planes and the
// refusal that names what keeps a model from being a box.

#include <array>
#include <string>
#include <vector>

#include "idf/idf_geometry.h"

namespace ventora::idf::fit {

struct Dir {
  double x = 0;  // horizontal unit vector, x east, y north
  double y = 0;
};

Dir AzimuthDir(double az);
double Dot(const Vec3& p, const Dir& d);
double Wrap360(double a);
// Signed difference a - b folded into (-180, 180].
double AngleDiff(double a, double b);
std::string Metres(double v);   // 3 decimals
std::string Degrees(double v);  // 1 decimal

struct Face {
  const IdfSurface* s = nullptr;
  Vec3 normal;  // unit
  double azimuth = 0;
  double tilt = 0;  // degrees from up (roofs) or from vertical (walls)
  int group = -1;   // 0..3: azimuth base + 90 * group
};

Face MakeFace(const IdfSurface& s);

// The last line of the refusals an enclosing fit or --zones would avoid.
extern const char* const kWaysOn;

[[noreturn]] void Refuse(const IdfFile& file, const std::string& what,
                         const std::vector<std::string>& offenders, const char* hint = "");
// "line 12, BuildingSurface:Detailed 'W' " + why.
std::string Named(const Face& f, const std::string& why);

struct Box {
  double base = 0;                // azimuth of group 0, [0, 90)
  std::array<double, 4> plane{};  // outermost offset of each group's walls
  std::array<bool, 4> seen{};
  double ground = 0;
  double deviation = 0;  // largest tolerated distance off the box's planes
};

// 0..3: the box direction (base + 90 * group) nearest `azimuth`.
int GroupOf(double base, double azimuth);

}  // namespace ventora::idf::fit
