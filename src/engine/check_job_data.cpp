#include <string>

#include "core/parameter_limits.h"
#include "engine/pre_run_checks.h"

namespace ventora {
namespace {

// The ranges' tests are false for a NaN, which no check may let through.
using limits::kAnWind, limits::kAzB, limits::kFAR, limits::kIslope, limits::kPAD,
    limits::kPADIfRatioNot1, limits::kPADIfRbHNot1, limits::kPhi, limits::kRbH,
    limits::kSARCheckConfidence, limits::kSbH, limits::kVeEXP;

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
    if (!kSbH.accepted.Contains(job_.SbH)) Error(kSbH.checkError);
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

  void SurroundingHeight() {
    if (job_.PAD != 0 || job_.SbH == job_.Bdz) return;
    Warning(
        "the Height of Sorrounding Buildings must be equal to the Height of the considered "
        "building.\rIt was set so by default.");
    job_.SbH = job_.Bdz;
  }

  void Angles() {
    if (!kAzB.accepted.Contains(job_.AzB)) Error(kAzB.checkError);
    if (!kAnWind.accepted.Contains(job_.AnWind)) Error(kAnWind.checkError);
  }

  // A cube may stand in denser surroundings than other shapes.
  void PlanAreaDensity() {
    limits::Range limit = kPADIfRbHNot1;
    if (RbH_ == 1 && FAR1_ == 1 && SAR1_ == 1) {
      limit = kPAD.accepted;
    } else if (FAR1_ != 1 || SAR1_ != 1) {
      limit = kPADIfRatioNot1;
    }
    if (!limit.Contains(job_.PAD))
      Error(kPAD.checkError + std::to_string(static_cast<int>(limit.high)));
  }

  void RelativeHeight() {
    if (kRbH.accepted.Contains(RbH_)) {
      if (!kRbH.confidence.Contains(RbH_)) Warning(kRbH.checkWarning);
    } else {
      Error(kRbH.checkError);
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
    if (kFAR.confidence.Exceeds(FAR)) {
      Warning("The Frontal Aspect Ratio, for the " + name +
              ", (the ratio of the Facade's Lenght to the Facade's Height) is out of the "
              "confidence range 0.5 <= FAR => 4");
    }
    if (kSARCheckConfidence.Exceeds(SAR)) {
      Warning("The Side Aspect Ratio, for the " + name +
              ", (the ratio of the Adjacent Facade's Length to the Facade Height) is out of the "
              "confidence range 0.5 <= SAR => 2");
    }
  }

  void Exponent() {
    if (!kVeEXP.accepted.Contains(job_.VeEXP)) Error(kVeEXP.checkError);
    if (status_ == 0 && !kVeEXP.confidence.Contains(job_.VeEXP)) {
      Warning(
          "The Wind Velocity Profile Exponent is out of the confidence range for the facades: " +
          Decimal("0", "1") + "<= VeExp =>" + Decimal("0", "4"));
    }
  }

  std::string Decimal(const std::string& whole, const std::string& fraction) const {
    return whole + locale_.decimal + fraction;
  }

  void Roof() {
    if (kPhi.accepted.Contains(job_.Phi)) {
      if (!kPhi.confidence.Contains(job_.Phi)) Warning(kPhi.checkWarning);
    } else {
      Error(kPhi.checkError);
    }
    if (!kIslope.accepted.Contains(job_.Islope)) Error(kIslope.checkError);
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
