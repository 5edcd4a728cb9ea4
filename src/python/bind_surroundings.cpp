// The surroundings from building footprints for the package's
// `ventora.surroundings`, and a file's buildings loaded once for
// `ventora.Footprints` (ventora/surroundings.py makes the DataFrames).

#include <pybind11/stl.h>

#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "bindings.h"
#include "site/building_boxes.h"
#include "site/site_query.h"

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

site::SurroundingsQuery Query(double x, double y, std::optional<double> radius,
                              double buildingHeight, int sectors,
                              std::optional<double> defaultHeight) {
  site::SurroundingsQuery query;
  query.site = {x, y};
  query.radius = radius;
  query.buildingHeight = buildingHeight;
  query.sectors = sectors;
  query.defaultHeight = defaultHeight;
  return query;
}

// (rows, radius used, notes); a file or site that cannot be used raises
// ValueError with the message ventora-run prints.
Answer Surroundings(const std::string& path, double x, double y, std::optional<double> radius,
                    double buildingHeight, int sectors, const std::string& crs, double storeyHeight,
                    std::optional<double> defaultHeight) {
  site::SurroundingsQuery query = Query(x, y, radius, buildingHeight, sectors, defaultHeight);
  query.file = path;
  query.crs = crs;
  query.storeyHeight = storeyHeight;
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
  LoadedFootprints(const std::string& path, const std::string& crs, double storeyHeight) {
    if (!(storeyHeight > 0)) throw py::value_error("the storey height must be above 0 m");
    std::string error;
    {
      py::gil_scoped_release released;
      try {
        set_.emplace(
            site::LoadFootprints(path, site::ReadRules{.storeyHeight = storeyHeight}, crs));
      } catch (const std::exception& e) {
        error = e.what();
      }
    }
    if (!error.empty()) throw py::value_error(error);
  }

  // Columns: id, x, y, length, width, azimuth, height (None for none),
  // inside_x, inside_y, area.
  py::dict Buildings() {
    std::vector<site::BuildingBox> boxes;
    {
      py::gil_scoped_release released;
      const std::lock_guard lock(mutex_);
      boxes = site::BuildingBoxes(*set_);
    }
    py::list id, x, y, length, width, azimuth, height, insideX, insideY, area;
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
    }
    py::dict columns;
    columns["id"] = id, columns["x"] = x, columns["y"] = y, columns["length"] = length;
    columns["width"] = width, columns["azimuth"] = azimuth, columns["height"] = height;
    columns["inside_x"] = insideX, columns["inside_y"] = insideY, columns["area"] = area;
    return columns;
  }

  Answer Surroundings(double x, double y, std::optional<double> radius, double buildingHeight,
                      int sectors, std::optional<double> defaultHeight) {
    site::SurroundingsAnswer answer;
    {
      py::gil_scoped_release released;
      const std::lock_guard lock(mutex_);
      answer = site::FindSurroundings(*set_,
                                      Query(x, y, radius, buildingHeight, sectors, defaultHeight));
    }
    return Rows(answer);
  }

  // Each building's all-round values, seen from its inner point, in one
  // call: columns PAD, SbH (None for none), radius, buildings, without a
  // height, the notes on the site (data ending inside its circle...) and
  // the error ('' when there are values).
  py::dict BuildingSurroundings(std::optional<double> radius, std::optional<double> defaultHeight) {
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
        answers.push_back(site::FindSurroundings(
            *set_, Query(b.inside.x, b.inside.y, radius, height.value_or(0), 1, defaultHeight)));
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
  std::mutex mutex_;
};

}  // namespace

void BindSurroundings(py::module_& m) {
  m.def("_surroundings", &Surroundings, py::arg("path"), py::arg("x"), py::arg("y"),
        py::arg("radius"), py::arg("building_height"), py::arg("sectors"), py::arg("crs"),
        py::arg("storey_height"), py::arg("default_height"),
        "Rows (from, to, PAD, SbH, buildings, without a height), the radius used and the notes; "
        "see ventora.surroundings.");
  py::class_<LoadedFootprints>(m, "_FootprintSet")
      .def(py::init<const std::string&, const std::string&, double>(), py::arg("path"),
           py::arg("crs"), py::arg("storey_height"))
      .def("buildings", &LoadedFootprints::Buildings,
           "Each building's id, rectangle, height and inner point; see ventora.Footprints.")
      .def("surroundings", &LoadedFootprints::Surroundings, py::arg("x"), py::arg("y"),
           py::arg("radius"), py::arg("building_height"), py::arg("sectors"),
           py::arg("default_height"), "As _surroundings, from the loaded file.")
      .def("building_surroundings", &LoadedFootprints::BuildingSurroundings, py::arg("radius"),
           py::arg("default_height"),
           "Each building's all-round PAD and SbH; see ventora.Footprints.")
      .def("__len__", &LoadedFootprints::Size)
      .def_property_readonly("notes", &LoadedFootprints::Notes);
}

}  // namespace ventora::python
