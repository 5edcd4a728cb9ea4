#include "output/sweep/sweep_csv_export.h"

#include <gtest/gtest.h>

#include "export_readers.h"
#include "sweep_test_jobs.h"

namespace ventora {
namespace {

using testing::CrLfLines;
using testing::ExampleJob;
using testing::ParseFloat;
using testing::SplitOn;

WindSweep LowHouseSweep(float step) {
  return RunWindSweep(ExampleJob("low-house"), SweepDirections(step), {});
}

TEST(SweepCsv, OneRowPerElementOneColumnPerDirection) {
  const WindSweep sweep = LowHouseSweep(10);
  const std::vector<std::string> lines = CrLfLines(SweepCsv(sweep));
  ASSERT_EQ(lines.size(), 1 + sweep.elements.size());
  const std::vector<std::string> header = SplitOn(lines[0], ',');
  ASSERT_EQ(header.size(), 6u + 36u);
  EXPECT_EQ(std::vector<std::string>(header.begin(), header.begin() + 8),
            (std::vector<std::string>{"Facade", "Element", "X", "Z or Y", "X/L", "Z/H", "Cp 0",
                                      "Cp 10"}));
  EXPECT_EQ(header.back(), "Cp 350");
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    const std::vector<std::string> cells = SplitOn(lines[e + 1], ',');
    ASSERT_EQ(cells.size(), header.size()) << lines[e + 1];
    const ElementResult& element = sweep.elements[e];
    EXPECT_EQ(cells[0], std::to_string(element.iface));
    EXPECT_EQ(cells[1], std::to_string(element.k));
    EXPECT_EQ(ParseFloat(cells[2]), element.X);
    EXPECT_EQ(ParseFloat(cells[3]), element.Z);
    EXPECT_EQ(ParseFloat(cells[4]), element.XL);
    EXPECT_EQ(ParseFloat(cells[5]), element.ZH);
    for (std::size_t j = 0; j < 36; ++j)
      EXPECT_EQ(ParseFloat(cells[6 + j]), sweep.directions[j].Cp[e]) << "row " << e << " col " << j;
  }
  // The low house's first element: facade 1, 2 m along, 1.5 m up a 6 m wall.
  EXPECT_TRUE(lines[1].starts_with("1,1,2,1.5,0.1666")) << lines[1];
}

TEST(SweepCsv, StoppedDirectionLeavesItsCellsEmpty) {
  WindSweep sweep = LowHouseSweep(90);
  sweep.directions[1].completed = false;
  sweep.directions[1].Cp.clear();
  const std::vector<std::string> lines = CrLfLines(SweepCsv(sweep));
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    const std::vector<std::string> cells = SplitOn(lines[e + 1], ',');
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_EQ(cells[7], "");
    EXPECT_EQ(ParseFloat(cells[8]), sweep.directions[2].Cp[e]);
  }
}

TEST(RunCsv, ReportColumnsOneRowPerElement) {
  RunResult run;
  run.elements = {{1, 1, 2.5f, 1.5f, 0.25f, 0.125f, -0.5f}, {5, 2, 1, 7.25f, 0.1f, 0.9f, 0.123f}};
  EXPECT_EQ(RunCsv(run),
            "Facade,Element,X,Z or Y,X/L,Z/H,Cp\r\n"
            "1,1,2.5,1.5,0.25,0.125,-0.5\r\n"
            "5,2,1,7.25,0.1,0.9,0.123\r\n");
}

}  // namespace
}  // namespace ventora
