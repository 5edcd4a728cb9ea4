#include "engine/facade_cp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"
#include "recording_messages.h"

namespace ventora {
namespace {

using testing::RecordingMessages;

// A job in the middle of every model's range, with per-facade values that
// differ, so that an element routed with another facade's values shows.
struct Element {
  FacadeGeometry g{.RbH = 1.4f,
                   .FacadeAngle{0.0f, 10.0f, 100.0f, -170.0f, -80.0f, 30.0f, 0.0f},
                   .FacadeFAR{0.0f, 2.5f, 0.8f, 2.5f, 0.8f, 1.7f, 1.0f},
                   .FacadeSAR{0.0f, 0.8f, 2.5f, 0.8f, 2.5f, 0.6f, 1.0f}};
  float PAD = 10.0f;
  float VeEXP = 0.25f;
  float XL = 0.3f;
  float ZH = 0.45f;
  std::int16_t Islope = 0;
  float Phi = 0.0f;
};

constexpr float kUntouched = -12345.0f;

struct Outcome {
  float Cp = kUntouched;
  std::int16_t err = 0;
};

Outcome Dispatch(const RunContext& ctx, const Element& e, Facade facade,
                 std::int16_t carriedErr = 0) {
  const FacadeCpResult r = FacadeCp(ctx, {.geometry = e.g,
                                          .PAD = e.PAD,
                                          .VeEXP = e.VeEXP,
                                          .facade = facade,
                                          .XL = e.XL,
                                          .ZH = e.ZH,
                                          .Islope = e.Islope,
                                          .Phi = e.Phi,
                                          .carried = {kUntouched, carriedErr}});
  return {r.cp, r.err};
}

Outcome Windward(const Element& e, int iface) {
  Outcome o;
  WindwardCp(RunContext{}, e.VeEXP, e.PAD, e.g.RbH, e.g.FacadeFAR[iface], e.g.FacadeSAR[iface],
             e.g.FacadeAngle[iface], e.ZH, e.XL, o.Cp, o.err);
  return o;
}

Outcome Leeward(const Element& e, int iface) {
  Outcome o;
  LeewardCp(RunContext{}, e.VeEXP, e.PAD, e.g.RbH, e.g.FacadeFAR[iface], e.g.FacadeSAR[iface],
            e.g.FacadeAngle[iface], e.ZH, e.XL, o.Cp, o.err);
  return o;
}

Outcome Roof(const Element& e) {
  Outcome o;
  RoofCp(RunContext{}, e.VeEXP, e.PAD, e.g.RbH, e.g.FacadeFAR[5], e.g.FacadeSAR[5],
         e.g.FacadeAngle[5], e.ZH, e.XL, e.Islope, e.Phi, o.Cp, o.err);
  return o;
}

// Routing is seen in the result: the dispatched Cp must equal the chosen
// model's and differ from the other wall model's.
void ExpectWindward(const Element& e, int iface) {
  const Outcome got = Dispatch(RunContext{}, e, AsFacade(iface));
  ASSERT_EQ(got.err, 0);
  EXPECT_EQ(got.Cp, Windward(e, iface).Cp);
  EXPECT_NE(got.Cp, Leeward(e, iface).Cp);
}

void ExpectLeeward(const Element& e, int iface) {
  const Outcome got = Dispatch(RunContext{}, e, AsFacade(iface));
  ASSERT_EQ(got.err, 0);
  EXPECT_EQ(got.Cp, Leeward(e, iface).Cp);
  EXPECT_NE(got.Cp, Windward(e, iface).Cp);
}

TEST(FacadeCpRouting, AngleBoundariesOfTheWallModels) {
  Element e;
  for (float a : {89.9f, -89.9f, 0.0f, 45.0f}) {
    SCOPED_TRACE(a);
    e.g.FacadeAngle[2] = a;
    ExpectWindward(e, 2);
  }
  for (float a : {90.0f, -90.0f, 180.0f, -180.0f, 135.0f}) {
    SCOPED_TRACE(a);
    e.g.FacadeAngle[2] = a;
    ExpectLeeward(e, 2);
  }
}

TEST(FacadeCpRouting, EachWallUsesItsOwnAngleAndRatios) {
  const Element e;
  ExpectWindward(e, 1);  // 10 degrees
  ExpectLeeward(e, 2);   // 100 degrees
  ExpectLeeward(e, 3);   // -170 degrees
  ExpectWindward(e, 4);  // -80 degrees
}

TEST(FacadeCpRouting, RoofGoesToTheRoofModelWhateverItsAngle) {
  Element e;
  for (float a : {30.0f, 90.0f, -150.0f, 180.0f}) {
    for (std::int16_t islope : {0, 1, 2}) {
      SCOPED_TRACE(::testing::Message() << a << " " << islope);
      e.g.FacadeAngle[5] = a;
      e.Islope = islope;
      e.Phi = islope == 0 ? 0.0f : 20.0f;
      const Outcome got = Dispatch(RunContext{}, e, Facade::Roof);
      const Outcome want = Roof(e);
      ASSERT_EQ(want.err, 0);
      EXPECT_EQ(got.err, 0);
      EXPECT_EQ(got.Cp, want.Cp);
    }
  }
}

TEST(FacadeCpFailures, FloorGivesSentinelAndCodeOne) {
  const Element e;
  RecordingMessages boxes;
  const Outcome got = Dispatch(RunContext{false, &boxes, nullptr}, e, Facade::Floor);
  EXPECT_EQ(got.err, 1);
  EXPECT_EQ(got.Cp, 999.0f);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"floor facade: no Cp values"});
  EXPECT_EQ(boxes.shown.at(0).title, "VENTORA");
  EXPECT_EQ(boxes.shown.at(0).icon, MsgIcon::None);
  EXPECT_EQ(boxes.shown.at(0).buttons, MsgButtons::Ok);
}

