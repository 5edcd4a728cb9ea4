#include "cp_points.h"

#include <cmath>
#include <limits>

#include "core/parameter_limits.h"
#include "engine/facade_cp.h"
#include "engine/pre_run_checks.h"
#include "engine/report_writer.h"
#include "engine/run_limits.h"
#include "header_fields.h"
#include "output/sweep/export_text.h"

namespace ventora::python {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Keeps the first error the pre-run checks would show, as the reason.
class FirstError : public MessageSink {
 public:
  MsgAnswer Show(const Message& m) override {
    if (text.empty() && m.title == "Error") text = m.text;
    return MsgAnswer::Ok;
  }
  std::string text;
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
  refusal_ = Refusal(h);
  accepted_ = refusal_.empty();
}

// The run's own acceptance decides; a value outside its field's range, when
// there is one, is the clearest reason to give.
std::string CpPointEvaluator::Refusal(const PointHeader& h) {
  const int Islope = WholeIn(h.Islope, limits::kIslope.accepted.low, limits::kIslope.accepted.high);
  if (Islope < 0) return "roof_type (Islope) is 0 flat, 1 single slope or 2 double slope";
  job_.Islope = static_cast<std::int16_t>(Islope);
  const Job given = job_;
  FirstError check;
  std::string why;
  if (CheckJobData(job_, check, kPointDecimal) != 0) {
    why = "the checks before a run refuse the job: " + check.text;
  } else if (!ParametersWithinLimits(job_)) {
    why = "the run's limits refuse these values";
  } else {
    geometry_ = DeriveFacadeGeometry(job_);
    if (DerivedWithinLimits(job_, geometry_)) return "";
    why = "the run's limits refuse the building's proportions (RbH, FAR or SAR)";
  }
  for (const HeaderField& f : kHeaderFields)
    if (std::string outside = RefusedValue(f, given.*f.member, NumberString(given.*f.member));
        !outside.empty())
      return outside;
  return why;
}

double CpPointEvaluator::Cp(double facade, double x_rel, double z_rel, std::string* why) const {
  const int iface = WholeIn(facade, 1, kFacadeCount);
  const auto XL = static_cast<float>(x_rel);
  auto ZH = static_cast<float>(z_rel);
  const char* fault = nullptr;
  if (!accepted_) {
    if (why != nullptr) *why = refusal_;
    return kNaN;
  }
  if (iface < 0)
    fault = "the facade is a whole number from 1 to 6";
  else if (iface == kFacadeCount)
    fault = "the floor (facade 6) has no Cp";
  else if (limits::OutsideFacade(XL, ZH) || std::isnan(XL) || std::isnan(ZH))
    fault = "the point lies outside its facade (x_rel and z_rel from 0 to 1)";
  if (fault != nullptr) {
    if (why != nullptr) *why = fault;
    return kNaN;
  }
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
                                          .carried = {kNotComputedCp, 0}});
  if (r.err == 0) return r.cp;
  if (why != nullptr) *why = "the model gives no value at this point (its ranges)";
  return kNaN;
}

}  // namespace ventora::python
