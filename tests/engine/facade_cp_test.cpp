#include "engine/facade_cp.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/portable_std.h"
#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/row_memo.h"
#include "engine/models/windward_model.h"
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
  const float FAR = g.FacadeFAR[iface], SAR = g.FacadeSAR[iface], a = g.FacadeAngle[iface];
  if (iface == 5)
    RoofCp({}, 0.25f, 10, g.RbH, FAR, SAR, a, 0.45f, 0.3f, Islope, Islope ? 20 : 0, Cp, err);
  else if (windward)
    WindwardCp({}, 0.25f, 10, g.RbH, FAR, SAR, a, 0.45f, 0.3f, Cp, err);
  else
    LeewardCp({}, 0.25f, 10, g.RbH, FAR, SAR, a, 0.45f, 0.3f, Cp, err);
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

// A failure leaves Cp as it was (the floor's 999 aside) with code 1; the
// dispatcher's own boxes only outside a quiet run.
TEST(FacadeCp, FailuresLeaveCpAndGiveCodeOne) {
  using Texts = std::vector<std::string>;
  const struct {
    int iface;
    std::int16_t carried;
    float VeEXP, cp;
    const char* box;
  } cases[] = {{6, 0, 0.25f, 999, "floor facade: no Cp values"},
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

// The walk keeps each facade's height parts for its other elements at the
// same ZH, its wall factors planned at the job's values, the curve values of
// the job's values in a memo and the wall factors along the facade by band
// and XL (one memo and one along cache for every case here, so their keys
// must tell the values apart, and the walls turn round between cases): over
// refusals, carried errors, repeated and odd heights, every Cp, code, box and
// report line must be what the models give without any of them.
TEST(FacadeCp, HeightPartCachePlansAndRowMemoChangeNothing) {
  const float zhs[] = {0.25f, 0.0f, 0.25f, 0.5f, 1.0f, 1.2f, NAN, 0.25f, 0.5f, 0.33f, 0.871f};
  const float xls[] = {0.3f, 0.0f, 0.7f, 1.0f, -0.1f, NAN};
  int compared = 0, computed = 0, reportLines = 0, boxes = 0;
  RowMemo rows;
  AlongFactorCache alongs;
  for (float ratio : {0.3f, 1.0f, 2.5f, NAN})
    for (float PAD : {0.0f, 10.0f, 34.0f, 45.0f})
      for (float VeEXP : {0.05f, 0.22f, 0.3f})
        for (std::int16_t Islope : {0, 1, 2}) {
          FacadeGeometry geo = g;
          geo.FacadeFAR[3] = geo.FacadeSAR[1] = geo.FacadeFAR[5] = ratio;
          if (Islope == 1)  // mirrored: each wall's factors along it read 1 - XL
            for (int wall = 1; wall <= 4; ++wall)
              geo.FacadeAngle[wall] = -geo.FacadeAngle[wall];
          HeightPartCache cache;
          FacadePlans plans;
          for (int iface = 1; iface <= 6; ++iface)
            for (float ZH : zhs)
              for (float XL : xls) {
                const std::int16_t carried = compared % 7 == 0 ? 1 : 0;
                FacadeCpInput in{geo, PAD,    VeEXP, AsFacade(iface),      XL,
                                 ZH,  Islope, 20,    {kUntouched, carried}};
                testing::RecordingMessages plainBoxes, cachedBoxes;
                testing::RecordingLines plainLines, cachedLines;
                const FacadeCpResult plain = FacadeCp({false, &plainBoxes, &plainLines}, in);
                in.heights = &cache;
                in.plans = &plans;
                in.alongs = &alongs;
                const FacadeCpResult cached =
                    FacadeCp({false, &cachedBoxes, &cachedLines, &rows}, in);
                ASSERT_EQ(portable::bit_cast<std::uint32_t>(cached.cp),
                          portable::bit_cast<std::uint32_t>(plain.cp))
                    << "facade " << iface << " ZH " << ZH << " XL " << XL;
                ASSERT_EQ(cached.err, plain.err);
                ASSERT_EQ(cachedBoxes.Texts(), plainBoxes.Texts());
                ASSERT_EQ(cachedLines.lines, plainLines.lines);
                ++compared;
                computed += plain.err == 0 ? 1 : 0;
                reportLines += plainLines.lines.empty() ? 0 : 1;
                boxes += plainBoxes.shown.empty() ? 0 : 1;
              }
        }
  EXPECT_EQ(compared, 4 * 4 * 3 * 3 * 6 * 11 * 6);
  // Both outcomes are covered: values, refusals with a box, model failures
  // with a report line.
  EXPECT_GT(computed, compared / 10);
  EXPECT_GT(boxes, 0);
  EXPECT_GT(reportLines, 0);
}

// The cache is consulted: a part kept for one facade and height is used
// there only, and a facade's table stops growing at its element limit.
TEST(FacadeCp, HeightPartCacheIsKeptPerFacadeAndHeight) {
  HeightPartCache cache;
  cache.Store(1, 0.45f, 2.0);
  const auto cp = [&](int iface, float ZH) {
    return FacadeCp({}, {g, 10, 0.25f, AsFacade(iface), 0.3f, ZH, 0, 0, {}, &cache}).cp;
  };
  const float doubled = cp(1, 0.45f);
  cache = HeightPartCache{};
  EXPECT_NE(doubled, cp(1, 0.45f));
  EXPECT_FLOAT_EQ(doubled, 2.0f / static_cast<float>(*cache.Find(1, 0.45f)) * cp(1, 0.45f));
  EXPECT_EQ(cache.Find(4, 0.45f), nullptr);
  EXPECT_EQ(cache.Find(1, 0.4500001f), nullptr);
  for (int i = 0; i < 3 * kMaxElements; ++i)
    cache.Store(2, static_cast<float>(i), i);
  EXPECT_NE(cache.Find(2, static_cast<float>(kMaxElements - 1)), nullptr);
  EXPECT_EQ(cache.Find(2, static_cast<float>(kMaxElements)), nullptr);
}

// The along cache is consulted: a factor is evaluated once per wall, band,
// XL and angle, whatever the height within the band.
TEST(AlongFactorCache, EvaluatesOncePerWallBandPlaceAndAngle) {
  struct Case {
    const char* what;
    int iface;
    float angle;
    float ZH;
    float XL;
    bool evaluated;
  };
  const Case cases[] = {
      {"first", 1, 10, 0.15f, 0.3f, true},
      {"another height of the band", 1, 10, 0.35f, 0.3f, false},
      {"another place", 1, 10, 0.35f, 0.7f, true},
      {"back to the first place", 1, 10, 0.15f, 0.3f, false},
      {"another band", 1, 10, 0.75f, 0.3f, true},
      {"another wall", 2, 10, 0.15f, 0.3f, true},
      {"the first wall turned", 1, -10, 0.15f, 0.3f, true},
      {"the first place at the old angle again", 1, 10, 0.15f, 0.3f, true},
      {"the other wall kept its factors", 2, 10, 0.15f, 0.3f, false},
  };
  AlongFactorCache cache;
  // Two bands, below and from ZH 0.6; the factor tells its inputs apart.
  const auto band = [](float ZH) { return ZH < 0.6f ? 1 : 2; };
  for (const Case& c : cases) {
    int evaluations = 0;
    const float factor = cache.Factor(c.iface, c.angle, c.ZH, c.XL, band, [&](int b) {
      ++evaluations;
      return static_cast<float>(c.iface * 1000 + b * 100) + c.angle + c.XL;
    });
    EXPECT_EQ(evaluations, c.evaluated ? 1 : 0) << c.what;
    EXPECT_EQ(factor, static_cast<float>(c.iface * 1000 + band(c.ZH) * 100) + c.angle + c.XL)
        << c.what;
  }
}

// A facade whose heights never turn back keeps only the height stored last,
// where every repeat of such heights is found; any other keeps them all.
TEST(FacadeCp, HeightPartCacheKeepsATableOnlyForHeightsThatTurnBack) {
  const struct {
    std::vector<float> heights;
    bool table;
  } cases[] = {
      {{1, 2, 2, 3}, false}, {{3, 2, 2, 1}, false}, {{2, 2, 2}, false},  {{1}, false},
      {{1, 2, 1}, true},     {{3, 1, 2}, true},     {{1, NAN, 2}, true}, {{1, 1, 3, 2}, true},
  };
  for (const auto& c : cases) {
    HeightPartCache cache;
    cache.Expect(3, c.heights);
    cache.Store(3, 0.25f, 1.5);
    cache.Store(3, 0.5f, 2.5);
    ASSERT_NE(cache.Find(3, 0.5f), nullptr);
    EXPECT_EQ(*cache.Find(3, 0.5f), 2.5);
    EXPECT_EQ(cache.Find(3, 0.25f) != nullptr, c.table) << ::testing::PrintToString(c.heights);
  }
}

}  // namespace
}  // namespace ventora
