#include <string>

#include "core/parameter_limits.h"
#include "core/range_message.h"
#include "engine/pre_run_checks.h"

namespace ventora {
namespace {

// The ranges' tests are false for a NaN, which no check may let through.
using limits::kAnWind, limits::kAzB, limits::kFAR, limits::kIslope, limits::kPAD,
    limits::kPADIfRatioNot1, limits::kPADIfRbHNot1, limits::kPhi, limits::kRbH, limits::kSAR,
    limits::kSARCheckConfidence, limits::kSbH, limits::kVeEXP;
using limits::RangeKind;

class HeaderChecks {
 public:
  HeaderChecks(Job& job, MessageSink& messages, const NumberLocale& locale)
      : job_(job), messages_(messages), locale_(locale) {}

  std::int16_t Run() {
    if (job_.BdX == 0 || job_.BdY == 0 || job_.Bdz == 0) {
      Error("The Building Dimensions cannot be set equal to Zero!", MsgIcon::Critical);
      return status_;
    }
    SurroundingHeight();
    RbH_ = job_.Bdz / job_.SbH;
    FAR1_ = job_.BdX / job_.Bdz;
    SAR1_ = job_.BdY / job_.Bdz;
    Angles();
    PlanAreaDensity();
    if (!kSbH.accepted.Contains(job_.SbH)) Refused(kSbH, job_.SbH);
    RelativeHeight();
    AspectRatios();
    Exponent();
    Roof();
    return status_;
  }

 private:
  void Error(const std::string& text, MsgIcon icon = MsgIcon::None) {
    messages_.Show(Message{"Error", text, icon});
    status_ = 1;
  }
  void Warning(const std::string& text) { messages_.Show(Message{"Warning", text}); }

  std::string Outside(const limits::ParameterLimits& p, float value, const limits::Range& range,
                      RangeKind kind, const std::string& where = "") const {
    return limits::OutsideRangeText({p, value, range, kind, where, locale_.decimal});
  }
  void Refused(const limits::ParameterLimits& p, float value, const std::string& where = "") {
    Error(Outside(p, value, p.accepted, RangeKind::Accepted, where));
  }
  void Trusted(const limits::ParameterLimits& p, float value) {
    if (!p.confidence.Contains(value))
      Warning(Outside(p, value, p.confidence, RangeKind::Confidence));
  }

  void SurroundingHeight() {
    if (job_.PAD != 0 || job_.SbH == job_.Bdz) return;
    Warning(
        "the Height of Surrounding Buildings must be equal to the Height of the considered "
        "building.\rIt was set so by default.");
    job_.SbH = job_.Bdz;
  }

  void Angles() {
    if (!kAzB.accepted.Contains(job_.AzB)) Refused(kAzB, job_.AzB);
    if (!kAnWind.accepted.Contains(job_.AnWind)) Refused(kAnWind, job_.AnWind);
  }

  // A cube may stand in denser surroundings than other shapes.
  void PlanAreaDensity() {
    limits::Range limit = kPADIfRbHNot1;
    std::string shape = "a cube not as high as its surroundings";
    if (RbH_ == 1 && FAR1_ == 1 && SAR1_ == 1) {
      limit = kPAD.accepted;
      shape = "a cube as high as its surroundings";
    } else if (FAR1_ != 1 || SAR1_ != 1) {
      limit = kPADIfRatioNot1;
      shape = "a building that is not a cube";
    }
    if (!limit.Contains(job_.PAD))
      Error(Outside(kPAD, job_.PAD, limit, RangeKind::Accepted, "for " + shape));
  }

  void RelativeHeight() {
    const std::string ratio = "Bdz / SbH";
    if (kRbH.accepted.Contains(RbH_)) {
      if (!kRbH.confidence.Contains(RbH_))
        Warning(Outside(kRbH, RbH_, kRbH.confidence, RangeKind::Confidence, ratio));
    } else {
      Refused(kRbH, RbH_, ratio);
    }
  }

  void AspectRatios() {
    const float X = job_.BdX / job_.Bdz;
    const float Y = job_.BdY / job_.Bdz;
    AspectRatios("facades 1 and 3", X, Y);
    AspectRatios("facades 2 and 4", Y, X);
    AspectRatios("roof", X, Y);
  }

  // Only the tops of the confidence ranges are checked here.
  void AspectRatios(const std::string& name, float FAR, float SAR) {
    if (kFAR.confidence.Exceeds(FAR))
      Warning(Outside(kFAR, FAR, kFAR.confidence, RangeKind::Confidence, name));
    if (kSARCheckConfidence.Exceeds(SAR))
      Warning(Outside(kSAR, SAR, kSARCheckConfidence, RangeKind::Confidence, name));
  }

  void Exponent() {
    if (!kVeEXP.accepted.Contains(job_.VeEXP)) Refused(kVeEXP, job_.VeEXP);
    if (status_ == 0) Trusted(kVeEXP, job_.VeEXP);
  }

  void Roof() {
    if (kPhi.accepted.Contains(job_.Phi)) {
      Trusted(kPhi, job_.Phi);
    } else {
      Refused(kPhi, job_.Phi);
    }
    if (!kIslope.accepted.Contains(job_.Islope)) Refused(kIslope, job_.Islope);
    if (job_.Phi != 0 && job_.Islope == 0) {
      Warning(
          "The Roof Type is 0 (Flat Roof). The Roof Tilt Angle was set equal to Zero by "
          "default.");
      job_.Phi = 0;
    }
  }

  Job& job_;
  MessageSink& messages_;
  const NumberLocale& locale_;
  std::int16_t status_ = 0;
  float RbH_ = 0;
  float FAR1_ = 0;
  float SAR1_ = 0;
};

}  // namespace

std::int16_t CheckJobData(Job& job, MessageSink& messages, const NumberLocale& locale) {
  return HeaderChecks(job, messages, locale).Run();
}

}  // namespace ventora
