// ventora-run --from-idf on every one of EnergyPlus's own airflow network
// examples (tests/data/energyplus, unpacked into the build): each gives a
// model that reads back with one direction array, one node and curve per
// exterior airflow opening and every other object as it was.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include <unistd.h>

#include "core/ascii_case.h"
#include "idf/idf_geometry.h"
#include "idf/idf_text.h"

namespace ventora::idf {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Text(const IdfFile& file, const IdfObject& o) {
  return file.text.substr(o.begin, o.end - o.begin);
}

bool Changed(const IdfObject& o) {
  return o.Is("AirflowNetwork:SimulationControl") || o.Is("AirflowNetwork:MultiZone:Surface") ||
         o.Is("AirflowNetwork:MultiZone:ExternalNode") ||
         o.Is("AirflowNetwork:MultiZone:WindPressureCoefficientArray") ||
         o.Is("AirflowNetwork:MultiZone:WindPressureCoefficientValues");
}

// Every field of `after` but the edited ones as in `before`.
void ExpectOnlyEdited(const IdfObject& before, const IdfObject& after,
                      std::set<std::size_t> edited) {
  for (std::size_t i = 0; i < std::max(before.fields.size(), after.fields.size()); ++i)
    EXPECT_TRUE(edited.count(i) == 1 || after.Field(i) == before.Field(i))
        << before.type << " '" << before.Name() << "' field " << i;
}

// The written model against the one read: the checks a user's simulation
// depends on, down to each field of the objects it edits.
void ExpectWrittenModel(const IdfFile& in, const IdfFile& out, const std::string& stem) {
  EXPECT_EQ(out.All("AirflowNetwork:MultiZone:WindPressureCoefficientArray").size(), 1u);
  const IdfObject& control = *out.All("AirflowNetwork:SimulationControl").at(0);
  EXPECT_EQ(control.Field(2) + " " + control.Field(3), "Input ExternalNode");
  ExpectOnlyEdited(*in.All("AirflowNetwork:SimulationControl").at(0), control, {2, 3});
  std::set<std::string> curves;
  for (const char* type :
       {"AirflowNetwork:MultiZone:WindPressureCoefficientValues", "Table:Lookup"})
    for (const IdfObject* o : out.All(type))
      curves.insert(AsciiLower(o->Name()));
  std::map<std::string, const IdfObject*> nodes;
  for (const IdfObject* o : out.All("AirflowNetwork:MultiZone:ExternalNode"))
    nodes[AsciiLower(o->Name())] = o;
  const IdfGeometry geometry = ReadGeometry(in);
  std::set<std::string> named;
  int exterior = 0;
  for (const IdfObject* before : in.All("AirflowNetwork:MultiZone:Surface")) {
    const IdfObject* after = nullptr;
    for (const IdfObject* o : out.All("AirflowNetwork:MultiZone:Surface"))
      if (o->Name() == before->Name()) after = o;
    ASSERT_NE(after, nullptr) << before->Name();
    if (!geometry.Find(before->Name())->outdoors) {
      EXPECT_EQ(Text(out, *after), Text(in, *before));
      continue;
    }
    ++exterior;
    const auto node = nodes.find(AsciiLower(after->Field(2)));
    ASSERT_NE(node, nodes.end()) << before->Name() << " names no node";
    EXPECT_THAT(node->second->Field(2), ::testing::StartsWith(stem + "_F"));
    EXPECT_EQ(curves.count(AsciiLower(node->second->Field(2))), 1u) << before->Name();
    EXPECT_EQ(node->second->Field(4), "Absolute") << before->Name();
    ExpectOnlyEdited(*before, *after, {2});
    named.insert(AsciiLower(after->Field(2)));
  }
  EXPECT_EQ(named.size(), static_cast<std::size_t>(exterior));
  // Every other object, byte for byte and in order.
  std::size_t at = 0;
  for (const IdfObject& o : in.objects) {
    if (Changed(o)) continue;
    while (at < out.objects.size() && Text(out, out.objects[at]) != Text(in, o))
      ++at;
    ASSERT_LT(at, out.objects.size()) << in.Where(o) << " is not in the written model";
  }
}

// Runs ventora-run on a copy of the example and checks what it wrote.
void RunAndCheck(const fs::path& work, const std::string& stem, const std::string& options,
                 std::size_t openings, const char* said) {
  fs::remove_all(work);
  fs::create_directories(work);
  const fs::path model = work / (stem + ".idf");
  fs::copy_file(fs::path(VENTORA_ENERGYPLUS_EXAMPLES) / model.filename(), model);
  const std::string command = std::string(VENTORA_RUN) + " --from-idf '" + model.string() +
                              "' --pad 20 --sbh 10 --sweep=30 " + options + " >'" +
                              (work / "out").string() + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << FileText(work / "out");
  const std::string printed = FileText(work / "out");
  EXPECT_EQ(printed.find("Advanced single-sided") != std::string::npos, *said != '\0');
  EXPECT_THAT(printed, ::testing::HasSubstr(said));
  const IdfFile in = ReadIdfFile(model.string());
  const IdfFile out = ReadIdfFile((work / (stem + ".cp.idf")).string());
  EXPECT_EQ(out.All("AirflowNetwork:MultiZone:ExternalNode").size(), openings);
  ExpectWrittenModel(in, out, stem);
}

// The box-shaped models with the default fit, the others enclosed; the
// openings counted by hand from each model's exterior airflow surfaces.
TEST(EnergyPlusExamples, EveryModelGivesItsCpModel) {
  const struct {
    const char* model;
    const char* options;
    std::size_t openings;
    const char* said = "";  // on standard output or error
  } cases[] = {
      {"AirflowNetwork3zVentAutoWPC", "", 9},
      {"AirflowNetworkAdvanced_SingleSided_NV", "", 14,
       "AirflowNetwork:MultiZone:Zone 'North_Zone', 'West_Zone' and 'South_Zone' ask for the "
       "Advanced single-sided"},
      {"AirflowNetworkOccupantVentilationControl", "", 9},
      {"AirflowNetwork_Multizone_HorizontalOpening", "", 18},
      {"CrossVent_1Zone_AirflowNetwork", "", 2},
      {"CrossVent_1Zone_AirflowNetwork_with2CrossflowJets", "", 4},
      {"DisplacementVent_Nat_AirflowNetwork", "", 3},
      {"AirflowNetwork_MultiAirLoops", "--fit=enclosing", 12},
      {"AirflowNetwork_MultiZone_SmallOffice", "--fit=enclosing", 12},
      {"AirflowNetwork_MultiZone_SmallOffice_GenericContam", "--fit=enclosing", 12},
      {"AirflowNetwork_MultiZone_SmallOffice_VAV", "--fit=enclosing", 12},
      {"AirflowNetwork_Simple_SmallOffice", "--fit=enclosing", 8},
      {"AirflowNetwork_MultiZone_House", "--fit=enclosing", 3},
      {"AirflowNetwork_MultiZone_House", "'--zones=LIVING ZONE'", 3},
      {"AirflowNetwork_Simple_House", "--fit=enclosing", 4},
      {"AirflowNetwork_Simple_House", "--fit=enclosing '--zones=Living Zone'", 4},
  };
  const fs::path work =
      fs::temp_directory_path() / ("ventora-examples-" + std::to_string(getpid()));
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.model) + " " + c.options);
    RunAndCheck(work, c.model, c.options, c.openings, c.said);
  }
  fs::remove_all(work);
}

}  // namespace
}  // namespace ventora::idf
