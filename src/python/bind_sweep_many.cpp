// ventora.sweep_many: the wind sweep of many jobs (objects or job files) in
// one call, the GIL released while they run, as one long table: a row per
// element and wind direction. A district's task sweeps its partition of
// buildings this way instead of calling Python once per building.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "bindings.h"
#include "collected_messages.h"
#include "core/job_file.h"
#include "core/number_text.h"
#include "engine/cp_plausibility.h"
#include "huge_pages.h"
#include "memory_run.h"
#include "output/sweep/wind_sweep.h"

namespace py = pybind11;

namespace ventora::python {
namespace {

// A job as handed in: the object itself, or the path of its file.
using JobSource = std::variant<Job, std::string>;

struct LongTable {
  std::vector<std::int32_t> building;
  std::vector<std::int8_t> facade;
  std::vector<std::int16_t> element;
  std::vector<float> x, z, direction, cp;
  std::vector<std::uint8_t> status;  // CpPlausibility, named by StatusWord
};

// One row per building: why it has no rows ("" when it was swept) and how
// many of its directions stopped.
struct BuildingStatus {
  std::vector<std::string> error;
  std::vector<std::int32_t> elements, stopped;
};

// `numbers` is probed once per call: the user's number format does not
// change between files.
Job LoadSource(const JobSource& source, NumberText& numbers, bool separatorsEqual) {
  if (const Job* job = std::get_if<Job>(&source)) return *job;
  if (separatorsEqual) throw JobFileError(std::get<std::string>(source), kSeparatorsEqualMessage);
  return ReadJobFile(std::get<std::string>(source), numbers);
}

std::size_t Rows(const WindSweep& sweep) {
  return sweep.elements.size() * sweep.directions.size();
}

template <typename T>
void ReserveColumn(std::vector<T>& column, std::size_t rows) {
  column.reserve(rows);
  AdviseHugePages(column.data(), column.capacity() * sizeof(T));
}

// Reserved once for all buildings: grown building by building, the columns
// would be copied as they grow, into fresh pages each time where the
// allocator gives memory back early (Dask's nanny sets
// MALLOC_TRIM_THRESHOLD_ to 64 kB in its workers).
void Reserve(LongTable& t, std::size_t rows) {
  ReserveColumn(t.building, rows);
  ReserveColumn(t.facade, rows);
  ReserveColumn(t.element, rows);
  for (auto* column : {&t.x, &t.z, &t.direction, &t.cp})
    ReserveColumn(*column, rows);
  ReserveColumn(t.status, rows);
}

void AppendRows(const WindSweep& sweep, std::int32_t index, LongTable& t) {
  for (const SweepDirection& d : sweep.directions) {
    for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
      const ElementResult& element = sweep.elements[e];
      t.building.push_back(index);
      t.facade.push_back(static_cast<std::int8_t>(element.iface));
      t.element.push_back(element.k);
      t.x.push_back(element.X);
      t.z.push_back(element.Z);
      t.direction.push_back(d.AnWind);
      t.cp.push_back(d.completed ? d.Cp[e] : std::numeric_limits<float>::quiet_NaN());
      t.status.push_back(static_cast<std::uint8_t>(d.completed ? d.status[e].plausibility
                                                               : CpPlausibility::NotComputed));
    }
  }
}

struct Reading {
  NumberText numbers;
  bool separatorsEqual = false;
};

// Sweeps one building; returns why it could not ("" when it was swept).
std::string SweepOne(const JobSource& source, Reading& reading,
                     const std::vector<float>& directions, WindSweep& sweep) {
  try {
    Job job = LoadSource(source, reading.numbers, reading.separatorsEqual);
    CollectedMessages messages;
    if (!PassesPreRunChecks(job, messages)) {
      std::string text = "the pre-run checks refused the job";
      for (const Message& m : messages.messages())
        text += ": " + m.text;
      return text;
    }
    sweep = RunWindSweep(job, directions, SweepSetup{});
    return "";
  } catch (const std::exception& e) {
    return e.what();
  }
}

template <typename T>
py::array_t<T> ToArray(std::vector<T>&& values) {
  auto* kept = new std::vector<T>(std::move(values));
  py::capsule owner(kept, [](void* p) { delete static_cast<std::vector<T>*>(p); });
  return py::array_t<T>(static_cast<py::ssize_t>(kept->size()), kept->data(), owner);
}

JobSource SourceOf(const py::handle& item) {
  if (py::isinstance<PyJob>(item)) return item.cast<const PyJob&>().job;
  return py::str(py::module_::import("os").attr("fspath")(item)).cast<std::string>();
}

py::dict SweepMany(const py::iterable& jobs, float step) {
  std::vector<JobSource> sources;
  for (const py::handle item : jobs)
    sources.push_back(SourceOf(item));
  const std::vector<float> directions = SweepDirections(step);
  LongTable table;
  BuildingStatus status;
  {
    py::gil_scoped_release released;
    Reading reading;
    reading.separatorsEqual =
        reading.numbers.DetectNumberFormat() == NumberFormatCheck::SeparatorsEqual;
    std::vector<WindSweep> sweeps(sources.size());
    std::size_t rows = 0;
    for (std::size_t i = 0; i < sources.size(); ++i) {
      status.error.push_back(SweepOne(sources[i], reading, directions, sweeps[i]));
      rows += Rows(sweeps[i]);
    }
    Reserve(table, rows);
    for (std::size_t i = 0; i < sources.size(); ++i) {
      std::int32_t stopped = 0;
      for (const SweepDirection& d : sweeps[i].directions)
        stopped += d.completed ? 0 : 1;
      status.elements.push_back(static_cast<std::int32_t>(sweeps[i].elements.size()));
      status.stopped.push_back(stopped);
      AppendRows(sweeps[i], static_cast<std::int32_t>(i), table);
      sweeps[i] = WindSweep{};
    }
  }
  py::dict out;
  out["building"] = ToArray(std::move(table.building));
  out["facade"] = ToArray(std::move(table.facade));
  out["element"] = ToArray(std::move(table.element));
  out["x"] = ToArray(std::move(table.x));
  out["z"] = ToArray(std::move(table.z));
  out["direction"] = ToArray(std::move(table.direction));
  out["cp"] = ToArray(std::move(table.cp));
  out["status"] = ToArray(std::move(table.status));
  py::list words;
  for (auto p : {CpPlausibility::Plausible, CpPlausibility::OutsideConfidence,
                 CpPlausibility::Implausible, CpPlausibility::NotComputed})
    words.append(StatusWord(p));
  out["status_words"] = words;  // status is an index into these
  py::dict buildings;
  buildings["error"] = py::cast(status.error);
  buildings["elements"] = ToArray(std::move(status.elements));
  buildings["stopped"] = ToArray(std::move(status.stopped));
  // A swept building has elements x directions rows.
  buildings["directions"] = ToArray(
      std::vector<std::int32_t>(sources.size(), static_cast<std::int32_t>(directions.size())));
  out["buildings"] = buildings;
  return out;
}

}  // namespace

void BindSweepMany(py::module_& m) {
  m.def("sweep_many", &SweepMany, py::arg("jobs"), py::arg("step") = kDefaultSweepStep,
        "Sweeps every job of `jobs` (Job objects or job file paths) over the wind directions "
        "0, step, ... in one call, the GIL released. Returns a dict of NumPy columns, one row "
        "per element and direction: building (index in `jobs`), facade, element, x, z, "
        "direction, cp (NaN where that direction stopped), status (an index into "
        "`status_words`: plausible, outside-confidence, implausible, not-computed); and "
        "`buildings`: per job its error "
        "('' when swept: a refused job or an unreadable file has no rows), elements, "
        "directions swept and stopped directions.");
}

}  // namespace ventora::python
