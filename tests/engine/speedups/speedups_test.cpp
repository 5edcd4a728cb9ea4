// What a run keeps to compute less: every Cp, code, box and report line as
// the models give them without it, and each cache consulted where it
// should be.

#include "engine/speedups/speedups.h"
#include "core/portable_std.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "recording_messages.h"

namespace ventora {
namespace {

constexpr float kUntouched = -12345.0f;

// One Speedups for every case here (so the keys of its memo, plans and
// along cache must tell the values apart, and the walls turn round between
// cases), a new walk for each job's values: over refusals, carried errors,
// repeated and odd heights and the grid points of the walls' tables. The
// values reach the limits and reference states every plan treats apart
// (VeEXP 0.22, RbH 1, a ratio of 1, PAD 0 and at the ratios' limit of 35),
// and the roof turns from case to case through every band of its angle, the
// wind from behind and no angle at all.
TEST(Speedups, ChangeNoCpCodeBoxOrReportLine) {
  const float zhs[] = {0.25f, 0.0f,   0.25f, 0.5f, 1.0f, 1.2f,  NAN,  0.25f, 0.5f,
                       0.33f, 0.871f, 0.07f, 0.1f, 0.2f, 0.65f, 0.7f, 0.93f};
  const float xls[] = {0.3f, 0.0f, 0.7f, 1.0f, -0.1f, NAN};
  const float roofAngles[] = {30.0f, 0.0f, -10.0f, -89.0f, 95.0f, -135.0f, 180.0f, NAN};
  int compared = 0, computed = 0, reportLines = 0, boxes = 0, cases = 0;
  Speedups speedups;
  for (float ratio : {0.3f, 1.0f, 2.5f, 6.5f, NAN})
    for (float PAD : {0.0f, 10.0f, 12.5f, 35.0f, 45.0f})
      for (float VeEXP : {0.05f, 0.1f, 0.22f, 0.3f, 0.45f})
        for (float RbH : {1.0f, 1.4f})
          for (std::int16_t Islope : {0, 1, 2}) {
            FacadeGeometry geo{
                .RbH = RbH,
                .FacadeAngle{0.0f, 10.0f, 100.0f, -170.0f, -80.0f, roofAngles[cases++ % 8], 0.0f},
                .FacadeFAR{0.0f, 2.5f, 0.8f, ratio, 0.8f, ratio, 1.0f},
                .FacadeSAR{0.0f, ratio, 2.5f, 0.8f, 2.5f, 0.6f, 1.0f}};
            if (Islope == 1)  // mirrored: each wall's factors along it read 1 - XL
              for (int wall = 1; wall <= 4; ++wall)
                geo.FacadeAngle[wall] = -geo.FacadeAngle[wall];
            speedups.StartWalk(Job{});
            for (int iface = 1; iface <= 6; ++iface)
              for (float ZH : zhs)
                for (float XL : xls) {
                  const std::int16_t carried = compared % 7 == 0 ? 1 : 0;
                  FacadeCpInput in{geo, PAD,    VeEXP, AsFacade(iface),      XL,
                                   ZH,  Islope, 20,    {kUntouched, carried}};
                  testing::RecordingMessages plainBoxes, keptBoxes;
                  testing::RecordingLines plainLines, keptLines;
                  const FacadeCpResult plain = FacadeCp({false, &plainBoxes, &plainLines}, in);
                  in.speedups = &speedups;
                  const FacadeCpResult kept = FacadeCp({false, &keptBoxes, &keptLines}, in);
                  ASSERT_EQ(portable::bit_cast<std::uint32_t>(kept.cp),
                            portable::bit_cast<std::uint32_t>(plain.cp))
                      << "facade " << iface << " ZH " << ZH << " XL " << XL << " ratio " << ratio
                      << " PAD " << PAD << " VeEXP " << VeEXP << " RbH " << RbH << " roof "
                      << geo.FacadeAngle[5] << " Islope " << Islope;
                  ASSERT_EQ(kept.err, plain.err);
                  ASSERT_EQ(keptBoxes.Texts(), plainBoxes.Texts());
                  ASSERT_EQ(keptLines.lines, plainLines.lines);
                  ++compared;
                  computed += plain.err == 0 ? 1 : 0;
                  reportLines += plainLines.lines.empty() ? 0 : 1;
                  boxes += plainBoxes.shown.empty() ? 0 : 1;
                }
          }
  EXPECT_EQ(compared, 5 * 5 * 5 * 2 * 3 * 6 * 17 * 6);
  // Both outcomes are covered: values, refusals with a box, model failures
  // with a report line.
  EXPECT_GT(computed, compared / 10);
  EXPECT_GT(boxes, 0);
  EXPECT_GT(reportLines, 0);
}

// A part is kept for its facade and height only (bit for bit), a facade's
// table stops growing at its element limit, and a facade whose heights never
// turn back keeps only the height stored last, where every repeat of such
// heights is found.
TEST(HeightPartCache, KeepsPartsPerFacadeAndHeight) {
  HeightPartCache cache;
  cache.Store(1, 0.45f, 2.0);
  EXPECT_EQ(*cache.Find(1, 0.45f), 2.0);
  EXPECT_EQ(cache.Find(4, 0.45f), nullptr);
  EXPECT_EQ(cache.Find(1, 0.4500001f), nullptr);
  for (int i = 0; i < 3 * kMaxElements; ++i)
    cache.Store(2, static_cast<float>(i), i);
  EXPECT_NE(cache.Find(2, static_cast<float>(kMaxElements - 1)), nullptr);
  EXPECT_EQ(cache.Find(2, static_cast<float>(kMaxElements)), nullptr);
  const struct {
    std::vector<float> heights;
    bool table;
  } cases[] = {
      {{1, 2, 2, 3}, false}, {{3, 2, 2, 1}, false}, {{2, 2, 2}, false},  {{1}, false},
      {{1, 2, 1}, true},     {{3, 1, 2}, true},     {{1, NAN, 2}, true}, {{1, 1, 3, 2}, true},
  };
  for (const auto& c : cases) {
    HeightPartCache expecting;
    expecting.Expect(3, c.heights);
    expecting.Store(3, 0.25f, 1.5);
    expecting.Store(3, 0.5f, 2.5);
    ASSERT_NE(expecting.Find(3, 0.5f), nullptr);
    EXPECT_EQ(*expecting.Find(3, 0.5f), 2.5);
    EXPECT_EQ(expecting.Find(3, 0.25f) != nullptr, c.table) << ::testing::PrintToString(c.heights);
  }
}

}  // namespace
}  // namespace ventora
