#include "cp_points.h"

#include <cmath>
#include <limits>

#include "core/parameter_limits.h"
#include "engine/facade_cp.h"
#include "engine/pre_run_checks.h"
#include "engine/run_limits.h"

namespace ventora::python {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class NoMessages : public MessageSink {
 public:
  MsgAnswer Show(const Message&) override { return MsgAnswer::Ok; }
};

// A whole number in [low, high], or -1.
int WholeIn(double value, int low, int high) {
  if (!(value >= low && value <= high) || value != std::floor(value)) return -1;
  return static_cast<int>(value);
}

}  // namespace

void CpPointEvaluator::Prepare(const PointHeader& h) {
  header_ = h;
  prepared_ = true;
  job_ = Job{};
  job_.AzB = h.AzB;
  job_.AnWind = h.AnWind;
  job_.PAD = h.PAD;
  job_.SbH = h.SbH;
  job_.Bdz = h.Bdz;
  job_.BdX = h.BdX;
  job_.BdY = h.BdY;
  job_.VeEXP = h.VeEXP;
  job_.Phi = h.Phi;
  const int Islope = WholeIn(h.Islope, limits::kIslope.accepted.low, limits::kIslope.accepted.high);
  job_.Islope = static_cast<std::int16_t>(Islope);
  NoMessages quiet;
  accepted_ =
      Islope >= 0 && CheckJobData(job_, quiet, kPointDecimal) == 0 && ParametersWithinLimits(job_);
  if (!accepted_) return;
  geometry_ = DeriveFacadeGeometry(job_);
  accepted_ = DerivedWithinLimits(job_, geometry_);
}

double CpPointEvaluator::Cp(double facade, double x_rel, double z_rel) const {
  const int iface = WholeIn(facade, 1, kFacadeCount);
  const auto XL = static_cast<float>(x_rel);
  auto ZH = static_cast<float>(z_rel);
  if (!accepted_ || iface < 0 || limits::OutsideFacade(XL, ZH)) return kNaN;
  const Facade f = AsFacade(iface);
  ZH = ClampedZH(f, ZH, job_.VeEXP);
  const RunContext ctx{true, nullptr, nullptr};
  const FacadeCpResult r = FacadeCp(ctx, {.geometry = geometry_,
                                          .PAD = job_.PAD,
                                          .VeEXP = job_.VeEXP,
                                          .facade = f,
                                          .XL = XL,
                                          .ZH = ZH,
                                          .Islope = job_.Islope,
                                          .Phi = job_.Phi,
                                          .carried = {10000, 0}});
  return r.err == 0 ? r.cp : kNaN;
}

}  // namespace ventora::python
