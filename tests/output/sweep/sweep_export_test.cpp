// The sweep's exports read back as the programs that read them would, each
// against the sweep's values and a normal run.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "core/job_file.h"
#include "core/number_text.h"
#include "output/sweep/contam_export.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_csv_export.h"
#include "output/text_report_writer.h"
#include "temp_folder.h"

namespace ventora {
namespace {

using Lines = std::vector<std::string>;

Job ExampleJob(const std::string& name) {
  NumberText numbers(kPointDecimal);
  return ReadJobFile(std::string(std::getenv("VENTORA_EXAMPLES")) + "/" + name + ".in", numbers);
}

// Lines without their CR LF; fails the test on a bare LF.
Lines CrLfLines(const std::string& text) {
  Lines lines(1);
  for (char c : text)
    c == '\n' ? lines.emplace_back() : lines.back() += c;
  EXPECT_EQ(lines.back(), "") << "no line break at the end";
  lines.pop_back();
  for (std::string& line : lines) {
    EXPECT_TRUE(line.ends_with('\r')) << "bare LF after " << line;
    line.pop_back();
  }
  return lines;
}

// Splits at `separator`, dropping blanks and line breaks around the parts.
Lines SplitOn(const std::string& text, char separator) {
  Lines parts(1);
  for (char c : text) {
    if (c == separator) parts.emplace_back();
    if (c != separator && c != '\n' && (c != ' ' || !parts.back().empty())) parts.back() += c;
  }
  for (std::string& part : parts)
    part.erase(part.find_last_not_of(' ') + 1);
  return parts;
}

// The whole text must be a number; reads it as the program's 32-bit value.
float ParseFloat(const std::string& text) {
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  EXPECT_TRUE(!text.empty() && *end == '\0') << "not a number: '" << text << "'";
  return value;
}

WindSweep SweepOf(const Job& job, float step) {
  return RunWindSweep(job, SweepDirections(step), {});
}

void StopDirection(WindSweep& sweep, std::size_t j) {
  sweep.directions[j].completed = false;
  sweep.directions[j].Cp.clear();
}

TEST(SweepCsv, OneRowPerElementOneColumnPerDirectionAsANormalRunGivesIt) {
  Job job = ExampleJob("low-house");
  WindSweep sweep = SweepOf(job, 90);
  job.AnWind = 90;
  testing::TempFolder dir;
  RunContext ctx;
  RunSetup setup;
  setup.openReport = [&] { return std::make_unique<TextReportWriter>(dir / "r", kPointDecimal); };
  const RunResult normal = RunCalculation(job, ctx, setup);
  ASSERT_EQ(normal.elements.size(), 28u);
  StopDirection(sweep, 2);
  const Lines lines = CrLfLines(SweepCsv(sweep));
  ASSERT_EQ(lines.size(), 1u + 28);
  EXPECT_EQ(lines[0], "Facade,Element,X,Z or Y,X/L,Z/H,Cp 0,Cp 90,Cp 180,Cp 270");
  // The low house's first element: facade 1, 2 m along, 1.5 m up a 6 m wall.
  EXPECT_TRUE(lines[1].starts_with("1,1,2,1.5,0.1666")) << lines[1];
  for (std::size_t e = 0; e < 28; ++e) {
    const Lines cells = SplitOn(lines[e + 1], ',');
    ASSERT_EQ(cells.size(), 10u) << lines[e + 1];
    const ElementResult& n = normal.elements[e];
    EXPECT_EQ(cells[0] + " " + cells[1], std::to_string(n.iface) + " " + std::to_string(n.k));
    EXPECT_EQ(ParseFloat(cells[3]), n.Z);  // clamped as in the report
    EXPECT_EQ(ParseFloat(cells[5]), n.ZH);
    EXPECT_EQ(ParseFloat(cells[7]), n.Cp) << "element " << e;
    EXPECT_EQ(cells[8], "");  // the stopped direction
  }
}

TEST(EnergyPlusIdf, ArrayOfDirectionsAndValuesPerElementAndRefusals) {
  const Job job = ExampleJob("office-block");
  WindSweep sweep = SweepOf(job, 10);
  std::string content;  // without "!" comments
  for (const std::string& line : CrLfLines(EnergyPlusIdf(sweep, job, "office-block")))
    content += line.substr(0, line.find('!')) + "\n";
  Lines objects = SplitOn(content, ';');
  ASSERT_EQ(objects.back(), "");
  objects.pop_back();
  ASSERT_EQ(objects.size(), 1 + sweep.elements.size());
  const Lines array = SplitOn(objects[0], ',');
  ASSERT_EQ(array.size(), 2u + 36);
  EXPECT_EQ(array[0], "AirflowNetwork:MultiZone:WindPressureCoefficientArray");
  EXPECT_EQ(array[1], "office-block_Directions");
  for (std::size_t j = 0; j < 36; ++j)
    EXPECT_EQ(ParseFloat(array[2 + j]), static_cast<float>(10 * j));
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    const Lines values = SplitOn(objects[1 + e], ',');
    ASSERT_EQ(values.size(), 3u + 36);
    EXPECT_EQ(values[0], "AirflowNetwork:MultiZone:WindPressureCoefficientValues");
    EXPECT_EQ(values[1],
              "office-block_" + ElementLabel(sweep.elements[e].iface, sweep.elements[e].k));
    EXPECT_EQ(values[2], "office-block_Directions");
    for (std::size_t j = 0; j < 36; ++j)
      EXPECT_EQ(ParseFloat(values[3 + j]), sweep.directions[j].Cp[e]);
  }
  EXPECT_EQ(SplitOn(objects[21], ',')[1], "office-block_F2_E21");  // the job file's numbering
  EXPECT_EQ(IdfNamePrefix("my job,v2;final!"), "my_job_v2_final_");
  // More directions than EnergyPlus takes, a single one, a stopped one.
  EXPECT_THROW(EnergyPlusIdf(SweepOf(job, 9), job, "o"), std::invalid_argument);
  EXPECT_THROW(EnergyPlusIdf(SweepOf(job, 360), job, "o"), std::invalid_argument);
  StopDirection(sweep, 18);
  try {
    EnergyPlusIdf(sweep, job, "o");
    ADD_FAILURE() << "a sweep with a stopped direction was exported";
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("stopped at 180 degrees"), std::string::npos) << e.what();
  }
}

