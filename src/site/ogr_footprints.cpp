// Everything GDAL reads as vectors. OpenStreetMap files give their
// buildings in the "multipolygons" layer; other files every polygon layer.

#include <gdal.h>
#include <ogr_api.h>
#include <ogr_srs_api.h>

#include <cpl_conv.h>
#include <cpl_error.h>
#include <memory>
#include <optional>
#include <string>

#include "building_height.h"
#include "core/cancellation.h"
#include "read_footprints.h"

namespace ventora::site {
namespace {

struct DatasetCloser {
  void operator()(void* dataset) const { GDALClose(dataset); }
};
struct FeatureDestroyer {
  void operator()(void* feature) const { OGR_F_Destroy(static_cast<OGRFeatureH>(feature)); }
};

std::optional<std::string> Field(OGRFeatureH feature, const char* name) {
  const int index = OGR_F_GetFieldIndex(feature, name);
  if (index < 0 || !OGR_F_IsFieldSetAndNotNull(feature, index)) return std::nullopt;
  return std::string(OGR_F_GetFieldAsString(feature, index));
}

std::optional<std::string> Tag(OGRFeatureH feature, const char* key) {
  if (auto value = Field(feature, key)) return value;
  if (auto other = Field(feature, "other_tags")) return OtherTag(*other, key);
  return std::nullopt;
}

// OpenStreetMap's id (of a relation, else of a closed way), else the
// feature's number in its layer.
std::string IdOf(OGRFeatureH feature) {
  if (auto id = Field(feature, "osm_id")) return *id;
  if (auto id = Field(feature, "osm_way_id")) return *id;
  return "#" + std::to_string(OGR_F_GetFID(feature));
}

Ring ReadRing(OGRGeometryH ring) {
  Ring points;
  const int count = OGR_G_GetPointCount(ring);
  points.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    points.push_back({OGR_G_GetX(ring, i), OGR_G_GetY(ring, i)});
  return points;
}

// Collections within collections, as the JSON reader allows them.
constexpr int kDeepestCollection = 16;

void AddPolygons(OGRGeometryH geometry, Footprint& footprint, int depth = 0) {
  if (geometry == nullptr || depth > kDeepestCollection) return;
  const OGRwkbGeometryType type = wkbFlatten(OGR_G_GetGeometryType(geometry));
  if (type == wkbPolygon) {
    PolygonRings polygon;
    for (int i = 0; i < OGR_G_GetGeometryCount(geometry); ++i)
      polygon.rings.push_back(ReadRing(OGR_G_GetGeometryRef(geometry, i)));
    footprint.polygons.push_back(std::move(polygon));
  } else if (type == wkbMultiPolygon || type == wkbGeometryCollection) {
    for (int i = 0; i < OGR_G_GetGeometryCount(geometry); ++i)
      AddPolygons(OGR_G_GetGeometryRef(geometry, i), footprint, depth + 1);
  }
}

std::string LayerCrs(OGRLayerH layer) {
  OGRSpatialReferenceH srs = OGR_L_GetSpatialRef(layer);
  if (srs == nullptr) return "";
  char* wkt = nullptr;
  const char* options[] = {"FORMAT=WKT2_2018", nullptr};
  if (OSRExportToWktEx(srs, &wkt, options) != OGRERR_NONE || wkt == nullptr) return "";
  std::string text(wkt);
  CPLFree(wkt);
  return text;
}

int ReadLayer(OGRLayerH layer, const ReadRules& rules, FootprintFile& out) {
  int notBuildings = 0;
  OGR_L_ResetReading(layer);
  while (OGRFeatureH raw = OGR_L_GetNextFeature(layer)) {
    ThrowIfCancelled(rules.cancel);
    const std::unique_ptr<void, FeatureDestroyer> feature(raw);
    const std::optional<std::string> building = Tag(raw, "building");
    const bool part = !building && Tag(raw, "building:part").has_value();
    if (building == "no") {
      ++notBuildings;
      continue;
    }
    Footprint footprint;
    AddPolygons(OGR_F_GetGeometryRef(raw), footprint);
    if (footprint.polygons.empty()) continue;
    footprint.id = IdOf(raw);
    footprint.part = part;
    footprint.height =
        BuildingHeight(Tag(raw, "height"), Tag(raw, "building:levels"), rules.storeyHeight);
    out.footprints.push_back(std::move(footprint));
  }
  return notBuildings;
}

// GDAL's failures while the file is read: a cut or damaged file reads
// some features and then fails, which would otherwise pass for a file
// with fewer buildings. Its warnings (unclosed rings, which are closed)
// stay quiet; the repairs are counted in a note.
class GdalFailures {
 public:
  GdalFailures() { CPLPushErrorHandlerEx(Keep, this); }
  ~GdalFailures() { CPLPopErrorHandler(); }
  GdalFailures(const GdalFailures&) = delete;
  GdalFailures& operator=(const GdalFailures&) = delete;

