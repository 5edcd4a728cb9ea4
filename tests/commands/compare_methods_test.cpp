// Ventora beside the published methods, on the isolated cube: the peers'
// columns hold the values their sources give at the wind's angle to each
// wall, the EN column only where the wind is normal to a wall, and the
// model's mean is that of the whole wall's mesh.

#include "commands/compare_methods.h"

#include <gtest/gtest.h>

#include <cmath>

#include "recording_messages.h"

namespace ventora {
namespace {

Job Cube(float AzB, float PAD) {
  Job job;
  job.AzB = AzB;
  job.PAD = PAD;
  job.SbH = 10;
  job.Bdz = job.BdX = job.BdY = 10;
  job.VeEXP = 0.22f;
  return job;
}

CompareOutcome Compare(const Job& job) {
  testing::RecordingMessages messages;
  return CompareWithPeerMethods(job, kCompareStep, messages, kPointDecimal);
}

const MethodsAtDirection& Row(const PeerComparison& c, int facade, float wind) {
  for (const MethodsAtDirection& m : c.rows)
    if (m.facade == facade && m.windFrom == wind) return m;
  throw std::out_of_range("no such row");
}

TEST(CompareMethods, IsolatedCubeAgainstTheSources) {
  const CompareOutcome out = Compare(Cube(0, 0));
  ASSERT_EQ(out.outcome, RunOutcome::Completed);
  const PeerComparison& c = out.comparison;
  EXPECT_EQ(c.rows.size(), 4u * 24u);
  EXPECT_EQ(c.exposure, peers::AivcExposure::Exposed);
  struct Case {
    int facade;
    float wind;
    double swamiChandra, aivc, en;  // NaN: no EN value
  };
  const double none = std::nan("");
  // Wall 1 faces 270: head on at 270, from behind at 90, side-on at 0.
  const Case cases[] = {
      {1, 270, 0.603, 0.7, 0.8},     {1, 90, -0.364, -0.2, -0.5}, {1, 0, -0.443, -0.5, -0.88},
      {1, 300, 0.469, 0.4667, none}, {3, 90, 0.603, 0.7, 0.8},    {4, 150, -0.390, -0.3333, none},
  };
  for (const Case& k : cases) {
    const MethodsAtDirection& m = Row(c, k.facade, k.wind);
    EXPECT_NEAR(m.swamiChandra, k.swamiChandra, 5e-4) << k.facade << " " << k.wind;
    EXPECT_NEAR(m.aivc, k.aivc, 5e-5) << k.facade << " " << k.wind;
    EXPECT_EQ(m.en1991.has_value(), !std::isnan(k.en)) << k.facade << " " << k.wind;
    if (!m.en1991) continue;
    EXPECT_NEAR(m.en1991.value_or(std::nan("")), k.en, 1e-12) << k.facade << " " << k.wind;
  }
  // The model: windward wall in pressure, leeward and side walls in suction,
  // the mean the same either side of the normal.
  EXPECT_GT(Row(c, 1, 270).ventora, 0.4f);
  EXPECT_LT(Row(c, 1, 90).ventora, 0);
  EXPECT_LT(Row(c, 1, 0).ventora, 0);
  EXPECT_NEAR(Row(c, 1, 240).ventora, Row(c, 1, 300).ventora, 1e-6);
}

TEST(CompareMethods, SurroundingsShelterAndTurnTheDirections) {
  const CompareOutcome out = Compare(Cube(20, 20));
  ASSERT_EQ(out.outcome, RunOutcome::Completed);
  EXPECT_EQ(out.comparison.exposure, peers::AivcExposure::Sheltered);
  const std::vector<float> directions = CompareDirections(Cube(20, 20), kCompareStep);
  EXPECT_EQ(directions.front(), 5);  // 20 - 15
  for (float normal : {20.f, 110.f, 200.f, 290.f})
    EXPECT_NE(std::find(directions.begin(), directions.end(), normal), directions.end());
  EXPECT_NEAR(Row(out.comparison, 4, 20).aivc, 0.2, 1e-12);
  // Sheltered at PAD 20, the model's windward mean drops far below the isolated one.
  EXPECT_LT(Row(out.comparison, 4, 20).ventora,
            Row(Compare(Cube(20, 0)).comparison, 4, 20).ventora);
}

TEST(CompareMethods, RefusedJobAndTheCsv) {
  Job bad = Cube(0, 60);
  EXPECT_EQ(Compare(bad).outcome, RunOutcome::Refused);
  const CompareOutcome out = Compare(Cube(0, 0));
  const std::string csv = PeerComparisonCsv(out.comparison, "cube", {});
  EXPECT_NE(csv.find("\r\nFacade,Wind from (deg),Ventora mean,Swami-Chandra,AIVC,EN 1991-1-4\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("# Swami-Chandra: the surface-average Cp"), std::string::npos);
  EXPECT_NE(csv.find("\r\n1,270,"), std::string::npos);
  EXPECT_NE(csv.find(",0.7,0.8\r\n"), std::string::npos);  // AIVC and EN at the normal
  const auto row = csv.find("\r\n1,300,");
  ASSERT_NE(row, std::string::npos);
  EXPECT_EQ(csv.substr(csv.find("\r\n", row + 2) - 1, 1), ",");  // no EN value: an empty cell
}

}  // namespace
}  // namespace ventora