// A profile point at angle t from facade i's normal is the user's job run
// with the wind from that facade's azimuth + t: turning the building to
// AzB 0 for the CONTAM sweep changes nothing but the frame.
TEST(ContamProfiles, OneProfilePerElementAtAnglesFromItsFacadesNormal) {
  const Job job = ExampleJob("office-block");  // AzB 20: walls at 290, 200, 110, 20
  WindSweep contam = SweepOf(ContamSweepJob(job), 30);
  const WindSweep absolute = SweepOf(job, 10);
  Lines lines;
  for (const std::string& line : CrLfLines(ContamProfiles(contam, job, "office-block")))
    if (!line.starts_with("!")) lines.push_back(line);
  EXPECT_EQ(lines.at(0), std::to_string(absolute.elements.size()) + " ! wind pressure profiles:");
  std::size_t at = 1;
  for (std::size_t e = 0; e < absolute.elements.size(); ++e) {
    const ElementResult& element = absolute.elements[e];
    EXPECT_EQ(SplitOn(lines.at(at), ' '),
              (Lines{std::to_string(e + 1), "13", std::to_string(kContamLinearProfile),
                     ElementLabel(element.iface, element.k)}));
    EXPECT_TRUE(lines.at(at + 1).starts_with("office-block facade ")) << lines[at + 1];
    at += 2;
    const float azimuth = WallAzimuth(job, element.iface == 5 ? 1 : element.iface);  // roof: 1
    for (int i = 0; i < 13; ++i) {
      const Lines point = SplitOn(lines.at(at++), ' ');
      ASSERT_EQ(point.size(), 3u) << lines[at - 1];  // a leading blank, angle, Cp
      EXPECT_EQ(ParseFloat(point[1]), static_cast<float>(30 * i));
      const double d = std::fmod(static_cast<double>(azimuth) + 30 * i, 360.0);
      const SweepDirection& wind = absolute.directions.at(static_cast<std::size_t>(d / 10));
      ASSERT_EQ(wind.AnWind, static_cast<float>(d));
      EXPECT_EQ(ParseFloat(point[2]), wind.Cp[e]) << "element " << e << ", angle " << 30 * i;
    }
  }
  EXPECT_EQ(lines.size(), at + 1);
  EXPECT_EQ(lines.back(), "-999");
  StopDirection(contam, 3);
  EXPECT_THROW(ContamProfiles(contam, job, "office-block"), std::invalid_argument);
  for (float step : {7.5f, 90.0f})
    EXPECT_TRUE(ContamStepAccepted(step)) << step;
  for (float step : {0.0f, -10.0f, 7.0f, 20.0f, 180.0f})
    EXPECT_FALSE(ContamStepAccepted(step)) << step;
}

}  // namespace
}  // namespace ventora