  const std::string& first() const { return first_; }

 private:
  static void Keep(CPLErr level, CPLErrorNum, const char* message) {
    auto* self = static_cast<GdalFailures*>(CPLGetErrorHandlerUserData());
    if (level >= CE_Failure && self->first_.empty() && message != nullptr) self->first_ = message;
  }
  std::string first_;
};

std::string Damaged(const std::string& name, const std::string& why) {
  return "\"" + name + "\" is damaged: GDAL, which reads it, says \"" + why + "\"";
}

// A shapefile's attributes are in the .dbf beside it; without it every
// height is missing.
std::string MissingTable(const std::filesystem::path& file, const std::string& driver) {
  if (driver != "ESRI Shapefile" || std::filesystem::is_directory(file)) return "";
  std::filesystem::path table = file;
  for (const char* extension : {".dbf", ".DBF"})
    if (std::filesystem::exists(table.replace_extension(extension))) return "";
  return "\"" + file.string() +
         "\" has no .dbf beside it, which holds the buildings' fields: no building has a height";
}

}  // namespace

FootprintFile ReadOgrFootprints(const std::filesystem::path& file, const ReadRules& rules) {
  static const bool registered = (GDALAllRegister(), true);
  (void)registered;
  const std::string name = file.string();
  const GdalFailures failures;
  std::unique_ptr<void, DatasetCloser> dataset(
      GDALOpenEx(name.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, nullptr, nullptr, nullptr));
  if (!dataset) {
    if (GDALIdentifyDriverEx(name.c_str(), GDAL_OF_VECTOR, nullptr, nullptr) != nullptr &&
        !failures.first().empty())
      throw SiteError(Damaged(name, failures.first()));
    throw SiteError("\"" + name +
                    "\" is not a map file this program reads (GeoJSON, CityJSON, or a vector "
                    "format GDAL knows: Shapefile, GeoPackage, FlatGeobuf, OpenStreetMap PBF...)");
  }
  GDALDriverH driver = GDALGetDatasetDriver(dataset.get());
  const std::string driverName = GDALGetDriverShortName(driver);
  const bool osm = driverName == "OSM";
  FootprintFile result;
  int notBuildings = 0;
  for (int i = 0; i < GDALDatasetGetLayerCount(dataset.get()); ++i) {
    OGRLayerH layer = GDALDatasetGetLayer(dataset.get(), i);
    const OGRwkbGeometryType type = wkbFlatten(OGR_L_GetGeomType(layer));
    if (osm ? std::string(OGR_L_GetName(layer)) != "multipolygons"
            : (type != wkbPolygon && type != wkbMultiPolygon && type != wkbUnknown))
      continue;
    if (result.crs.empty()) result.crs = LayerCrs(layer);
    // OpenStreetMap's multipolygons are areas of every kind: only buildings.
    if (osm)
      OGR_L_SetAttributeFilter(layer,
                               "building IS NOT NULL OR other_tags LIKE '%\"building:part\"%'");
    notBuildings += ReadLayer(layer, rules, result);
  }
  if (!failures.first().empty()) throw SiteError(Damaged(name, failures.first()));
  if (const std::string note = MissingTable(file, driverName); !note.empty())
    result.notes.push_back(note);
  KeepHeightsInRange(result, name);
  if (notBuildings > 0)
    result.notes.push_back(Counted(notBuildings, "feature", "features") + " of \"" + name +
                           "\" marked building=no left out");
  return result;
}

}  // namespace ventora::site
