#include "output/sweep/energyplus_export.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "export_readers.h"
#include "sweep_test_jobs.h"

namespace ventora {
namespace {

using testing::CrLfLines;
using testing::ExampleJob;
using testing::IdfObject;
using testing::ParseFloat;
using testing::ReadIdf;

constexpr const char* kArrayType = "AirflowNetwork:MultiZone:WindPressureCoefficientArray";
constexpr const char* kValuesType = "AirflowNetwork:MultiZone:WindPressureCoefficientValues";

TEST(EnergyPlusIdf, ArrayOfDirectionsAndValuesPerElement) {
  const Job job = ExampleJob("office-block");
  const WindSweep sweep = RunWindSweep(job, SweepDirections(10), {});
  const std::vector<IdfObject> objects = ReadIdf(EnergyPlusIdf(sweep, job, "office-block"));
  ASSERT_EQ(objects.size(), 1 + sweep.elements.size());

  const IdfObject& array = objects[0];
  EXPECT_EQ(array.type, kArrayType);
  ASSERT_EQ(array.fields.size(), 1u + 36u);
  EXPECT_EQ(array.fields[0], "office-block_Directions");
  for (std::size_t j = 0; j < 36; ++j)
    EXPECT_EQ(ParseFloat(array.fields[1 + j]), static_cast<float>(10 * j));

  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    const IdfObject& values = objects[1 + e];
    EXPECT_EQ(values.type, kValuesType);
    ASSERT_EQ(values.fields.size(), 2u + 36u);
    const ElementResult& element = sweep.elements[e];
    EXPECT_EQ(values.fields[0],
              "office-block_F" + std::to_string(element.iface) + "_E" + std::to_string(element.k));
    EXPECT_EQ(values.fields[1], "office-block_Directions");
    for (std::size_t j = 0; j < 36; ++j)
      EXPECT_EQ(ParseFloat(values.fields[2 + j]), sweep.directions[j].Cp[e]);
  }
  EXPECT_EQ(objects[21].fields[0], "office-block_F2_E21");  // the job file's numbering
}

TEST(EnergyPlusIdf, HeaderNamesTheJobAndTheAngleType) {
  const Job job = ExampleJob("office-block");
  const WindSweep sweep = RunWindSweep(job, SweepDirections(90), {});
  const std::string text = EnergyPlusIdf(sweep, job, "office-block");
  const std::vector<std::string> lines = CrLfLines(text);
  EXPECT_EQ(lines[1], "! Job: office-block");
  EXPECT_EQ(lines[2],
            "! Building: azimuth AzB 20 deg., length BdX 40 m, width BdY 20 m, height Bdz 30 m");
  EXPECT_NE(text.find("Wind Angle Type of the external nodes that use these values to Absolute"),
            std::string::npos);
  EXPECT_NE(text.find("! Wall azimuths (deg.): facade 1 290, facade 2 200, facade 3 110, "
                      "facade 4 20"),
            std::string::npos);
}

TEST(EnergyPlusIdf, RefusesWhatEnergyPlusCannotTake) {
  const Job job = ExampleJob("low-house");
  WindSweep fine = RunWindSweep(job, SweepDirections(90), {});
  const WindSweep tooMany = RunWindSweep(job, SweepDirections(9), {});
  ASSERT_EQ(tooMany.directions.size(), 40u);
  EXPECT_THROW(EnergyPlusIdf(tooMany, job, "low-house"), std::invalid_argument);
  const WindSweep one = RunWindSweep(job, SweepDirections(360), {});
  EXPECT_THROW(EnergyPlusIdf(one, job, "low-house"), std::invalid_argument);

  fine.directions[2].completed = false;
  fine.directions[2].Cp.clear();
  try {
    EnergyPlusIdf(fine, job, "low-house");
    FAIL() << "a sweep with a stopped direction was exported";
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("stopped at 180 degrees"), std::string::npos) << e.what();
  }
}

TEST(IdfNamePrefix, KeepsTheIdfReadable) {
  EXPECT_EQ(IdfNamePrefix("office-block"), "office-block");
  EXPECT_EQ(IdfNamePrefix("my job,v2;final!"), "my_job_v2_final_");
  EXPECT_EQ(IdfNamePrefix(""), "Ventora");
  EXPECT_EQ(IdfNamePrefix(std::string(150, 'a')).size(), 60u);
}

}  // namespace
}  // namespace ventora
