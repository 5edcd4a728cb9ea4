#include <string>

#include "engine/pre_run_checks.h"

namespace ventora {
namespace {

// Inclusive, and false for a NaN, which no check may let through.
bool Within(float value, float low, float high) {
  return low <= value && value <= high;
}

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
    if (!(job_.SbH > 0)) Error("The Height of Surrounding Buildings must be > 0 and < 360");
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
    if (!Within(job_.AzB, 0, 360)) Error("The angle of the building must be > 0 and < 360");
    if (!Within(job_.AnWind, 0, 360))
      Error("The angle of the direction of the wind must be > 0 and < 360");
  }

  // A cube may stand in denser surroundings than other shapes.
  void PlanAreaDensity() {
    int limit = 40;
    if (RbH_ == 1 && FAR1_ == 1 && SAR1_ == 1) {
      limit = 50;
    } else if (FAR1_ != 1 || SAR1_ != 1) {
      limit = 35;
    }
    if (!Within(job_.PAD, 0, static_cast<float>(limit)))
      Error("The Plan Area Density must be > 0 and <" + std::to_string(limit));
  }

  void RelativeHeight() {
    const std::string what =
        "Relative Building Height (the ratio of the Building Height to the Height of Surrounding "
        "Buildings) ";
    if (RbH_ >= 0 && RbH_ <= 8) {
      if (RbH_ < 0.5f || RbH_ > 4) Warning(what + "is out of the confidence range 0.5 <= RbH => 4");
    } else {
      Error(what + "must be 0 < RbH > 8");
    }
  }

  void AspectRatios() {
    const float X = job_.BdX / job_.Bdz;
    const float Y = job_.BdY / job_.Bdz;
    AspectRatios("facades 1 and 3", X, Y);
    AspectRatios("facades 2 and 4", Y, X);
    AspectRatios("roof", X, Y);
  }

  void AspectRatios(const std::string& name, float FAR, float SAR) {
    if (FAR > 4) {
      Warning("The Frontal Aspect Ratio, for the " + name +
              ", (the ratio of the Facade's Lenght to the Facade's Height) is out of the "
              "confidence range 0.5 <= FAR => 4");
    }
    if (SAR > 2) {
      Warning("The Side Aspect Ratio, for the " + name +
              ", (the ratio of the Adjacent Facade's Length to the Facade Height) is out of the "
              "confidence range 0.5 <= SAR => 2");
    }
  }

  void Exponent() {
    if (!Within(job_.VeEXP, 0.1f, 0.45f))
      Error("The Wind Velocity Profile Exponent is out of the range 0.1 <= VeExp => 0.45");
    if (status_ == 0 && (job_.VeEXP < 0.1f || job_.VeEXP > 0.4f)) {
      Warning(
          "The Wind Velocity Profile Exponent is out of the confidence range for the facades: " +
          Decimal("0", "1") + "<= VeExp =>" + Decimal("0", "4"));
    }
  }

  std::string Decimal(const std::string& whole, const std::string& fraction) const {
    return whole + locale_.decimal + fraction;
  }

  void Roof() {
    if (job_.Phi >= 0 && job_.Phi < 50) {
      if (job_.Phi > 45)
        Warning("The Roof Tilt Angle is out of the confidence range 0 <= Phi >= 45");
    } else {
      Error("The Roof Tilt Angle must be >= 0 and < 50");
    }
    if (job_.Islope < 0 || job_.Islope > 2) Error("The Roof Type must be 0, 1, or 2");
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
