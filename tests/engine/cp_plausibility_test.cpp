// Each Cp's status: implausible exactly when it lies outside the envelope of
// its role (the facade's, and on a windward wall whether the element stands
// above the surroundings), whatever the inputs; otherwise outside a
// confidence range when an input is, else plausible.

#include "engine/cp_plausibility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/run_calculation.h"
#include "job_builders.h"

namespace ventora {
namespace {

using limits::CpRole;

RunResult RunOf(const Job& job) {
  RunContext ctx;
  RunSetup setup;
  setup.openReport = [] { return std::make_unique<NoReport>(); };
  return RunCalculation(job, ctx, setup);
}

// The role from the job alone: facade i faces AzB + (4 - i) x 90 degrees;
// a windward wall's element higher than SbH stands above the surroundings.
CpRole ExpectedRole(const Job& job, int iface, float Z) {
  if (iface == 5) return limits::RoofRole(job.Islope);
  const double normal = job.AzB + (4 - iface) * 90.0;
  const double off = std::fabs(std::remainder(job.AnWind - normal, 360.0));
  if (off > 45.0) return CpRole::OtherWall;
  return Z > job.SbH ? CpRole::WindwardWallAbove : CpRole::WindwardWall;
}

void AddGrid(Job& job) {
  for (int iface = 1; iface <= 5; ++iface) {
    const FacadeExtents ext = FacadeExtent(job, iface);
    for (float XL : {0.1f, 0.5f, 0.9f})
      for (float ZH : {0.2f, 0.5f, 0.8f})
        testing::AddElement(job, iface, XL * ext.L, ZH * ext.H);
  }
}

bool RatiosTrusted(const FacadeGeometry& g) {
  for (Facade wall : kWalls) {
    const int i = FacadeIndex(wall);
    if (!limits::kFAR.confidence.Contains(g.FacadeFAR[i]) ||
        !limits::kSAR.confidence.Contains(g.FacadeSAR[i]))
      return false;
  }
  return true;
}

TEST(CpPlausibility, InsideTheConfidenceRangesFlagsExactlyTheValuesOutsideTheEnvelope) {
  int implausible = 0;
  int plausible = 0;
  for (float PAD : {0.0f, 10.0f, 20.0f, 22.19f, 30.0f})
    for (float RbH : {0.6f, 1.5f, 2.8f})
      for (float FAR : {0.6f, 1.8f, 3.0f})
        for (float depth : {0.7f, 1.6f})
          for (float VeEXP : {0.14f, 0.33f})
            for (std::int16_t Islope : {0, 1, 2}) {
              Job job = testing::BlockJob(30, 0);
              job.PAD = PAD;
              job.Bdz = 20;
              job.SbH = job.Bdz / RbH;
              job.BdX = FAR * job.Bdz;
              job.BdY = depth * job.Bdz;
              job.VeEXP = VeEXP;
              job.Islope = Islope;
              job.Phi = Islope == 0 ? 0.0f : 25.0f;
              AddGrid(job);
              for (float wind = 5; wind < 360; wind += 40) {
                job.AnWind = wind;
                const RunResult r = RunOf(job);
                if (!RatiosTrusted(r.geometry)) continue;
                ASSERT_EQ(r.verdict, RunVerdict::Completed);
                ASSERT_EQ(r.status.size(), r.elements.size());
                for (std::size_t e = 0; e < r.elements.size(); ++e) {
                  const ElementResult& el = r.elements[e];
                  const limits::CpEnvelope& env =
                      limits::EnvelopeOf(ExpectedRole(job, el.iface, el.Z));
                  const bool inside = el.Cp >= env.low.value && el.Cp <= env.high.value;
                  const CpPlausibility expected =
                      inside ? CpPlausibility::Plausible : CpPlausibility::Implausible;
                  ASSERT_EQ(r.status[e].plausibility, expected)
                      << "Cp " << el.Cp << " facade " << el.iface << " PAD " << PAD << " RbH "
                      << RbH << " FAR " << FAR << " wind " << wind;
                  (inside ? plausible : implausible) += 1;
                }
              }
            }
  // Both verdicts occur: the grid reaches into the troubled region.
  EXPECT_GT(implausible, 100);
  EXPECT_GT(plausible, 10 * implausible);
}

TEST(CpPlausibility, NamesTheConfidenceRangesAnElementsInputsLieOutside) {
  struct Case {
    const char* what;
    void (*change)(Job&);
    int iface;
    float ZH;
    std::uint8_t outside;
  };
  const Case cases[] = {
      {"inside", [](Job&) {}, 1, 0.5f, 0},
      {"tall", [](Job& j) { j.Bdz = 50, j.BdX = 40, j.BdY = 40; }, 1, 0.5f, kOutsideRbH},
      {"long", [](Job& j) { j.BdX = 45; }, 1, 0.5f, kOutsideFAR},
      {"long, side", [](Job& j) { j.BdX = 45; }, 2, 0.5f, kOutsideSAR},
      {"rough", [](Job& j) { j.VeEXP = 0.42f; }, 1, 0.5f, kOutsideVeEXP},
      {"steep", [](Job& j) { j.Islope = 2, j.Phi = 47; }, 5, 0.5f, kOutsidePhi},
      {"near the top", [](Job&) {}, 3, 0.95f, kHeightClamped},
      {"at 0.22 the band is wider", [](Job& j) { j.VeEXP = 0.22f; }, 3, 0.92f, 0},
  };
  for (const Case& c : cases) {
    Job job = testing::BlockJob(0, 0);
    job.Bdz = 10, job.BdX = 20, job.BdY = 10;
    c.change(job);
    const FacadeExtents ext = FacadeExtent(job, c.iface);
    testing::AddElement(job, c.iface, 0.5f * ext.L, c.ZH * ext.H);
    const RunResult r = RunOf(job);
    ASSERT_EQ(r.status.size(), 1u) << c.what;
    EXPECT_EQ(r.status[0].outside, c.outside) << c.what;
    if (r.status[0].plausibility != CpPlausibility::Implausible) {
      EXPECT_EQ(r.status[0].plausibility,
                c.outside == 0 ? CpPlausibility::Plausible : CpPlausibility::OutsideConfidence)
          << c.what;
    }
  }
}

// A cube 36.9 m high among 13.24 m neighbours (VeEXP 0.198): the part of a
// wall facing the wind that rises above them has no suction; below them, in
// the array's skimming flow, a slightly negative Cp is kept.
TEST(CpPlausibility, AWindwardWallAboveTheSurroundingsHasNoSuction) {
  struct Case {
    const char* what;  // the Cp the model gives, for the reader
    float PAD;
    float wind;  // wall 1 faces 270
    float Z;
    CpRole role;
    CpPlausibility expected;
  };
  using P = CpPlausibility;
  const Case cases[] = {
      {"head on, mid-height: -0.099", 14, 270, 18.45f, CpRole::WindwardWallAbove, P::Implausible},
      {"head on, PAD 15: -0.27", 15, 270, 18.45f, CpRole::WindwardWallAbove, P::Implausible},
      {"just above SbH: -0.068", 14, 270, 13.3f, CpRole::WindwardWallAbove, P::Implausible},
      {"at SbH itself: -0.068", 14, 270, 13.24f, CpRole::WindwardWall, P::Plausible},
      {"below SbH, skimming: -0.031", 15, 270, 6, CpRole::WindwardWall, P::Plausible},
      {"45 degrees off: -0.032", 14, 225, 18.45f, CpRole::WindwardWallAbove, P::Implausible},
      {"60 degrees off, a side wall: -0.010", 14, 210, 18.45f, CpRole::OtherWall, P::Plausible},
      {"PAD 10: +0.58", 10, 270, 18.45f, CpRole::WindwardWallAbove, P::Plausible},
      {"PAD 25: +2.74", 25, 270, 18.45f, CpRole::WindwardWallAbove, P::Implausible},
  };
  for (const Case& c : cases) {
    Job job = testing::BlockJob(0, c.wind);
    job.PAD = c.PAD;
    job.SbH = 13.24f;
    job.Bdz = job.BdX = job.BdY = 36.9f;
    job.VeEXP = 0.198f;
    testing::AddElement(job, 1, 18.45f, c.Z);
    const RunResult r = RunOf(job);
    ASSERT_EQ(r.status.size(), 1u) << c.what;
    EXPECT_EQ(r.status[0].role, c.role) << c.what;
    EXPECT_EQ(r.status[0].plausibility, c.expected) << c.what << ": Cp " << r.elements[0].Cp;
  }
}

}  // namespace
}  // namespace ventora
