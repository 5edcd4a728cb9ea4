#pragma once
// The one job the program works on: ten header values and, per facade, the
// elements at which a Cp value is wanted. A plain value type with fixed
// capacities; index 0 of every facade and element dimension stays unused.

#include <array>
#include <cstdint>

namespace ventora {

inline constexpr int kFacadeCount = 6;    // facades 1..6 (5 roof, 6 floor)
inline constexpr int kMaxElements = 400;  // elements 1..400 per facade

// The facades by name: walls 1 to 4 round the building, then the roof and
// the floor. The number of each is the one the job file and the reports show
// and the index of the per-facade arrays.
enum class Facade : std::int16_t { Wall1 = 1, Wall2, Wall3, Wall4, Roof, Floor };

inline constexpr std::array<Facade, 4> kWalls{Facade::Wall1, Facade::Wall2, Facade::Wall3,
                                              Facade::Wall4};

constexpr int FacadeIndex(Facade facade) {
  return static_cast<int>(facade);
}

// The facade numbered `iface`; meant for 1..6 (other numbers give no named
// facade).
constexpr Facade AsFacade(int iface) {
  return static_cast<Facade>(iface);
}

constexpr bool IsWall(Facade facade) {
  return facade >= Facade::Wall1 && facade <= Facade::Wall4;
}

// Walls 1 and 3 span the building's length BdX, walls 2 and 4 its width BdY.
constexpr bool AlongLength(Facade wall) {
  return wall == Facade::Wall1 || wall == Facade::Wall3;
}

using FacadeCounts = std::array<std::int16_t, kFacadeCount + 1>;
using FacadeCoords = std::array<std::array<float, kMaxElements + 1>, kFacadeCount + 1>;

struct Job {
  // Header values, as the run uses them.
  float AzB = 0;            // building azimuth, degrees
  float AnWind = 0;         // wind direction, degrees
  float PAD = 0;            // plan area density of the surroundings, percent
  float SbH = 0;            // height of the surrounding buildings, m
  float Bdz = 0;            // building height, m
  float BdX = 0;            // building length, m
  float BdY = 0;            // building width, m
  float VeEXP = 0;          // wind velocity profile exponent
  float Phi = 0;            // roof tilt angle, degrees
  std::int16_t Islope = 0;  // roof type: 0 flat, 1 single slope, 2 double slope

  FacadeCounts ElmCount{};
  FacadeCoords ElmX{};  // along the facade from its reference edge, m
  FacadeCoords ElmZ{};  // height on a wall, position across the width on the roof, m

  // Back to the empty job: every header value 0, every facade empty.
  void Reset() { *this = Job{}; }

  friend bool operator==(const Job&, const Job&) = default;
};

// Horizontal and vertical reference lengths of a facade.
struct FacadeExtents {
  float L = 0;
  float H = 0;
};

// L and H of facade `iface` (1..6): walls 1 and 3 span BdX, walls 2 and 4 BdY,
// all walls Bdz high; roof and floor span BdX by BdY. Facades outside 1..6
// give zero extents.
FacadeExtents FacadeExtent(const Job& job, int iface);

}  // namespace ventora
