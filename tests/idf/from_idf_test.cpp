// The EnergyPlus model reader, the box fit and the model written back, on
// small models written for these tests (tests/idf) and EnergyPlus's own
// airflow network examples (tests/data/energyplus, unpacked into the build).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "idf/box_fit.h"
#include "idf/cp_model_writer.h"
#include "idf/enclosing_rectangle.h"
#include "idf/single_sided.h"

namespace ventora::idf {
namespace {

using ::testing::HasSubstr;

std::string Data(const std::string& relative) {
  return std::string(std::getenv("VENTORA_TEST_DATA")) + "/" + relative;
}

std::string EnergyPlusExample(const std::string& name) {
  return std::string(VENTORA_ENERGYPLUS_EXAMPLES) + "/" + name;
}

struct Placed {
  int facade;
  float X, Z;
};

// Hand-derived from each model's vertices: the box is 20 x 10 x 6 m with
// walls facing 0/90/180/270 (turned by 30 + 15 deg. in box_turned); the
// gable house 12 x 8 m, eaves 3 m, ridge east-west.
TEST(FromIdf, FitsTheBoxAndPlacesEveryOpening) {
  const std::vector<Placed> box{{1, 5, 4}, {2, 2, 1}, {3, 5, 2}, {4, 3, 2}, {5, 10, 5}};
  const struct {
    const char* file;
    float AzB, BdX, BdY, Bdz, Phi;
    int Islope;
    std::vector<Placed> elements;
  } cases[] = {{"../idf/box.idf", 90, 20, 10, 6, 0, 0, box},
               {"../idf/box_turned.idf", 135, 20, 10, 6, 0, 0, box},
               {"../idf/gable.idf", 0, 8, 12, 3, 30, 2, {{2, 3, 1.5f}, {3, 5, 1.5f}, {5, 6, 3}}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const IdfFile file = ReadIdfFile(Data(c.file));
    const Job job = FitBox(file, ReadGeometry(file)).job;
    EXPECT_NEAR(job.AzB, c.AzB, 1e-3);
    EXPECT_NEAR(job.BdX, c.BdX, 1e-4);
    EXPECT_NEAR(job.BdY, c.BdY, 1e-4);
    EXPECT_NEAR(job.Bdz, c.Bdz, 1e-4);
    EXPECT_NEAR(job.Phi, c.Phi, 1e-3);
    EXPECT_EQ(job.Islope, c.Islope);
    std::vector<Placed> got;
    for (std::size_t f = 1; f <= 5; ++f)
      for (std::size_t e = 1; e <= static_cast<std::size_t>(job.ElmCount[f]); ++e)
        got.push_back({static_cast<int>(f), job.ElmX[f][e], job.ElmZ[f][e]});
    ASSERT_EQ(got.size(), c.elements.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].facade, c.elements[i].facade) << i;
      EXPECT_NEAR(got[i].X, c.elements[i].X, 1e-3) << i;
      EXPECT_NEAR(got[i].Z, c.elements[i].Z, 1e-3) << i;
    }
  }
}

TEST(FromIdf, RefusesBuildingsThatAreNoBoxNamingTheWalls) {
  const struct {
    std::string file;
    std::size_t surfaces;  // BuildingSurface:Detailed objects read
    std::vector<const char*> named;
  } cases[] = {{Data("../idf/l_shape.idf"),
                7,
                {"line 58, BuildingSurface:Detailed 'Wall 3' stands 5.000 m inside", "'Wall 4'",
                 "Run again with --fit=enclosing", "or --zones NAME,..."}},
               {EnergyPlusExample("AirflowNetwork_MultiZone_SmallOffice.idf"),
                34,
                {"'Zn002:Wall001' stands 6.096", "'Zn003:Wall003' stands 3.048", "'Zn004:Wall004'",
                 "'Zn004:Wall005'"}},
               {EnergyPlusExample("AirflowNetwork_MultiZone_House.idf"),
                25,
                {"'Living:North' stands 6.098 m", "'Garage:WestWall' stands 10.323 m"}},
               {EnergyPlusExample("AirflowNetwork_Simple_House.idf"),
                25,
                {"'Living:North'", "'Garage:WestWall'"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const IdfFile file = ReadIdfFile(c.file);
    EXPECT_EQ(file.All("BuildingSurface:Detailed").size(), c.surfaces);
    try {
      FitBox(file, ReadGeometry(file));
      ADD_FAILURE() << "fitted";
    } catch (const IdfError& e) {
      for (const char* name : c.named)
        EXPECT_THAT(e.what(), HasSubstr(name));
    }
  }
}

// The message of the first refusal on the way from `text` to a written model.
std::string Refusal(const std::string& text) {
  try {
    const IdfFile file = ParseIdf("m.idf", text);
    const BoxFit fit = FitBox(file, ReadGeometry(file));
    CpModelText(file, fit, "", "", std::vector<std::string>(fit.openings.size(), "C"), 6);
  } catch (const IdfError& e) {
    return e.what();
  }
  return "accepted";
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST(FromIdf, RefusesBadModelsSayingWhereAndWhy) {
  const std::string box = ReadIdfFile(Data("../idf/box.idf")).text;
  const std::string zone = "Version,24.1;\nZone,Z;\n";
  const std::pair<std::string, std::string> cases[] = {
      {zone + "BuildingSurface:Detailed,W,Wall,C,Z,,Outdoors,,,,,3,0,0,0\n",
       "m.idf, line 3: the object that begins here is not ended by ';'"},
      {zone + ";", "m.idf, line 3: ';' where an object type should begin"},
      {zone + "Wall:Exterior,W1,C,Z;\nWindow,Win,C,W1;",
       "2 surfaces are given in the simplified form (m.idf, line 3, Wall:Exterior 'W1'; m.idf, "
       "line 4, Window 'Win')"},
      {"Version,8.9;", "m.idf, line 1, Version '8.9': version 8.9 is older than 9.0"},
      {zone + "BuildingSurface:Detailed,W,Wall,C,Z,,Outdoors,,,,,2,0,0,0,1,0,0;",
       "line 3, BuildingSurface:Detailed 'W': 2 vertices given where at least 3"},
      {zone + "Wall:Detailed,W,C,Y,,Outdoors,,,,,3,0,0,0,1,0,0,1,0,1;",
       "its zone 'Y' is not in the model"},
      {zone + "BuildingSurface:Detailed,W,Wall,C,Z,,Outdoors,,,,,3,0,0,0,1,0,0,2,0,0;",
       "has no area"},
      {Replaced(box, "AirflowNetwork:SimulationControl,", "Output:Diagnostics,"),
       "m.idf: no AirflowNetwork:SimulationControl object where the airflow network needs exactly "
       "one"},
      {Replaced(Replaced(box, "Ground,", "Outdoors,"), "    Roof,  !- Surface Name", "    Floor,"),
       "AirflowNetwork:MultiZone:Surface 'Floor': its surface 'Floor' is not on an exterior wall "
       "or roof"},
      {Replaced(box, "20,0,6,\n    20,0,0,\n    20,10,0,\n    20,10,6;",
                "20,10,6,\n    20,10,0,\n    20,0,0,\n    20,0,6;"),
       "m.idf: exterior walls face inward, their vertices the wrong way round: for EnergyPlus "
       "too their outside faces the building's inside, and their openings would go to the "
       "opposite facade:\n  m.idf, line 41, BuildingSurface:Detailed 'Wall East' faces 270.0 deg., "
       "into its zone 'Room'"},
      {Replaced(box, "    Window West,  !- Surface Name", "    window south,"),
       "m.idf, line 220, AirflowNetwork:MultiZone:Surface 'window south': names the same surface "
       "as line 202"}};
  for (const auto& [text, message] : cases)
    EXPECT_THAT(Refusal(text), HasSubstr(message));
}

// Turned shapes whose smallest rectangle is known: its side's azimuth
// (mod 90) and its area.
TEST(FromIdf, FindsTheSmallestRectangleRoundAPlan) {
  const auto turned = [](std::vector<PlanPoint> p, double degrees) {
    const double a = degrees * 3.14159265358979323846 / 180;
    for (PlanPoint& q : p)
      q = {q.x * std::cos(a) + q.y * std::sin(a), -q.x * std::sin(a) + q.y * std::cos(a)};
    return p;
  };
  const std::vector<PlanPoint> box{{0, 0}, {20, 0}, {20, 10}, {0, 10}, {5, 5}};
  const std::vector<PlanPoint> ell{{0, 0}, {10, 0}, {10, 5}, {5, 5}, {5, 10}, {0, 10}};
  const struct {
    std::vector<PlanPoint> points;
    double azimuth, area;
  } cases[] = {{box, 0, 200},
               {turned(box, 30), 30, 200},
               {turned(ell, 15), 15, 100},
               {turned(ell, 75), 75, 100},
               {{{0, 0}, {1, 1}, {3, 3}}, 0, 0}};
  for (const auto& c : cases) {
    const PlanRectangle r = SmallestEnclosingRectangle(c.points);
    EXPECT_NEAR(r.area, c.area, 1e-6);
    if (c.area > 0) {
      EXPECT_NEAR(r.azimuth, c.azimuth, 1e-6);
    }
  }
}

const FittedOpening& Opening(const BoxFit& fit, const std::string& surface) {
  for (const FittedOpening& o : fit.openings)
    if (o.surface == surface) return o;
  throw std::runtime_error("no opening " + surface);
}

// EnergyPlus's L-shaped office and its house with a garage: the rectangle,
// and one opening each with its facade, set-back and what the summary says.
TEST(FromIdf, EnclosesPlansThatAreNoRectangle) {
  const FitOptions enclosing{FitMode::Enclosing, {}}, living{FitMode::Box, {"living zone"}},
      livingCaps{FitMode::Box, {"LIVING ZONE"}};
  const struct {
    const char* file;
    const FitOptions& options;
    float BdX, BdY, Bdz, Phi;
    const char* surface;
    int facade;
    double setBack;
    const char* remark;  // of the opening, or of the fit
  } cases[] = {{"AirflowNetwork_MultiZone_SmallOffice.idf", enclosing, 12.192f, 12.192f, 3.962f, 0,
                "Zn003:Wall003", 3, 3.048, ""},
               {"AirflowNetwork_Simple_SmallOffice.idf", enclosing, 12.192f, 12.192f, 3.962f, 0,
                "Zn002:Wall001", 4, 6.096, ""},
               {"AirflowNetwork_MultiZone_House.idf", enclosing, 16.876f, 17.242f, 2.438f, 22.62f,
                "Garage:FrontDoor", 4, 0,
                "read as the nearest double slope roof, falling to 0.0 and 180.0 deg."},
               {"AirflowNetwork_MultiZone_House.idf", living, 10.778f, 17.242f, 2.438f, 22.62f,
                "Garage:FrontDoor", 4, -6.098, "of zone 'GARAGE ZONE', outside the zones fitted"},
               {"AirflowNetwork_Simple_House.idf", livingCaps, 10.778f, 17.242f, 2.438f, 22.62f,
                "EastRoof", 5, 0, "beyond the facade: placed at its nearest edge"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.surface);
    const IdfFile file = ReadIdfFile(EnergyPlusExample(c.file));
    const BoxFit fit = FitBox(file, ReadGeometry(file), c.options);
    EXPECT_NEAR(fit.job.BdX, c.BdX, 1e-3);
    EXPECT_NEAR(fit.job.BdY, c.BdY, 1e-3);
    EXPECT_NEAR(fit.job.Bdz, c.Bdz, 1e-3);
    EXPECT_NEAR(fit.job.Phi, c.Phi, 1e-2);
    const FittedOpening& o = Opening(fit, c.surface);
    EXPECT_EQ(o.facade, c.facade);
    EXPECT_NEAR(o.setBack, c.setBack, 1e-3);
    std::string said;
    for (const std::string& line : o.remarks)
      said += line + "\n";
    for (const std::string& line : fit.notes)
      said += line + "\n";
    EXPECT_THAT(said, HasSubstr(c.remark));
  }
}

// An opening above the eaves is placed at the top of the trusted wall band
// and its real height said; the zones named must exist and have walls.
TEST(FromIdf, PlacesGableOpeningsAndChecksTheZones) {
  std::string gable = ReadIdfFile(Data("../idf/gable.idf")).text;
  for (const auto& [from, to] : {std::pair{"12,4.5,2,", "12,4.5,4.3,"},
                                 {"12,4.5,1,", "12,4.5,3.3,"},
                                 {"12,5.5,1,", "12,5.5,3.3,"},
                                 {"12,5.5,2", "12,5.5,4.3"}})
    gable = Replaced(gable, from, to);
  const IdfFile raised = ParseIdf("gable.idf", gable);
  const BoxFit fit = FitBox(raised, ReadGeometry(raised));
  const FittedOpening& east = Opening(fit, "Window East");
  EXPECT_NEAR(fit.job.ElmZ[static_cast<std::size_t>(east.facade)][1], 2.7f, 1e-4);
  ASSERT_EQ(east.remarks.size(), 1u);
  EXPECT_THAT(east.remarks[0], HasSubstr("above the eaves: its centroid stands at Z 3.800 m; "
                                         "placed at Z 2.700 m"));

  const IdfFile box = ReadIdfFile(Data("../idf/box.idf"));
  const std::pair<FitOptions, std::string> refused[] = {
      {{FitMode::Box, {"Hall"}}, "--zones names 'Hall', which is no zone of the model (its zones:"},
      {{FitMode::Enclosing, {"room", ""}}, "--zones names '', which is no zone"}};
  for (const auto& [options, message] : refused) {
    try {
      FitBox(box, ReadGeometry(box), options);
      ADD_FAILURE() << message;
    } catch (const IdfError& e) {
      EXPECT_THAT(e.what(), HasSubstr(message));
    }
  }
}

// A wall turned against the enclosing rectangle sends its opening to the
// facade it faces nearest, and says how far off it faces.
TEST(FromIdf, PlacesOpeningsOfTurnedWallsOnTheNearestFacade) {
  const std::string box = ReadIdfFile(Data("../idf/box.idf")).text;
  const std::pair<const char*, const char*> cases[] = {
      {"17,10,0,\n    17,10,6;",
       "its wall faces 73.3 deg., 16.7 deg. off facade 4's 90.0 deg.: placed on the nearest "
       "facade"},
      {"10,10,0,\n    10,10,6;", "45.0 deg. off facade 4's 90.0 deg.: between two facades"}};
  for (const auto& [corner, remark] : cases) {
    const IdfFile file = ParseIdf("m.idf", Replaced(box, "20,10,0,\n    20,10,6;", corner));
    const BoxFit fit = FitBox(file, ReadGeometry(file), {FitMode::Enclosing, {}});
    EXPECT_NEAR(fit.job.BdX, 20, 1e-4);
    const FittedOpening& east = Opening(fit, "Window East");
    EXPECT_EQ(east.facade, 4);
    ASSERT_EQ(east.remarks.size(), 1u) << corner;
    EXPECT_THAT(east.remarks[0], HasSubstr(remark));
  }
}

// A zone asking for EnergyPlus's Advanced single-sided coefficients loses
// them once its coefficients are Input: its openings say so, unless the
// model took Input coefficients already.
TEST(FromIdf, SaysWhichOpeningsLoseTheAdvancedSingleSidedCoefficients) {
  const std::string box = Replaced(ReadIdfFile(Data("../idf/box.idf")).text, "Constant;  ",
                                   "Constant,,,,,,,,advanced;");
  for (const auto& [type, said] :
       {std::pair{"SurfaceAverageCalculation", true}, {"", true}, {"Input", false}}) {
    const IdfFile file =
        ParseIdf("m.idf", Replaced(box, "SurfaceAverageCalculation,", std::string(type) + ","));
    const BoxFit fit = FitBox(file, ReadGeometry(file));
    const std::string warning = AdvancedSingleSidedWarning(fit);
    EXPECT_EQ(warning.empty(), !said) << type;
    EXPECT_EQ(Opening(fit, "Window West").remarks.size(), said ? 1u : 0u) << type;
    if (!said) continue;
    EXPECT_THAT(warning, HasSubstr("Zone 'Room' asks for the Advanced single-sided wind pressure "
                                   "coefficients, which EnergyPlus computes only under Wind "
                                   "Pressure Coefficient Type SurfaceAverageCalculation"));
    EXPECT_THAT(warning, HasSubstr("the openings 'Window North', 'Window West', 'Window South', "
                                   "'Window East' and 'Roof':"));
  }
}

}  // namespace
}  // namespace ventora::idf
