#include "engine/facade_cp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"
#include "engine/report_writer.h"
#include "recording_messages.h"

namespace ventora {
namespace {

constexpr float kUntouched = -12345.0f;

// A job in the middle of every model's range, with per-facade values that
// differ, so that an element routed with another facade's values shows.
FacadeGeometry g{.RbH = 1.4f,
                 .FacadeAngle{0.0f, 10.0f, 100.0f, -170.0f, -80.0f, 30.0f, 0.0f},
                 .FacadeFAR{0.0f, 2.5f, 0.8f, 2.5f, 0.8f, 1.7f, 1.0f},
                 .FacadeSAR{0.0f, 0.8f, 2.5f, 0.8f, 2.5f, 0.6f, 1.0f}};

FacadeCpResult Dispatch(int iface, const RunContext& ctx = {}, std::int16_t carried = 0,
                        float VeEXP = 0.25f, std::int16_t Islope = 0) {
  // PAD 10, XL 0.3, ZH 0.45; a pitched roof at 20 degrees.
  const float phi = Islope ? 20.0f : 0.0f;
  const FacadeCpResult before{kUntouched, carried};
  return FacadeCp(ctx, {g, 10, VeEXP, AsFacade(iface), 0.3f, 0.45f, Islope, phi, before});
}

// The model each facade goes to, computed directly with that facade's values.
float Direct(int iface, bool windward, std::int16_t Islope = 0) {
  float Cp = kUntouched;
  std::int16_t err = 0;
  const ModelInput in{
      0.25f, 10,   g.RbH,  g.FacadeFAR[iface],   g.FacadeSAR[iface], g.FacadeAngle[iface],
      0.45f, 0.3f, Islope, Islope ? 20.0f : 0.0f};
  if (iface == 5)
    RoofCp({}, in, Cp, err);
  else if (windward)
    WindwardCp({}, in, Cp, err);
  else
    LeewardCp({}, in, Cp, err);
  EXPECT_EQ(err, 0);
  return Cp;
}

// Walls facing the wind within +-90 degrees (open) go to the windward model;
// the roof goes to the roof model whatever its angle.
TEST(FacadeCp, RoutesEachFacadeWithItsOwnValues) {
  const struct {
    int iface;
    float angle;  // NaN: the facade's own
    bool windward;
  } cases[] = {{1, NAN, true},   {2, NAN, false},   {3, NAN, false}, {4, NAN, true},
               {2, 89.9f, true}, {2, -89.9f, true}, {2, 90, false},  {2, -90, false},
               {2, 180, false},  {5, 30, false},    {5, 90, false},  {5, -150, false}};
  const FacadeGeometry own = g;
  for (const auto& c : cases) {
    g = own;
    if (!std::isnan(c.angle)) g.FacadeAngle[c.iface] = c.angle;
    for (std::int16_t Islope : {0, 2}) {
      const FacadeCpResult r = Dispatch(c.iface, {}, 0, 0.25f, Islope);
      ASSERT_EQ(r.err, 0) << c.iface << " " << c.angle;
      EXPECT_EQ(r.cp, Direct(c.iface, c.windward, Islope)) << c.iface << " " << c.angle;
      if (c.iface != 5) {
        EXPECT_NE(r.cp, Direct(c.iface, !c.windward)) << c.iface << " " << c.angle;
      }
    }
  }
  g = own;
}

// A failure leaves Cp as it was (the floor's kFloorCp aside) with code 1; the
// dispatcher's own boxes only outside a quiet run.
TEST(FacadeCp, FailuresLeaveCpAndGiveCodeOne) {
  using Texts = std::vector<std::string>;
  const struct {
    int iface;
    std::int16_t carried;
    float VeEXP, cp;
    const char* box;
  } cases[] = {{6, 0, 0.25f, kFloorCp, "floor facade: no Cp values"},
               {0, 0, 0.25f, kUntouched, "iface out of range (1 - 6)"},
               {1, 0, 0.5f, kUntouched, ""},  // beyond every model's range
               {5, 0, 0.5f, kUntouched, ""},
               {2, 1, 0.25f, kUntouched, ""},  // carried from an element outside
               {5, 1, 0.25f, kUntouched, ""}};
  for (const auto& c : cases) {
    for (bool quiet : {false, true}) {
      testing::RecordingMessages boxes;
      const FacadeCpResult r = Dispatch(c.iface, {quiet, &boxes, nullptr}, c.carried, c.VeEXP);
      EXPECT_EQ(r.err, 1) << c.iface;
      EXPECT_EQ(r.cp, c.cp) << c.iface;
      if (c.iface % 6 == 0) {  // the models speak for themselves
        EXPECT_EQ(boxes.Texts(), quiet ? Texts{} : Texts{c.box});
      }
    }
  }
  g.FacadeAngle[3] = std::nanf("");
  EXPECT_EQ(Dispatch(3, {true, nullptr, nullptr}).cp, kUntouched);
  g.FacadeAngle[3] = -170;
}

}  // namespace
}  // namespace ventora
