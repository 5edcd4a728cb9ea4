#include "core/job.h"

#include <gtest/gtest.h>

namespace ventora {
namespace {

Job SampleJob() {
  Job job;
  job.AzB = 30;
  job.BdX = 20;
  job.BdY = 10;
  job.Bdz = 15;
  job.Islope = 2;
  job.ElmCount[1] = 1;
  job.ElmCount[5] = kMaxElements;
  job.ElmX[5][kMaxElements] = 7.5f;  // a full facade keeps element 400 at index 400
  return job;
}

TEST(Job, ResetEmptiesHeaderAndEveryFacade) {
  Job job = SampleJob();
  ASSERT_EQ(job.ElmX[5][400], 7.5f);
  job.Reset();
  EXPECT_EQ(job, Job{});
  EXPECT_EQ(job.Islope, 0);
  for (int f = 0; f <= kFacadeCount; ++f)
    EXPECT_EQ(job.ElmCount[f], 0) << "facade " << f;
  EXPECT_EQ(job.ElmX[5][400], 0.0f);
}

TEST(Job, FacadeExtentsFollowTheFacadeNumbering) {
  const Job job = SampleJob();
  struct Case {
    int iface;
    float L, H;
  } cases[] = {{1, 20, 15}, {2, 10, 15}, {3, 20, 15}, {4, 10, 15}, {5, 20, 10}, {6, 20, 10}};
  for (const auto& c : cases) {
    const FacadeExtents e = FacadeExtent(job, c.iface);
    EXPECT_EQ(e.L, c.L) << "facade " << c.iface;
    EXPECT_EQ(e.H, c.H) << "facade " << c.iface;
  }
  EXPECT_EQ(FacadeExtent(job, 0).L, 0.0f);
  EXPECT_EQ(FacadeExtent(job, 7).H, 0.0f);
}

}  // namespace
}  // namespace ventora
