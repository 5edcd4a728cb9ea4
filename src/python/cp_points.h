#pragma once
// Cp at single points, for response surfaces: each point carries its own job
// header and position and gets the Cp that a run of that job would give an
// element there, or NaN where that run would give none (job refused by the
// pre-run checks or stopped by the run's limits, a point outside its facade,
// a model outside its range, the floor).

#include <cstdint>
#include <string>

#include "core/job.h"
#include "engine/facade_geometry.h"

namespace ventora::python {

// The header values of one point, as the job holds them.
struct PointHeader {
  float AzB = 0, AnWind = 0, PAD = 0, SbH = 0, Bdz = 0, BdX = 0, BdY = 0, VeEXP = 0, Phi = 0;
  double Islope = 0;  // a roof type that is no whole number gives NaN

  friend bool operator==(const PointHeader&, const PointHeader&) = default;
};

// Evaluates points one after the other. The checks and geometry of a header
// are kept until the header changes, so a sweep over positions pays for them
// once. One evaluator per thread.
class CpPointEvaluator {
 public:
  // The header of the points that follow; checked again only when it changes.
  void Use(const PointHeader& header) {
    if (!prepared_ || !(header == header_)) Prepare(header);
  }
  // The point's Cp, or NaN; then `why` (when not null) says why.
  double Cp(double facade, double x_rel, double z_rel, std::string* why = nullptr) const;

 private:
  void Prepare(const PointHeader& header);
  // Why the header gives no Cp anywhere, or empty.
  std::string Refusal(const PointHeader& h);

  bool prepared_ = false;
  PointHeader header_;
  Job job_;  // the header after the pre-run checks' changes
  bool accepted_ = false;
  std::string refusal_;  // why not accepted
  FacadeGeometry geometry_;
};

}  // namespace ventora::python
