#include "output/sweep/sweep_progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ventora {
namespace {

// Silent during a sweep's first second; then a line at most once a second
// and the last count.
TEST(SweepProgress, ALongSweepReportsOnceASecondAndTheEndAShortOneNothing) {
  for (const auto& [stepMs, expected] : {std::pair<int, const char*>{25, ""},
                                         {450,
                                          "ventora-run: 3 of 10 wind directions computed\n"
                                          "ventora-run: 6 of 10 wind directions computed\n"
                                          "ventora-run: 9 of 10 wind directions computed\n"
                                          "ventora-run: 10 of 10 wind directions computed\n"}}) {
    SweepProgress::Clock::time_point now{};
    std::ostringstream out;
    SweepProgress progress{out, [&now] { return now; }};
    for (std::size_t done = 1; done <= 10; ++done) {
      now += std::chrono::milliseconds(stepMs);
      progress(done, 10);
    }
    EXPECT_EQ(out.str(), expected) << stepMs;
  }
}

}  // namespace
}  // namespace ventora
