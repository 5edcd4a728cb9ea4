// The sweep's exports read back as the programs that take them would (the
// readers in consumer_readers.h), each against the sweep's values and a
// normal run.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <set>
#include <stdexcept>

#include "consumer_readers.h"
#include "core/job_file.h"
#include "core/number_text.h"
#include "output/sweep/contam_export.h"
#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/energyplus_fragment.h"
#include "output/sweep/export_formats.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"
#include "output/sweep/facade_profiles.h"
#include "output/sweep/modelica_export.h"
#include "output/sweep/reference_wind.h"
#include "output/sweep/sweep_csv_export.h"
#include "output/text_report_writer.h"
#include "temp_folder.h"

namespace ventora {
namespace {

using Lines = std::vector<std::string>;
using testing::Faults;

const ExportInfo kInfo{.version = "9.8.7", .boundaryLayer = std::nullopt, .notes = {}};

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

Lines SplitOn(const std::string& text, char separator) {
  Lines parts(1);
  for (char c : text)
    c == separator ? parts.emplace_back() : parts.back() += c;
  return parts;
}

float ParseFloat(const std::string& text) {
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  EXPECT_TRUE(!text.empty() && *end == '\0') << "not a number: '" << text << "'";
  return value;
}

WindSweep SweepOf(const Job& job, float step) {
  return RunWindSweep(job, SweepDirections(step), {});
}

WindSweep ProfileSweepOf(const Job& job, int step) {
  return RunWindSweep(ProfileSweepJob(job), ProfileDirections(step), {});
}

void StopDirection(WindSweep& sweep, std::size_t j) {
  sweep.directions[j].completed = false;
  sweep.directions[j].Cp.clear();
}

// The user's job run with the wind at `angle` from facade iface's normal.
float AbsoluteCp(const WindSweep& absolute, const Job& job, std::size_t e, int iface, float angle) {
  const double d = std::fmod(static_cast<double>(FacadeAzimuth(job, iface)) + angle, 360.0);
  const SweepDirection& wind = absolute.directions.at(static_cast<std::size_t>(d / 10));
  EXPECT_EQ(wind.AnWind, static_cast<float>(d));
  return wind.Cp[e];
}

TEST(SweepCsv, OneRowPerElementOneColumnPerDirectionAsANormalRunGivesIt) {
  Job job = ExampleJob("office-block");  // AzB 20
  WindSweep sweep = SweepOf(job, 90);
  job.AnWind = 90;
  testing::TempFolder dir;
  RunContext ctx;
  RunSetup setup;
  setup.openReport = [&] { return std::make_unique<TextReportWriter>(dir / "r", kPointDecimal); };
  const RunResult normal = RunCalculation(job, ctx, setup);
  StopDirection(sweep, 2);
  const Lines lines = CrLfLines(SweepCsv(sweep, job));
  ASSERT_EQ(lines.size(), 1 + normal.elements.size());
  EXPECT_EQ(lines[0],
            "Facade,Element,X (m),Z (wall) / Y (roof) (m),X/L,Z/H,Facade azimuth (deg),Cp wind "
            "from 0 deg,Cp wind from 90 deg,Cp wind from 180 deg,Cp wind from 270 deg,Cp status");
  const Lines run = CrLfLines(RunCsv(normal, job));
  EXPECT_TRUE(run[0].ends_with(",Facade angle to the wind (deg),Cp wind from 90 deg,Cp status"))
      << run[0];
  int number = 0;  // on its facade, as every export names the element
  for (std::size_t e = 0; e < normal.elements.size(); ++e) {
    const Lines cells = SplitOn(lines[e + 1], ',');
    const Lines runCells = SplitOn(run[e + 1], ',');
    ASSERT_EQ(cells.size(), 12u) << lines[e + 1];
    number = e > 0 && normal.elements[e - 1].iface == normal.elements[e].iface ? number + 1 : 1;
    EXPECT_EQ(cells[1], std::to_string(number));
    EXPECT_EQ(runCells[1], cells[1]);
    EXPECT_EQ(cells[11], "\"plausible\"");
    EXPECT_EQ(runCells.at(9), "\"plausible\"");
    const ElementResult& n = normal.elements[e];
    EXPECT_EQ(ParseFloat(cells[3]), n.Z);  // clamped as in the report
    EXPECT_EQ(ParseFloat(cells[6]), n.iface == 2 ? 200.0f : FacadeAzimuth(job, n.iface));
    EXPECT_EQ(ParseFloat(cells[8]), n.Cp) << "element " << e;
    EXPECT_EQ(cells[9], "");  // the stopped direction
    EXPECT_EQ(ParseFloat(runCells.at(7)), std::fmod(90.0f - ParseFloat(cells[6]) + 540, 360) - 180);
    EXPECT_EQ(runCells.at(8), cells[8]);
  }
}

// Fragments pass EnergyPlus's rules; an element with a Cp beyond -1..1 is a
// table whose limits keep it, and several jobs share the one array.
TEST(EnergyPlusIdf, OneArrayEveryValuesNamesItTablesBeyondOneSeveralJobs) {
  const Job office = ExampleJob("office-block");
  const Job house = ExampleJob("low-house");
  WindSweep a = SweepOf(office, 10);
  const WindSweep b = SweepOf(house, 10);
  a.directions[3].Cp[78] = -2.27f;  // a roof edge's suction
  Faults faults;
  const std::string text =
      EnergyPlusFragment({{a, office, "office-block"}, {b, house, "low house"}}, kInfo, {});
  const auto objects = testing::ReadIdfObjects(text, faults);
  testing::CheckEnergyPlusObjects(objects, faults);
  EXPECT_EQ(faults, Faults{});
  ASSERT_EQ(objects.size(), 1 + 2 + a.elements.size() + b.elements.size());
  EXPECT_EQ(objects[0].fields[0], "Ventora_Directions_10deg");
  const testing::IdfObject& table = objects.at(2 + 79);
  ASSERT_EQ(table.type, "Table:Lookup");
  EXPECT_EQ(table.fields[0], "office-block_F5_E15");  // numbered on its facade
  EXPECT_EQ(ParseFloat(table.fields.at(10 + 3)), -2.27f);
  EXPECT_EQ(table.fields[10], table.fields.back());  // 360 repeats 0
  EXPECT_EQ(objects.at(3 + 79).fields[0], "low_house_F1_E1");
  EXPECT_EQ(ParseFloat(objects.at(3).fields.at(2 + 35)), a.directions[35].Cp[0]);
  std::string comments = text;  // the header's lines joined
  for (std::size_t at; (at = comments.find("\r\n! ")) != std::string::npos;)
    comments.replace(at, 4, " ");
  EXPECT_NE(comments.find("1 element has a Cp beyond -1..1 (down to -2.27): F5_E15. EnergyPlus"),
            std::string::npos);
  EXPECT_NE(comments.find("computed by Ventora 9.8.7."), std::string::npos);
  // One model has one site profile: the two jobs' differ.
  EXPECT_NE(comments.find("The jobs office-block and low house assume different site wind "
                          "profiles (exponent 0.33, boundary layer 460 m; exponent 0.16, "
                          "boundary layer 270 m)"),
            std::string::npos);
  EXPECT_EQ(EnergyPlusProfileClash({{a, office, "a"}, {a, office, "b"}}, kInfo), "");
  // Every element as a table, on request.
  faults.clear();
  const auto tables = testing::ReadIdfObjects(EnergyPlusIdf(b, house, "h", kInfo, {true}), faults);
  testing::CheckEnergyPlusObjects(tables, faults);
  EXPECT_EQ(faults, Faults{});
  EXPECT_EQ(tables.back().type, "Table:Lookup");
  for (const testing::IdfObject& o : tables)
    EXPECT_FALSE(o.type.ends_with("WindPressureCoefficientArray")) << "an array nothing uses";
  // Refusals: clashing names, other directions, too many, a stopped one.
  EXPECT_EQ(IdfNameClash({"a", "x/House", "house"}), "");
  EXPECT_NE(IdfNameClash({"My House", "my_house"}), "");
  for (const auto& [sweepA, sweepB] :
       {std::pair{SweepOf(office, 10), SweepOf(house, 30)}, {SweepOf(office, 9), b}}) {
    EXPECT_THROW(EnergyPlusFragment({{sweepA, office, "o"}, {sweepB, house, "h"}}, kInfo, {}),
                 std::invalid_argument);
  }
  // A model of EnergyPlus 9.1 has no Table:Lookup: values objects, and the warning says why.
  const EnergyPlusSettings old{.versionWithoutTables = "9.1"};
  for (const testing::IdfObject& o :
       testing::ReadIdfObjects(EnergyPlusIdf(a, office, "o", kInfo, old), faults))
    EXPECT_FALSE(o.type.starts_with("Table:")) << o.fields[0];
  EXPECT_THAT(EnergyPlusCpWarning(a, old),
              ::testing::HasSubstr("F5_E15. The model is written for EnergyPlus 9.1, which has no "
                                   "Table:Lookup (it came with 9.2)"));
  StopDirection(a, 18);
  EXPECT_THROW(EnergyPlusIdf(a, office, "o", kInfo), std::invalid_argument);
}

// A profile point at angle t from facade i's normal is the user's job run
// with the wind from that facade's azimuth + t, for steps that divide 90 and
// those that do not; the file is what CONTAM's reader takes.
TEST(ContamProfiles, AtMost16PointsFromEachFacadesNormalNamedAfterTheJob) {
  const Job job = ExampleJob("office-block");  // AzB 20: walls at 290, 200, 110, 20
  const WindSweep absolute = SweepOf(job, 10);
  for (const int step : {30, 120}) {
    Faults faults;
    const auto profiles = testing::ReadContamSection(
        ContamProfiles(ProfileSweepOf(job, step), job, "office block", kInfo, {step, 7}), 7,
        faults);
    EXPECT_EQ(faults, Faults{});
    ASSERT_EQ(profiles.size(), absolute.elements.size());
    for (std::size_t e = 0; e < profiles.size(); ++e) {
      const ElementResult& element = absolute.elements[e];
      EXPECT_EQ(profiles[e].name, "office_b_" + ElementLabel(absolute, e));
      ASSERT_EQ(profiles[e].points.size(), 360u / step + 1);
      EXPECT_EQ(profiles[e].points.back(), std::pair(360.0f, profiles[e].points[0].second));
      for (const auto& [angle, Cp] : profiles[e].points)
        EXPECT_EQ(Cp, AbsoluteCp(absolute, job, e, element.iface, angle)) << e << " " << angle;
    }
  }
  // Jobs written by one call go into one project: their names may not meet.
  const Job house = ExampleJob("low-house");  // longest label F1_E6: 9 characters of the job's
  Job roofOnly = house;
  roofOnly.ElmCount = {0, 0, 0, 0, 0, 8, 0};
  for (const auto& [a, b, clash] : {std::tuple{"office-block", "office-bldg2", true},
                                    {"Office-Block", "office-blockade", true},
                                    {"office-block", "house", false}}) {
    const std::string text = ContamNameClash({{a, job}, {b, job}});
    EXPECT_EQ(text.empty(), !clash) << a << " " << b << ": " << text;
  }
  EXPECT_EQ(ContamNameClash({{"variant01", house}, {"variant02", house}}), "");
  EXPECT_EQ(ContamNameClash({{"variant01", house}, {"variant01", roofOnly}}).empty(), false);
  Job wallsOnly = house;
  wallsOnly.ElmCount[5] = 0;
  EXPECT_EQ(ContamNameClash({{"house", roofOnly}, {"house", wallsOnly}}), "");  // no facade shared
  EXPECT_NE(ContamNameClash({{"x", job}, {"y", house}, {"x", house}}), "");
  const std::set<int> fitting{24, 30, 36, 40, 45, 60, 72, 90, 120, 180};  // at most 15 + 360
  for (int step = 0; step <= 360; ++step)
    EXPECT_EQ(ContamStepAccepted(step), fitting.contains(step)) << step;
  WindSweep stopped = ProfileSweepOf(job, 30);
  StopDirection(stopped, 3);
  EXPECT_THROW(ContamProfiles(stopped, job, "o", kInfo, {}), std::invalid_argument);
}

// The package holds Outside_CpData's parameters: the angles from the
// normal, each element's Cp there and azi 180 degrees from our azimuth.
TEST(ModelicaPackage, OutsideCpDataParametersPerElement) {
  const Job job = ExampleJob("office-block");
  const WindSweep absolute = SweepOf(job, 10);
  Faults faults;
  const std::string text = ModelicaPackage(ProfileSweepOf(job, 40), job, "office-block", kInfo,
                                           DefaultModelicaPackage("office-block"), 40);
  const auto arrays = testing::ReadModelicaArrays(text, faults);
  EXPECT_EQ(faults, Faults{});
  EXPECT_TRUE(text.find("package Ventora_office_block \"") != std::string::npos);
  const std::vector<double>& angles = arrays.at("incAngSurNor");
  EXPECT_EQ(angles, (std::vector<double>{0, 40, 80, 120, 160, 200, 240, 280, 320}));
  EXPECT_EQ(arrays.size(), 1 + absolute.elements.size());
  for (std::size_t e = 0; e < absolute.elements.size(); ++e) {
    const ElementResult& element = absolute.elements[e];
    const std::string label = ElementLabel(absolute, e);
    for (std::size_t i = 0; i < angles.size(); ++i) {
      EXPECT_EQ(static_cast<float>(arrays.at(label + "_Cp").at(i)),
                AbsoluteCp(absolute, job, e, element.iface, static_cast<float>(angles[i])));
    }
  }
  // Facade 1 faces 290 (WNW): the library's azimuth from south is 110.
  EXPECT_NE(text.find("F5_E15_azi = 110*Modelica.Constants.pi/180"), std::string::npos);
}

// The header's lines joined into one text, without comment marks.
std::string HeaderText(const std::string& text, const std::string& mark) {
  std::string joined;
  for (const std::string& line : CrLfLines(text))
    if (line.starts_with(mark)) joined += line.substr(mark.size()) + " ";
  return joined;
}

float After(const std::string& text, const std::string& before) {
  std::smatch m;
  EXPECT_TRUE(std::regex_search(text, m, std::regex(before + R"(([-0-9.e]+))"))) << before;
  return m.empty() ? 0 : ParseFloat(m[1]);
}

// Each consumer's wind made U(BdZ) by the power law, worked out here from
// the law itself: U(z) / U_met = (270 / 10)^0.14 (z / delta)^VeEXP.
TEST(ReferenceWind, EachConsumerGetsTheWindAtBuildingHeight) {
  const Job office = ExampleJob("office-block");  // Bdz 30, VeEXP 0.33: City, 460 m
  const auto ratio = [](double z, double delta, double alpha) {
    return std::pow(270.0 / 10, 0.14) * std::pow(z / delta, alpha);
  };
  const double Cs = std::pow(ratio(30, 460, 0.33), 2);
  const double A0 = ratio(10, 460, 0.33);
  EXPECT_NEAR(Cs, 0.415, 0.415 * 0.005);
  EXPECT_NEAR(A0, 0.448, 0.448 * 0.005);
  const std::string modelica = ModelicaPackage(ProfileSweepOf(office, 90), office, "office-block",
                                               kInfo, DefaultModelicaPackage("office-block"), 90);
  EXPECT_FLOAT_EQ(After(modelica, R"(constant Real Cs\(unit="1"\) = )"), Cs);
  const std::string modelicaHeader = HeaderText(modelica, "// ");
  EXPECT_NE(modelicaHeader.find("Cp=<package>.F1_E1_Cp, Cs=<package>.Cs, ...)"), std::string::npos);
  EXPECT_EQ(modelicaHeader.find("reference height"), std::string::npos);
  const std::string contam =
      HeaderText(ContamProfiles(ProfileSweepOf(office, 90), office, "o", kInfo, {90, 1}), "! ");
  EXPECT_EQ(After(contam, "reference height H = "), 30.0f);
  EXPECT_EQ(After(contam, "velocity profile exponent a = "), 0.33f);
  EXPECT_FLOAT_EQ(After(contam, "terrain coefficient A0 = "), A0);
  const std::string energyplus =
      HeaderText(EnergyPlusIdf(SweepOf(office, 90), office, "o", kInfo), "! ");
  EXPECT_NE(energyplus.find("Site:HeightVariation with Wind Speed Profile Exponent 0.33 and Wind "
                            "Speed Profile Boundary Layer Thickness 460 m (without it, Building "
                            "Terrain City gives the same)"),
            std::string::npos)
      << energyplus;
  // A given delta; the low house's 0.16 lies nearest Country's 0.14.
  const Job house = ExampleJob("low-house");  // Bdz 6
  const ExportInfo given{.version = "1", .boundaryLayer = 300.0, .notes = {}};
  EXPECT_FLOAT_EQ(
      After(HeaderText(ContamProfiles(ProfileSweepOf(house, 90), house, "h", given, {90, 1}), "! "),
            "A0 = "),
      ratio(10, 300, 0.16f));
  EXPECT_FLOAT_EQ(ModelicaSpeedModifier(house, SiteProfile(house, std::nullopt)),
                  std::pow(ratio(6, 270, 0.16f), 2));
  const std::string houseEnergyPlus = EnergyPlusSiteLine(house, kInfo);
  EXPECT_EQ(houseEnergyPlus.find("Building Terrain"), std::string::npos) << houseEnergyPlus;
  for (const auto& [exponent, terrain] : {std::pair{0.05, "Ocean"},
                                          {0.13, "Country"},
                                          {0.21, "Suburbs"},
                                          {0.26, "Suburbs"},
                                          {0.3, "City"},
                                          {0.6, "City"}})
    EXPECT_STREQ(NearestTerrain(exponent).name, terrain) << exponent;
}

// The package's file is named after it, where MODELICAPATH finds it; a
// reserved word is no package name.
TEST(ModelicaPackage, FileNamedAfterThePackageNoKeyword) {
  const ExportFormat& modelica = *FindExportFormat("modelica");
  EXPECT_EQ(ExportPath(modelica, "/a/b/office-block", ""), "/a/b/Ventora_office_block.mo");
  EXPECT_EQ(ExportPath(modelica, "/a/b/office-block", "House"), "/a/b/House.mo");
  EXPECT_EQ(ExportPath(*FindExportFormat("csv"), "/a/office", "House"), "/a/office.sweep.csv");
  for (const auto& [name, accepted] : {std::pair{"end", false},
                                       {"package", false},
                                       {"within", false},
                                       {"End", true},
                                       {"Ventora_end", true}}) {
    EXPECT_EQ(IsModelicaIdentifier(name), accepted) << name;
    EXPECT_EQ(IsModelicaKeyword(name), !accepted) << name;
  }
  // Nor a predefined type's name, nor a name the package's own text uses.
  for (const auto& [name, why] : {std::pair{"Real", "predefined Modelica type"},
                                  {"String", "predefined Modelica type"},
                                  {"Modelica", "a name the package itself uses"},
                                  {"Cs", "a name the package itself uses"},
                                  {"incAngSurNor", "a name the package itself uses"},
                                  {"F5_E15_azi", "a name the package itself uses"},
                                  {"F1_E1_Cp", "a name the package itself uses"},
                                  {"end", "keyword"},
                                  {"2nd", "a letter or '_'"},
                                  {"Modelica2", ""},
                                  {"F1_E1", ""},
                                  {"Reals", ""}}) {
    if (*why == '\0')
      EXPECT_EQ(ModelicaPackageError(name), "") << name;
    else
      EXPECT_THAT(ModelicaPackageError(name), ::testing::HasSubstr(why)) << name;
  }
}

TEST(CpBeyondOne, CountsTheElementsAndNamesTheFirstThree) {
  WindSweep sweep = SweepOf(ExampleJob("low-house"), 90);
  EXPECT_EQ(CpBeyondOneSummary(sweep), "");
  for (std::size_t e : {4, 9, 20, 21})
    sweep.directions[1].Cp[e] = e == 9 ? 1.5f : -1.25f;
  EXPECT_EQ(CpBeyondOneSummary(sweep),
            "4 elements have a Cp beyond -1..1 (up to 1.5): F1_E5, F2_E4, F5_E1 and 1 more.");
}

}  // namespace
}  // namespace ventora
