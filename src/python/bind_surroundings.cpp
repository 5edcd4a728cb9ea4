// The surroundings from building footprints for the package's
// `ventora.surroundings`, and a file's buildings loaded once for
// `ventora.Footprints` (ventora/surroundings.py makes the DataFrames).

#include <pybind11/stl.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "bindings.h"
#include "site/building_boxes.h"
#include "site/site_query.h"
#include "site_arguments.h"

namespace ventora::python {
namespace {

namespace py = pybind11;

using Row = std::tuple<double, double, double, std::optional<double>, int, int>;

using Answer = std::tuple<std::vector<Row>, double, std::vector<std::string>>;

Answer Rows(const site::SurroundingsAnswer& answer) {
  if (!answer.error.empty()) throw py::value_error(answer.error);
  std::vector<Row> rows;
  for (const site::SectorValues& r : answer.values.rows)
    rows.emplace_back(r.from, r.to, r.pad, r.sbh, r.buildings, r.withoutHeight);
  return {rows, answer.radius, answer.notes};
}

// The query of ventora.surroundings and Footprints.surroundings, its
// arguments checked as ventora-run checks its options.
site::SurroundingsQuery Query(const py::handle& site, const py::handle& radius,
                              const py::handle& buildingHeight, const py::handle& sectors,
                              const py::handle& defaultHeight) {
  site::SurroundingsQuery query;
  query.site = SiteArgument(site);
  query.radius = OptionalLength(radius, site::kRadiusLimit);
  // Bdz as a job holds it (above 0); 0 when a radius is given instead.
  if (!buildingHeight.is_none()) {
    static constexpr site::SurroundingsLimit kBuilding{"", "building_height", "building_height",
                                                       "m", limits::Above(0)};
    query.buildingHeight = LengthArgument(buildingHeight, kBuilding);
  }
  query.sectors = SectorsArgument(sectors);
  query.defaultHeight = OptionalLength(defaultHeight, site::kHeightLimit);
  return query;
}

std::string CrsArgument(const py::handle& crs) {
  if (crs.is_none()) return "";
  if (!PyUnicode_Check(crs.ptr()))
    throw py::type_error(
        "crs must be a reference system's name (text, e.g. \"EPSG:28992\") or "
        "None, not " +
        py::repr(crs).cast<std::string>());
  return crs.cast<std::string>();
}

// (rows, radius used, notes); a file or site that cannot be used raises
// ValueError with the message ventora-run prints.
Answer Surroundings(const std::string& path, const py::handle& site, const py::handle& radius,
                    const py::handle& buildingHeight, const py::handle& sectors,
                    const py::handle& crs, const py::handle& storeyHeight,
                    const py::handle& defaultHeight) {
  site::SurroundingsQuery query = Query(site, radius, buildingHeight, sectors, defaultHeight);
  query.file = path;
  query.crs = CrsArgument(crs);
  query.storeyHeight = LengthArgument(storeyHeight, site::kStoreyHeightLimit);
  site::SurroundingsAnswer answer;
  {
    py::gil_scoped_release released;
    answer = site::FindSurroundings(query);
  }
  return Rows(answer);
}

// A footprint file read and indexed once. One GEOS context serves the
// set, so one thread at a time asks it.
class LoadedFootprints {
 public:
  LoadedFootprints(const std::string& path, const py::handle& crs, const py::handle& storey) {
    const std::string system = CrsArgument(crs);
    const double storeyHeight = LengthArgument(storey, site::kStoreyHeightLimit);
    std::string error;
    {
      py::gil_scoped_release released;
      try {
        set_.emplace(site::LoadFootprints(
            path, site::ReadRules{.storeyHeight = storeyHeight, .cancel = nullptr}, system));
      } catch (const std::exception& e) {
        error = e.what();
      }
    }
    if (!error.empty()) throw py::value_error(error);
  }

  explicit LoadedFootprints(const site::StoredFootprints& stored) { set_.emplace(stored); }

  // What a pickle keeps: the valid outlines, so that a Dask worker neither
  // reads the file (which it may not reach) nor repairs its outlines again.
  py::tuple State() const {
    site::StoredFootprints stored;
    {
      py::gil_scoped_release released;
      const std::lock_guard lock(mutex_);
      stored = set_->Stored();
    }
    py::list footprints;
    for (const site::StoredFootprint& f : stored.footprints)
      footprints.append(py::make_tuple(f.id, f.height, f.part, py::bytes(f.wkb)));
    return py::make_tuple(stored.name, stored.crs, stored.crsFromOption, stored.notes, footprints);
  }

  static std::unique_ptr<LoadedFootprints> FromState(const py::tuple& state) {
    site::StoredFootprints stored{state[0].cast<std::string>(),
                                  state[1].cast<std::string>(),
                                  state[2].cast<bool>(),
                                  state[3].cast<std::vector<std::string>>(),
                                  {}};
    for (const py::handle f : state[4].cast<py::list>()) {
      const auto t = f.cast<py::tuple>();
      stored.footprints.push_back({t[0].cast<std::string>(), t[1].cast<std::optional<double>>(),
                                   t[2].cast<bool>(), t[3].cast<std::string>()});
    }
    return std::make_unique<LoadedFootprints>(stored);
  }

