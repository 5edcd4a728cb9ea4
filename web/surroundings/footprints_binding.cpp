// The browser edition's surroundings module, loaded when the user first
// opens the surroundings: a GeoJSON or CityJSON file read by the site
// room's own readers, measured with its own geometry (site/portable), and
// the all-round values put into the job as ventora-run puts them, with
// ventora-run's words.
#include <emscripten/bind.h>

#include <cmath>
#include <memory>
#include <string>

#include "commands/surroundings_for_job.h"
#include "site/json_readers.h"
#include "site/portable/portable_footprint_set.h"
#include "site/site_answer.h"
#include "site/surroundings_limits.h"
#include "web/bindings/page_numbers.h"
#include "web/surroundings/site_fields.h"

namespace ventora::web {
namespace {

using emscripten::val;

val Error(const std::string& text) {
  val result = val::object();
  result.set("error", text);
  return result;
}

val TextList(const std::vector<std::string>& texts) {
  val list = val::array();
  for (const std::string& t : texts)
    list.call<void>("push", t);
  return list;
}

val Rows(const std::vector<site::SectorValues>& rows) {
  val list = val::array();
  for (const site::SectorValues& r : rows) {
    val row = val::object();
    row.set("from", r.from);
    row.set("to", r.to);
    row.set("pad", r.pad);
    row.set("sbh", r.sbh ? val(*r.sbh) : val::null());
    row.set("buildings", r.buildings);
    row.set("withoutHeight", r.withoutHeight);
    list.call<void>("push", row);
  }
  return list;
}

// What the page's fields ask, or the sentence that refuses them.
Read<site::SurroundingsQuery> QueryOf(const val& fields, const Job& job) {
  site::SurroundingsQuery query;
  const Read<site::XY> site = ReadSite(fields["site"].as<std::string>());
  if (const auto* why = std::get_if<std::string>(&site)) return *why;
  query.site = std::get<site::XY>(site);
  struct Length {
    const char* label;
    const char* field;
    std::optional<double>* value;
  };
  for (const auto& [label, field, value] :
       {Length{"Radius", "radius", &query.radius},
        Length{"Default height", "defaultHeight", &query.defaultHeight}}) {
    const Read<std::optional<double>> length = ReadLength(label, fields[field].as<std::string>());
    if (const auto* why = std::get_if<std::string>(&length)) return *why;
    *value = std::get<std::optional<double>>(length);
  }
  const double sectors = fields["sectors"].as<double>();
  if (!(sectors == std::floor(sectors)) || !site::Within(sectors, site::kSectorsLimit.range))
    return std::string("the number of sectors must be a whole number from 1 to 360");
  query.sectors = static_cast<int>(sectors);
  query.buildingHeight = job.Bdz;
  return query;
}

Job JobOf(const val& page) {
  Job job;
  job.PAD = page["PAD"].as<float>();
  job.SbH = page["SbH"].as<float>();
  job.Bdz = page["Bdz"].as<float>();
  job.BdX = page["BdX"].as<float>();
  job.BdY = page["BdY"].as<float>();
  return job;
}

// A file of footprints read and indexed once, asked about any site.
class Footprints {
 public:
  Footprints(std::shared_ptr<site::PortableFootprintSet> set, std::string name)
      : set_(std::move(set)), name_(std::move(name)) {}

  int Count() const { return static_cast<int>(set_->size()); }

  // {rows, radius, notes, lines, PAD, SbH, sweep}: the answer, what
  // ventora-run says of it, the job's values after it and what a sweep
  // takes of it; {error} when there is none.
  val Surroundings(const val& fields, const val& page) const {
    Job job = JobOf(page);
    const Read<site::SurroundingsQuery> query = QueryOf(fields, job);
    if (const auto* why = std::get_if<std::string>(&query)) return Error(*why);
    const site::SurroundingsQuery& q = std::get<site::SurroundingsQuery>(query);
    const site::SurroundingsAnswer answer = site::Answered([&] {
      site::CheckQuery(q);
      return site::Answer(q, set_->notes(),
                          [&](const site::SurroundingsRequest& r) { return set_->Compute(r); });
    });
    if (!answer.error.empty()) return Error(answer.error);
    const SurroundingsForJob applied = ApplySurroundings(answer, {name_, q.site.x, q.site.y}, job);
    val result = val::object();
    result.set("rows", Rows(answer.values.rows));
    result.set("radius", answer.radius);
    result.set("notes", TextList(answer.notes));
    result.set("lines", TextList(applied.lines));
    result.set("PAD", job.PAD);
    result.set("SbH", job.SbH);
    // What the page's sweep takes: each sector's values, the export's lines.
    val sweep = val::object();
    sweep.set("rows", result["rows"]);
    sweep.set("allRoundSbH", applied.surroundings.allRoundSbH);
    sweep.set("headerLines", TextList(applied.surroundings.headerLines));
    result.set("sweep", sweep);
    return result;
  }

 private:
  // Shared: the page's handle is a copy of the one made here.
  std::shared_ptr<site::PortableFootprintSet> set_;
  std::string name_;
};

// {footprints} for a file the module reads, {error} in ventora-run's words
// otherwise; `bytes` the file's, `name` its name for messages.
val ReadFootprints(const std::string& bytes, const std::string& name, const std::string& crs,
                   const std::string& storeyHeight) {
  const Read<std::optional<double>> storey = ReadLength("Storey height", storeyHeight);
  if (const auto* why = std::get_if<std::string>(&storey)) return Error(*why);
  const double storeyMetres = std::get<std::optional<double>>(storey).value_or(3.0);
  try {
    site::CheckStoreyHeight(storeyMetres);
    if (bytes.empty())
      throw site::SiteError("\"" + name + "\" is empty: it holds no building footprints");
    // A UTF-8 byte-order mark may precede a JSON text.
    const std::size_t first = bytes.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first == std::string::npos || bytes[first] != '{')
      throw site::SiteError(
          "\"" + name +
          "\" is neither GeoJSON nor CityJSON, the footprint files the browser edition reads: "
          "ventora-run --surroundings reads Shapefiles, GeoPackages, OpenStreetMap PBF and "
          "every other format of GDAL");
    site::FootprintFile file =
        site::ReadJsonText(bytes, name, site::ReadRules{.storeyHeight = storeyMetres});
    auto set = std::make_shared<site::PortableFootprintSet>(std::move(file), Trimmed(crs), name);
    val result = val::object();
    result.set("footprints", Footprints(std::move(set), name));
    return result;
  } catch (const std::exception& e) {
    return Error(e.what());
  }
}

}  // namespace
}  // namespace ventora::web

EMSCRIPTEN_BINDINGS(ventora_surroundings) {
  using namespace ventora::web;
  emscripten::class_<Footprints>("Footprints")
      .function("count", &Footprints::Count)
      .function("surroundings", &Footprints::Surroundings);
  emscripten::function("readFootprints", &ReadFootprints);
}
