#include "output/sweep/sweep_progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ventora {
namespace {

using std::chrono::milliseconds;

class SweepProgressTest : public ::testing::Test {
 protected:
  SweepProgress::Clock::time_point now{};
  std::ostringstream out;
  SweepProgress progress{out, [this] { return now; }};

  void After(int ms, std::size_t done, std::size_t total) {
    now += milliseconds(ms);
    progress(done, total);
  }
};

TEST_F(SweepProgressTest, ShortSweepSaysNothing) {
  for (std::size_t done = 1; done <= 36; ++done)
    After(25, done, 36);  // 0.9 s in all
  EXPECT_EQ(out.str(), "");
}

TEST_F(SweepProgressTest, LongSweepReportsOnceASecondAndTheEnd) {
  for (std::size_t done = 1; done <= 10; ++done)
    After(450, done, 10);  // 4.5 s in all
  EXPECT_EQ(out.str(),
            "ventora-run: 3 of 10 wind directions computed\n"
            "ventora-run: 6 of 10 wind directions computed\n"
            "ventora-run: 9 of 10 wind directions computed\n"
            "ventora-run: 10 of 10 wind directions computed\n");
}

}  // namespace
}  // namespace ventora
