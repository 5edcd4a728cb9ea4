// The troubled region: its table is what the scan of the model finds, and
// the run's warning names the part a job lies in, or says plainly that the
// scan found nothing there or never looked.

#include "engine/troubled_region.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/run_calculation.h"
#include "engine/troubled_region_scan.h"
#include "engine/troubled_region_tables.h"
#include "job_builders.h"

namespace ventora::troubled {
namespace {

std::string Plain(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(v));
  return text;
}

// The cube 36.9 m high among 13.24 m neighbours (RbH 2.787, FAR and SAR 1).
Job Cube(float PAD, float wind) {
  Job job = testing::BlockJob(0, wind);
  job.PAD = PAD;
  job.SbH = 13.24f;
  job.Bdz = job.BdX = job.BdY = 36.9f;
  job.VeEXP = 0.198f;
  return job;
}

// The table against the model: one cell scanned again (the whole scan takes
// minutes), the cube's, which holds both kinds of finding.
TEST(TroubledRegion, TheTableIsWhatTheScanOfTheModelFinds) {
  const int slice = 0, rbh = 9, far = 2, sar = 2;  // VeEXP 0.1 to 0.2, RbH 2.75 to 3, ...
  const std::string_view cube = kTroubledCells[CellIndex(slice, rbh, far, sar)];
  EXPECT_EQ(cube, ScanCell(slice, rbh, far, sar));
  EXPECT_EQ(CellFindings(0.198f, 2.787f, 1, 1), cube);
  EXPECT_TRUE(CellFindings(0.198f, 0.49f, 1, 1).empty());
  EXPECT_TRUE(CellFindings(0.198f, 1, 4.01f, 1).empty());
  EXPECT_TRUE(CellFindings(0.41f, 1, 1, 1).empty());
  EXPECT_EQ(CellFindings(0.4f, 1, 4, 1), kTroubledCells[CellIndex(2, 2, kRatioCells - 1, 2)]);
}

TEST(TroubledRegion, TheWarningNamesThePartAJobLiesIn) {
  struct Case {
    const char* what;
    Job job;
    const char* says;  // a piece of the sentence
  };
  Job slab = Cube(14, 270);
  slab.BdY = 6 * slab.Bdz;  // wall 1's SAR 6, wall 4's FAR 6
  const Case cases[] = {
      {"the cube head on at PAD 14", Cube(14, 270),
       "for PAD 0 to 35 with RbH 2.75 to 3, FAR 1 to 1.25 and SAR 1 to 1.25, where facade 1 "
       "lies (PAD 14, RbH 2.78701, FAR 1, SAR 1)."},
      {"the cube among buildings of its own height at PAD 2",
       [] {
         Job j = Cube(2, 270);
         j.SbH = j.Bdz;
         return j;
       }(),
       "finds nothing amiss where facade 1 (PAD 2, RbH 1, FAR 1, SAR 1) lies: the implausible "
       "values come from"},
      {"wind at 45 degrees: two walls", Cube(14, 225),
       "where facade 1 lies (PAD 14, RbH 2.78701, "
       "FAR 1, SAR 1); and Cp beyond the windward wall's envelope or below 0 above the "
       "surroundings for PAD 0 to 35"},
      {"a slab beyond the scanned ratios", slab,
       "Facade 1 (PAD 14, RbH 2.78701, FAR 1, SAR 6) lies beyond the scan of the model (PAD 0 to "
       "35, profile exponent 0.1 to 0.4, RbH, FAR and SAR 0.5 to 4)"},
      {"the cube at PAD 40", Cube(40, 270), "lies beyond the scan"},
  };
  for (const Case& c : cases) {
    const std::string text = RegionSentence(c.job, DeriveFacadeGeometry(c.job), Plain);
    EXPECT_NE(text.find(c.says), std::string::npos) << c.what << ": " << text;
  }
}

}  // namespace
}  // namespace ventora::troubled
