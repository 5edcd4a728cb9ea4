// The EnergyPlus model reader on EnergyPlus's own models changed as users'
// editors and tools change them: every line-end form and a byte-order mark
// read exactly as the plain model; a lost ';', a wrong Number of Vertices
// and a missing Version are refused, naming the object and its line.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "idf/box_fit.h"

namespace ventora::idf {
namespace {

using ::testing::HasSubstr;

std::string EnergyPlusExample(const std::string& name) {
  return std::string(VENTORA_ENERGYPLUS_EXAMPLES) + "/" + name;
}

std::string ReplacedAfter(std::string text, const std::string& after, const std::string& from,
                          const std::string& to) {
  const std::size_t at = text.find(from, text.find(after));
  return text.replace(at, from.size(), to);
}

// Every LF as `lineEnd`, or every second one with `mixed`.
std::string LineEnds(const std::string& text, const std::string& lineEnd, bool mixed = false) {
  std::string out;
  bool odd = false;
  for (const char c : text) {
    if (c != '\n') {
      out += c;
    } else {
      out += mixed && (odd = !odd) ? std::string("\n") : lineEnd;
    }
  }
  return out;
}

struct Read {
  std::size_t objects = 0;
  BoxFit fit;
};

Read ReadModel(const std::string& text) {
  const IdfFile file = ParseIdf("m.idf", text);
  return {file.objects.size(), FitBox(file, ReadGeometry(file))};
}

TEST(IdfText, EveryLineEndAndAByteOrderMarkReadAsThePlainModel) {
  const std::string plain =
      ReadIdfFile(EnergyPlusExample("CrossVent_1Zone_AirflowNetwork.idf")).text;
  const Read expected = ReadModel(plain);
  ASSERT_EQ(expected.fit.openings.size(), 2u);
  const std::pair<const char*, std::string> cases[] = {
      {"CR", LineEnds(plain, "\r")},
      {"CR LF", LineEnds(plain, "\r\n")},
      {"LF and CR mixed", LineEnds(plain, "\r", true)},
      {"byte-order mark", "\xEF\xBB\xBF" + plain},
      {"byte-order mark and CR", "\xEF\xBB\xBF" + LineEnds(plain, "\r")}};
  for (const auto& [form, text] : cases) {
    SCOPED_TRACE(form);
    const Read read = ReadModel(text);
    EXPECT_EQ(read.objects, expected.objects);
    EXPECT_EQ(read.fit.job, expected.fit.job);
    ASSERT_EQ(read.fit.openings.size(), expected.fit.openings.size());
    for (std::size_t i = 0; i < read.fit.openings.size(); ++i)
      EXPECT_EQ(read.fit.openings[i].surface, expected.fit.openings[i].surface);
  }
}

TEST(IdfText, RefusesBrokenObjectsNamingWhereTheyBegin) {
  const std::string crossVent =
      ReadIdfFile(EnergyPlusExample("CrossVent_1Zone_AirflowNetwork.idf")).text;
  const std::string threeZones =
      ReadIdfFile(EnergyPlusExample("AirflowNetwork3zVentAutoWPC.idf")).text;
  const std::string surface1 = "    Surface_1,               !- Surface Name\n";
  const std::pair<std::string, std::string> cases[] = {
      // Surface_1 cut after its name swallowed Window1's object.
      {ReplacedAfter(threeZones, surface1,
                     surface1 + "    CR-1,                    !- Leakage Component Name\n"
                                "    SFacade,                 !- External Node Name\n"
                                "    1.0;",
                     surface1),
       "m.idf, line 1077, AirflowNetwork:MultiZone:Surface 'Surface_1': the field on line 1081 "
       "is 'AirflowNetwork:MultiZone:Surface', an object's type: the ';' that ends this object "
       "is missing"},
      // An object longer than EnergyPlus defines it.
      {ReplacedAfter(threeZones, surface1, "    1.0;", "    1.0,,,,,,,,,,,,;"),
       "line 1077, AirflowNetwork:MultiZone:Surface 'Surface_1': 16 fields where EnergyPlus "
       "defines at most 15"},
      {ReplacedAfter(crossVent, "ZONAWwin,", "    4,                       !- Number of Vertices",
                     "    3,"),
       "m.idf, line 844, FenestrationSurface:Detailed 'ZONAWwin': Number of Vertices 3, but 4 "
       "vertices given"},
      {ReplacedAfter(crossVent, "ZONAWwin,", "    4,                       !- Number of Vertices",
                     "    5,"),
       "'ZONAWwin': Number of Vertices 5, but 4 vertices given"},
      {ReplacedAfter(crossVent, "ZONAWwin,", "0,3,1.5;", "0,3;"),
       "'ZONAWwin': 11 vertex coordinates given, which is not three a vertex"},
      {ReplacedAfter(crossVent, "", "  Version,9.3;", "  Output:Diagnostics,9.3;"),
       "m.idf: no Version object, so the layout of the surfaces' fields is unknown"}};
  for (const auto& [text, message] : cases) {
    try {
      ReadModel(text);
      ADD_FAILURE() << "accepted; expected: " << message;
    } catch (const IdfError& e) {
      EXPECT_THAT(e.what(), HasSubstr(message));
    }
  }
}

TEST(IdfText, RefusesADeviceUnread) {
  try {
    ReadIdfFile("/dev/zero");
    ADD_FAILURE() << "read";
  } catch (const IdfError& e) {
    EXPECT_THAT(e.what(), HasSubstr("/dev/zero: the file is not read: it is not a regular"));
  }
}

}  // namespace
}  // namespace ventora::idf