TEST(FacadeCpFailures, FacadeOutsideOneToSixLeavesCpAsItWas) {
  const Element e;
  for (std::int16_t iface : {0, 7, -1, 32767}) {
    SCOPED_TRACE(iface);
    RecordingMessages boxes;
    const Outcome got = Dispatch(RunContext{false, &boxes, nullptr}, e, AsFacade(iface));
    EXPECT_EQ(got.err, 1);
    EXPECT_EQ(got.Cp, kUntouched);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"iface out of range (1 - 6)"});
  }
}

TEST(FacadeCpFailures, QuietRunShowsNoBoxButKeepsTheCodes) {
  const Element e;
  RecordingMessages boxes;
  const RunContext quiet{true, &boxes, nullptr};
  EXPECT_EQ(Dispatch(quiet, e, AsFacade(0)).err, 1);
  EXPECT_EQ(Dispatch(quiet, e, Facade::Floor).err, 1);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(FacadeCpFailures, ModelCodesPassThroughAndCpStaysUnwritten) {
  Element e;
  e.VeEXP = 0.5f;  // beyond every model's range
  for (Facade facade : {Facade::Wall1, Facade::Wall2, Facade::Roof}) {
    SCOPED_TRACE(FacadeIndex(facade));
    const Outcome got = Dispatch(RunContext{true, nullptr, nullptr}, e, facade);
    EXPECT_EQ(got.err, 1);
    EXPECT_EQ(got.Cp, kUntouched);
  }
}

// The run carries err 1 past an element outside its facade into the next
// element: the models then stop at their first check and write no Cp.
TEST(FacadeCpFailures, CarriedCodeStopsTheModelsBeforeTheyWriteCp) {
  const Element e;  // every model computes this element when nothing is carried
  for (Facade facade : {Facade::Wall1, Facade::Wall2, Facade::Roof}) {
    SCOPED_TRACE(FacadeIndex(facade));
    const Outcome got = Dispatch(RunContext{true, nullptr, nullptr}, e, facade, 1);
    EXPECT_EQ(got.err, 1);
    EXPECT_EQ(got.Cp, kUntouched);
  }
}

TEST(FacadeCpFailures, NonFiniteWallAngleIsRefusedNotReportedAsSuccess) {
  Element e;
  e.g.FacadeAngle[3] = std::nanf("");
  const Outcome got = Dispatch(RunContext{true, nullptr, nullptr}, e, Facade::Wall3);
  EXPECT_EQ(got.err, 1);
  EXPECT_EQ(got.Cp, kUntouched);
}

}  // namespace
}  // namespace ventora
