// The surroundings from building footprints for the package's
// `ventora.surroundings` (ventora/surroundings.py makes the DataFrame).

#include <pybind11/stl.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "bindings.h"
#include "site/site_query.h"

namespace ventora::python {
namespace {

namespace py = pybind11;

using Row = std::tuple<double, double, double, std::optional<double>, int, int>;

// (rows, radius used, notes); a file or site that cannot be used raises
// ValueError with the message ventora-run prints.
std::tuple<std::vector<Row>, double, std::vector<std::string>> Surroundings(
    const std::string& path, double x, double y, std::optional<double> radius,
    double buildingHeight, int sectors, const std::string& crs, double storeyHeight,
    std::optional<double> defaultHeight) {
  site::SurroundingsQuery query;
  query.file = path;
  query.site = {x, y};
  query.crs = crs;
  query.radius = radius;
  query.buildingHeight = buildingHeight;
  query.sectors = sectors;
  query.storeyHeight = storeyHeight;
  query.defaultHeight = defaultHeight;
  site::SurroundingsAnswer answer;
  {
    py::gil_scoped_release released;
    answer = site::FindSurroundings(query);
  }
  if (!answer.error.empty()) throw py::value_error(answer.error);
  std::vector<Row> rows;
  for (const site::SectorValues& r : answer.values.rows)
    rows.emplace_back(r.from, r.to, r.pad, r.sbh, r.buildings, r.withoutHeight);
  return {rows, answer.radius, answer.notes};
}

}  // namespace

void BindSurroundings(py::module_& m) {
  m.def("_surroundings", &Surroundings, py::arg("path"), py::arg("x"), py::arg("y"),
        py::arg("radius"), py::arg("building_height"), py::arg("sectors"), py::arg("crs"),
        py::arg("storey_height"), py::arg("default_height"),
        "Rows (from, to, PAD, SbH, buildings, without a height), the radius used and the notes; "
        "see ventora.surroundings.");
}

}  // namespace ventora::python
