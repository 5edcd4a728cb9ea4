// The export's header on a smooth hand-built model, Cp = 5 cos(angle to the
// wall's normal): linear interpolation between directions `s` apart misses
// it by 5 cos(m) (1 - cos(s/2)) in the middle m of each interval. With the
// normal among the directions (the profiles; the others at 30) that is 0.165
// at 30 degrees, 0.107 at 24 and 0.075 at 20; with the normal between two
// (20 degrees from north) 0.076. So the step suggested depends on the steps
// the format takes.

#include "commands/export_fidelity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "job_builders.h"

namespace ventora {
namespace {

FacadeCpResult Cosine(const RunContext&, const FacadeCpInput& in) {
  const float angle = in.geometry.FacadeAngle[static_cast<std::size_t>(in.facade)];
  return {5 * std::cos(angle * std::numbers::pi_v<float> / 180), 0};
}

TEST(ExportFidelity, HeaderSaysTheMissAndTheStepThatMends) {
  Job job = testing::BlockJob(0, 0);
  testing::AddElement(job, 1, 10, 5);
  SweepSetup setup;
  setup.facadeCp = &Cosine;
  struct Row {
    const char* format;
    int step;
    std::string warning;
  };
  const Row rows[] = {
      {"csv", 30, "a step of 20 degrees brings it to 0.076."},
      {"energyplus", 30, "a step of 20 degrees brings it to 0.076."},
      {"contam", 30,
       "no step CONTAM (16 points a profile at most) takes brings it below 0.1; a step of 20 "
       "degrees would bring it to 0.075."},
      {"csv", 20, ""},
  };
  for (const Row& r : rows) {
    const ExportFormat& format = *FindExportFormat(r.format);
    const FaithfulSweep s = SweepFaithfully(format, ExportSweepJob(format, job),
                                            ExportDirections(format, r.step), r.step, 0, setup);
    ASSERT_EQ(s.sweep.directions.size(), 360u / r.step) << r.format;
    ASSERT_FALSE(s.lines.empty());
    const std::string miss = r.step == 30 ? "0.165" : "0.076";
    EXPECT_TRUE(s.lines[0].starts_with(
        "Linear interpolation between the exported directions misses the model's own Cp by at "
        "most " +
        miss + " (F1_E1, wind from "))
        << s.lines[0];
    if (r.warning.empty()) {
      EXPECT_EQ(s.lines.size(), 1u);
      EXPECT_TRUE(s.warning.empty());
      continue;
    }
    EXPECT_EQ(s.warning,
              "interpolated between its directions, the export misses the model by up "
              "to 0.165; " +
                  r.warning);
    EXPECT_EQ(s.lines.back(), "Warning: " + s.warning);
  }
}

}  // namespace
}  // namespace ventora
