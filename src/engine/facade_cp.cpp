#include "engine/facade_cp.h"

#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"

namespace ventora {

namespace {

constexpr std::int16_t kRoofFacade = 5;
constexpr std::int16_t kFloorFacade = 6;
constexpr float kFloorCp = 999.0f;

void WallCp(const RunContext& ctx, const FacadeValues& FacadeAngle, float PAD, float RbH,
            float VeEXP, const FacadeValues& FacadeFAR, const FacadeValues& FacadeSAR,
            std::int16_t iface, float XL, float ZH, float& Cp, std::int16_t& err) {
  const float angle = FacadeAngle[iface];
  const float FAR = FacadeFAR[iface];
  const float SAR = FacadeSAR[iface];
  if (angle > -90.0f && angle < 90.0f) {
    WindwardCp(ctx, VeEXP, PAD, RbH, FAR, SAR, angle, ZH, XL, Cp, err);
  } else if (angle <= -90.0f || angle >= 90.0f) {
    LeewardCp(ctx, VeEXP, PAD, RbH, FAR, SAR, angle, ZH, XL, Cp, err);
  } else {
    // A NaN angle faces neither way; without this the element would come
    // back as a success with no Cp.
    err = 1;
  }
}

}  // namespace

void FacadeCp(const RunContext& ctx, const FacadeValues& FacadeAngle, float PAD, float RbH,
              float VeEXP, const FacadeValues& FacadeFAR, const FacadeValues& FacadeSAR,
              std::int16_t iface, float XL, float ZH, std::int16_t Islope, float Phi, float& Cp,
              std::int16_t& err) {
  if (iface < 1 || iface > kFloorFacade) {
    ctx.RangeMessage("iface out of range (1 - 6)");
    err = 1;
  } else if (iface < kRoofFacade) {
    WallCp(ctx, FacadeAngle, PAD, RbH, VeEXP, FacadeFAR, FacadeSAR, iface, XL, ZH, Cp, err);
  } else if (iface == kRoofFacade) {
    RoofCp(ctx, VeEXP, PAD, RbH, FacadeFAR[kRoofFacade], FacadeSAR[kRoofFacade],
           FacadeAngle[kRoofFacade], ZH, XL, Islope, Phi, Cp, err);
  } else {
    ctx.RangeMessage("floor facade: no Cp values");
    Cp = kFloorCp;
    err = 1;
  }
}

}  // namespace ventora