  // Columns: id, x, y, length, width, azimuth, height (None for none),
  // inside_x, inside_y, area, tie (the azimuths of rectangles of the same
  // area in other orientations, "" when none).
  py::dict Buildings() {
    std::vector<site::BuildingBox> boxes;
    {
      py::gil_scoped_release released;
      const std::lock_guard lock(mutex_);
      boxes = site::BuildingBoxes(*set_);
    }
    py::list id, x, y, length, width, azimuth, height, insideX, insideY, area, tie;
    for (const site::BuildingBox& b : boxes) {
      id.append(b.id);
      x.append(b.centre.x);
      y.append(b.centre.y);
      length.append(b.length);
      width.append(b.width);
      azimuth.append(b.azimuth);
      height.append(b.height ? py::object(py::float_(*b.height)) : py::object(py::none()));
      insideX.append(b.inside.x);
      insideY.append(b.inside.y);
      area.append(b.area);
      std::string tied;
      for (double t : b.tied) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", t);
        tied += (tied.empty() ? "" : " ") + std::string(text);
      }
      tie.append(tied);
    }
    py::dict columns;
    columns["id"] = id, columns["x"] = x, columns["y"] = y, columns["length"] = length;
    columns["width"] = width, columns["azimuth"] = azimuth, columns["height"] = height;
    columns["inside_x"] = insideX, columns["inside_y"] = insideY, columns["area"] = area;
    columns["tie"] = tie;
    return columns;
  }

  Answer Surroundings(const py::handle& site, const py::handle& radius,
                      const py::handle& buildingHeight, const py::handle& sectors,
                      const py::handle& defaultHeight) {
    const site::SurroundingsQuery query =
        Query(site, radius, buildingHeight, sectors, defaultHeight);
    site::SurroundingsAnswer answer;
    {
      py::gil_scoped_release released;
      const std::lock_guard lock(mutex_);
      answer = site::FindSurroundings(*set_, query);
    }
    return Rows(answer);
  }

  // Each building's all-round values, seen from its inner point, in one
  // call: columns PAD, SbH (None for none), radius, buildings, without a
  // height, the notes on the site (data ending inside its circle...) and
  // the error ('' when there are values).
  py::dict BuildingSurroundings(const py::handle& radiusArgument,
                                const py::handle& defaultArgument) {
    const std::optional<double> radius = OptionalLength(radiusArgument, site::kRadiusLimit);
    const std::optional<double> defaultHeight = OptionalLength(defaultArgument, site::kHeightLimit);
    std::vector<site::SurroundingsAnswer> answers;
    {
      py::gil_scoped_release released;
      const std::lock_guard lock(mutex_);
      for (const site::BuildingBox& b : site::BuildingBoxes(*set_)) {
        const std::optional<double> height = b.height ? b.height : defaultHeight;
        if (!radius && !height) {
          answers.emplace_back().error = "no height in the data";
          continue;
        }
        site::SurroundingsQuery query;
        query.site = b.inside;
        query.radius = radius;
        query.buildingHeight = height.value_or(0);
        query.defaultHeight = defaultHeight;
        answers.push_back(site::FindSurroundings(*set_, query));
      }
    }
    py::list pad, sbh, used, buildings, withoutHeight, notes, error;
    for (const site::SurroundingsAnswer& a : answers) {
      const bool got = a.error.empty() && !a.values.rows.empty();
      const site::SectorValues row = got ? a.values.rows.front() : site::SectorValues{};
      pad.append(got ? py::object(py::float_(row.pad)) : py::object(py::none()));
      sbh.append(got && row.sbh ? py::object(py::float_(*row.sbh)) : py::object(py::none()));
      used.append(got ? py::object(py::float_(a.radius)) : py::object(py::none()));
      buildings.append(row.buildings);
      withoutHeight.append(row.withoutHeight);
      std::string said;
      for (const std::string& note : a.values.notes)
        said += (said.empty() ? "" : "; ") + note;
      notes.append(said);
      error.append(a.error);
    }
    py::dict columns;
    columns["PAD (%)"] = pad, columns["SbH (m)"] = sbh, columns["radius"] = used;
    columns["buildings counted"] = buildings, columns["buildings without a height"] = withoutHeight;
    columns["notes"] = notes, columns["error"] = error;
    return columns;
  }

  std::size_t Size() const { return set_->size(); }
  std::vector<std::string> Notes() const { return set_->notes(); }

 private:
  std::optional<site::FootprintSet> set_;
  mutable std::mutex mutex_;
};

}  // namespace

void BindSurroundings(py::module_& m) {
  m.def("_surroundings", &Surroundings, py::arg("path"), py::arg("site"), py::arg("radius"),
        py::arg("building_height"), py::arg("sectors"), py::arg("crs"), py::arg("storey_height"),
        py::arg("default_height"),
        "Rows (from, to, PAD, SbH, buildings, without a height), the radius used and the notes; "
        "see ventora.surroundings.");
  py::class_<LoadedFootprints>(m, "_FootprintSet")
      .def(py::init<const std::string&, const py::handle&, const py::handle&>(), py::arg("path"),
           py::arg("crs"), py::arg("storey_height"))
      .def("buildings", &LoadedFootprints::Buildings,
           "Each building's id, rectangle, height and inner point; see ventora.Footprints.")
      .def("surroundings", &LoadedFootprints::Surroundings, py::arg("site"), py::arg("radius"),
           py::arg("building_height"), py::arg("sectors"), py::arg("default_height"),
           "As _surroundings, from the loaded file.")
      .def("building_surroundings", &LoadedFootprints::BuildingSurroundings, py::arg("radius"),
           py::arg("default_height"),
           "Each building's all-round PAD and SbH; see ventora.Footprints.")
      .def("__len__", &LoadedFootprints::Size)
      .def_property_readonly("notes", &LoadedFootprints::Notes)
      .def(py::pickle([](const LoadedFootprints& set) { return set.State(); },
                      [](const py::tuple& state) { return LoadedFootprints::FromState(state); }));
}

}  // namespace ventora::python
