#include "output/sweep/contam_export.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "export_readers.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"
#include "sweep_test_jobs.h"

namespace ventora {
namespace {

using testing::CrLfLines;
using testing::ExampleJob;
using testing::ParseFloat;
using testing::SplitOn;

struct Profile {
  int number = 0;
  int type = 0;
  std::string name;
  std::string description;
  std::vector<std::pair<float, float>> points;  // angle, Cp
};

struct ContamFile {
  std::vector<Profile> profiles;
  bool closed = false;  // the -999 line ends the file
};

// The profile section as CONTAM reads it; "!" lines are comments.
ContamFile ReadContam(const std::string& text) {
  std::vector<std::string> lines;
  for (const std::string& line : CrLfLines(text))
    if (!line.starts_with("!")) lines.push_back(line);
  ContamFile file;
  std::size_t at = 0;
  const std::vector<std::string> count = SplitOn(lines.at(at++), ' ');
  EXPECT_EQ(lines[0].substr(lines[0].find(' ')), " ! wind pressure profiles:");
  const int profiles = std::stoi(count.at(0));
  for (int p = 0; p < profiles; ++p) {
    const std::vector<std::string> head = SplitOn(lines.at(at++), ' ');
    EXPECT_EQ(head.size(), 4u);
    Profile profile{std::stoi(head.at(0)), std::stoi(head.at(2)), head.at(3), lines.at(at++), {}};
    const int npts = std::stoi(head.at(1));
    for (int i = 0; i < npts; ++i) {
      const std::vector<std::string> point = SplitOn(lines.at(at++), ' ');
      EXPECT_EQ(point.size(), 3u);  // leading blank, angle, Cp
      profile.points.emplace_back(ParseFloat(point.at(1)), ParseFloat(point.at(2)));
    }
    file.profiles.push_back(profile);
  }
  file.closed = at + 1 == lines.size() && lines.at(at) == "-999";
  return file;
}

TEST(ContamProfiles, CountsProfilesAndClosingLine) {
  const Job job = ExampleJob("low-house");
  const WindSweep sweep = RunWindSweep(ContamSweepJob(job), SweepDirections(30), {});
  const ContamFile file = ReadContam(ContamProfiles(sweep, job, "low-house"));
  EXPECT_TRUE(file.closed);
  ASSERT_EQ(file.profiles.size(), 28u);
  for (std::size_t e = 0; e < file.profiles.size(); ++e) {
    const Profile& p = file.profiles[e];
    const ElementResult& element = sweep.elements[e];
    EXPECT_EQ(p.number, static_cast<int>(e + 1));
    EXPECT_EQ(p.type, kContamLinearProfile);
    EXPECT_EQ(p.name, ElementLabel(element.iface, element.k));
    EXPECT_TRUE(p.description.starts_with("low-house facade ")) << p.description;
    ASSERT_EQ(p.points.size(), 13u);
    for (std::size_t i = 0; i < 13; ++i)
      EXPECT_EQ(p.points[i].first, static_cast<float>(30 * i));
    EXPECT_EQ(p.points.back().second, p.points.front().second);
  }
  EXPECT_EQ(file.profiles[6].name, "F2_E7");
}

// A profile point at angle t from facade i's normal is the user's job run
// with the wind from that facade's azimuth + t: turning the building to
// AzB 0 for the CONTAM sweep changes nothing but the frame.
TEST(ContamProfiles, AnglesAreMeasuredFromEachFacadesNormal) {
  const Job job = ExampleJob("office-block");  // AzB 20: walls at 290, 200, 110, 20
  const WindSweep contam = RunWindSweep(ContamSweepJob(job), SweepDirections(10), {});
  const WindSweep absolute = RunWindSweep(job, SweepDirections(10), {});
  const ContamFile file = ReadContam(ContamProfiles(contam, job, "office-block"));
  ASSERT_EQ(file.profiles.size(), absolute.elements.size());
  for (std::size_t e = 0; e < file.profiles.size(); ++e) {
    const int iface = absolute.elements[e].iface;
    const float azimuth = WallAzimuth(job, iface == 5 ? 1 : iface);  // the roof turns with 1
    for (const auto& [angle, Cp] : file.profiles[e].points) {
      const double d = std::fmod(static_cast<double>(azimuth) + angle, 360.0);
      const auto j = static_cast<std::size_t>(std::lround(d / 10));
      ASSERT_EQ(absolute.directions[j].AnWind, static_cast<float>(d));
      EXPECT_EQ(Cp, absolute.directions[j].Cp[e]) << "element " << e << ", angle " << angle;
    }
  }
}

TEST(ContamProfiles, RefusesStoppedDirections) {
  const Job job = ExampleJob("low-house");
  WindSweep sweep = RunWindSweep(ContamSweepJob(job), SweepDirections(90), {});
  sweep.directions[3].completed = false;
  sweep.directions[3].Cp.clear();
  EXPECT_THROW(ContamProfiles(sweep, job, "low-house"), std::invalid_argument);
}

TEST(ContamStepAccepted, StepMustDivideNinety) {
  for (float step : {1.0f, 5.0f, 10.0f, 15.0f, 30.0f, 45.0f, 90.0f, 7.5f})
    EXPECT_TRUE(ContamStepAccepted(step)) << step;
  for (float step : {0.0f, -10.0f, 7.0f, 20.0f, 40.0f, 120.0f, 180.0f})
    EXPECT_FALSE(ContamStepAccepted(step)) << step;
}

}  // namespace
}  // namespace ventora
