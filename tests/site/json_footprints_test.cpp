// The JSON readers refuse what they cannot read by naming where it is: the
// line of a syntax fault, the feature or city object of a bad member.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "site/json_readers.h"

namespace ventora::site {
namespace {

struct Refused {
  std::string text;
  const char* says;
};

constexpr const char* kCity =
    R"({"type":"CityJSON","metadata":{"referenceSystem":"EPSG:7415"},"vertices":[[0,0,0],)"
    R"([10,0,0],[10,10,5]],"CityObjects":{)";

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i)
    text += piece;
  return text;
}

// Nesting a hostile file thousands deep, which the tree built of it and
// every copy of it would follow down the stack.
std::string DeepCollections(int depth) {
  return R"({"type":"FeatureCollection","features":[{"type":"Feature","geometry":)" +
         Repeated(R"({"type":"GeometryCollection","geometries":[)", depth) + Repeated("]}", depth) +
         "}]}";
}

TEST(JsonReaders, RefusalsNameWhere) {
  const std::vector<Refused> cases{
      {R"({"type":"FeatureCollection","features":)" + Repeated("[", 100000),
       "\"f.json\", line 1: arrays and objects nested more than 100 deep"},
      {R"({"type":"FeatureCollection","features":[{"type":"Feature","properties":)" +
           Repeated(R"({"a":)", 50000) + "1" + Repeated("}", 50000) + "}]}",
       "arrays and objects nested more than 100 deep"},
      {DeepCollections(5000), "arrays and objects nested more than 100 deep"},
      {DeepCollections(30), "\"f.json\", feature 1: geometry collections nested more than 16 deep"},
      {"{\"type\":\n\"FeatureCollection\",\"features\":[tru]}",
       "\"f.json\", line 2: not valid JSON (unexpected ] at column"},
      {R"({"type":"FeatureCollection","features":{}})",
       "\"f.json\": malformed GeoJSON (its features are not an array)"},
      {R"({"type":"Feature","geometry":{"type":"Polygon"}})",
       "\"f.json\", feature 1: malformed (its geometry has no \"coordinates\")"},
      {R"({"type":"CityJSON","vertices":[[0,0]],"CityObjects":{}})",
       "\"f.json\": vertex 0 is not three numbers"},
      {"{\"type\":\"FeatureCollection\",\n\"features\":[", "\"f.json\", line 2: not valid JSON"},
      {R"({"type":"FeatureCollection","features":[{"type":"Feature","geometry":null},)"
       R"({"type":"Feature","geometry":{"type":"Polygon","coordinates":[[[0,"a"]]]}}]})",
       "\"f.json\", feature 2: malformed ("},
      {R"({"type":"FeatureCollection","features":[{"type":"Feature","geometry":)"
       R"({"type":"Polygon",)"
       "\n"
       R"("coordinates":[[[0,1e999],[1,0],[1,1]]]}}]})",
       "\"f.json\", line 2: not valid JSON (the number 1e999 is too large)"},
      {R"({"type":"FeatureCollection","features":[7]})",
       "\"f.json\", feature 1: not a JSON object"},
      {(std::string(kCity) + R"("b":{"type":"Building","geometry":[{"lod":1,"boundaries":)"
                             R"([[[0,1,3]]]}]}}})"),
       "\"f.json\", city object \"b\": vertex number 3 is not one of the file's 3 vertices"},
      {(std::string(kCity) + R"("b":{"type":"Building","geometry":[{"lod":1,"boundaries":)"
                             R"([[[0,1,-2]]]}]}}})"),
       "vertex number -2 is not one of"},
      {(std::string(kCity) + R"("p":{"type":"BuildingPart","parents":["gone"]}}})"),
       "\"f.json\", city object \"p\": malformed ("},
      {(std::string(kCity) + R"("b":{"type":"Building","geometry":[{"lod":1,"boundaries":)"
                             R"([[[[[[[0,1,2]]]]]]]}]}}})"),
       "nested deeper than CityJSON nests"},
      {R"({"type":"CityJSON","transform":{"scale":[1e308,1,1],"translate":[0,0,0]},)"
       R"("vertices":[[10,0,0]],"CityObjects":{}})",
       "\"f.json\": vertex 0 is not a finite point"},
  };
  for (const Refused& c : cases) {
    try {
      ReadJsonText(c.text, "f.json", ReadRules{});
      ADD_FAILURE() << "read: " << c.text;
    } catch (const SiteError& e) {
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos)
          << e.what() << "\n  wanted: " << c.says;
      EXPECT_EQ(std::string(e.what()).find("json.exception"), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace ventora::site
