// ventora.sweep_many: the wind sweep of many jobs (objects or job files) in
// one call, the GIL released while they run, as one long table: a row per
// element and wind direction. A district's task sweeps its partition of
// buildings this way instead of calling Python once per building.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "bindings.h"
#include "collected_messages.h"
#include "core/job_file.h"
#include "core/number_text.h"
#include "engine/cp_plausibility.h"
#include "export_formats.h"
#include "huge_pages.h"
#include "memory_run.h"
#include "output/sweep/wind_sweep.h"

namespace py = pybind11;

namespace ventora::python {
namespace {

// The jobs as handed in: Job objects, copied while the GIL is held, into one
// block (a Job is 22 kB; one allocation each would be fresh pages each call
// in a Dask worker), and the paths of job files, read as they are swept.
struct Sources {
  std::vector<Job> objects;
  std::vector<std::string> paths;
  struct Entry {
    bool isObject;
    std::size_t index;  // into objects or paths
  };
  std::vector<Entry> entries;  // in the order handed in
};
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
Job LoadSource(const Sources& sources, const Sources::Entry& entry, NumberText& numbers,
               bool separatorsEqual) {
  if (entry.isObject) return sources.objects[entry.index];
  const std::string& path = sources.paths[entry.index];
  if (separatorsEqual) throw JobFileError(path, kSeparatorsEqualMessage);
  return ReadJobFile(path, numbers);
}

std::size_t Rows(const WindSweep& sweep) {
  return sweep.elements.size() * sweep.directions.size();
}

template <typename T>
void ReserveColumn(std::vector<T>& column, std::size_t rows) {
  column.reserve(rows);
  AdviseHugePages(column.data(), column.capacity() * sizeof(T));
}

void Reserve(LongTable& t, std::size_t rows) {
  ReserveColumn(t.building, rows);
  ReserveColumn(t.facade, rows);
  ReserveColumn(t.element, rows);
  for (auto* column : {&t.x, &t.z, &t.direction, &t.cp})
    ReserveColumn(*column, rows);
  ReserveColumn(t.status, rows);
}

// Room for a building's `rows` and, as a guess, as many for each of the
// `buildingsLeft` after it: a district's buildings are alike, so the columns
// are reserved about once. Grown building by building, they would be copied
// as they grow, into fresh pages each time where the allocator gives memory
// back early (Dask's nanny sets MALLOC_TRIM_THRESHOLD_ to 64 kB in its
// workers); a guess too small grows them by half at least.
void MakeRoom(LongTable& t, std::size_t rows, std::size_t buildingsLeft) {
  const std::size_t size = t.cp.size(), capacity = t.cp.capacity();
  if (size + rows <= capacity) return;
  Reserve(t, std::max(size + rows * (1 + buildingsLeft), capacity + capacity / 2));
}

void AppendRows(const WindSweep& sweep, std::int32_t index, LongTable& t) {
  for (const SweepDirection& d : sweep.directions) {
    std::int16_t number = 0;  // on its facade: the elements come facade by facade
    for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
      const ElementResult& element = sweep.elements[e];
      number = e > 0 && sweep.elements[e - 1].iface == element.iface ? number + 1 : 1;
      t.building.push_back(index);
      t.facade.push_back(static_cast<std::int8_t>(element.iface));
      t.element.push_back(number);
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
std::string SweepOne(const Sources& sources, const Sources::Entry& entry, Reading& reading,
                     const std::vector<float>& directions, WindSweep& sweep) {
  try {
    Job job = LoadSource(sources, entry, reading.numbers, reading.separatorsEqual);
    CollectedMessages messages;
    if (!PassesPreRunChecks(job, messages, kPointDecimal)) {
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

Sources SourcesOf(const py::iterable& jobs) {
  const py::object pathLike = py::module_::import("os").attr("PathLike");
  if (PyUnicode_Check(jobs.ptr()) || PyBytes_Check(jobs.ptr()) || py::isinstance(jobs, pathLike))
    throw py::type_error(
        "jobs must be a list of ventora.Job objects or job file paths, not one path: " +
        py::repr(jobs).cast<std::string>());
  const auto items = py::reinterpret_steal<py::list>(PySequence_List(jobs.ptr()));
  if (!items) throw py::error_already_set();
  Sources sources;
  std::size_t objects = 0;
  for (const py::handle item : items)
    objects += py::isinstance<PyJob>(item) ? 1 : 0;
  sources.objects.reserve(objects);
  AdviseHugePages(sources.objects.data(), objects * sizeof(Job));
  const py::object fspath = py::module_::import("os").attr("fspath");
  for (const py::handle item : items) {
    if (py::isinstance<PyJob>(item)) {
      sources.entries.push_back({true, sources.objects.size()});
      sources.objects.push_back(item.cast<const PyJob&>().job);
    } else {
      sources.entries.push_back({false, sources.paths.size()});
      sources.paths.push_back(py::str(fspath(item)).cast<std::string>());
    }
  }
  return sources;
}

py::dict SweepMany(const py::iterable& jobs, double step) {
  const Sources sources = SourcesOf(jobs);
  const std::size_t count = sources.entries.size();
  const std::vector<float> directions = PythonSweepDirections(step);
  LongTable table;
  BuildingStatus status;
  {
    py::gil_scoped_release released;
    Reading reading;
    reading.separatorsEqual =
        reading.numbers.DetectNumberFormat() == NumberFormatCheck::SeparatorsEqual;
    // Each building's rows go into the columns as soon as it is swept: its
    // sweep's memory is then free for the next building's.
    status.error.reserve(count);
    status.elements.reserve(count);
    status.stopped.reserve(count);
    WindSweep sweep;
    for (std::size_t i = 0; i < count; ++i) {
      sweep = WindSweep{};
      status.error.push_back(SweepOne(sources, sources.entries[i], reading, directions, sweep));
      MakeRoom(table, Rows(sweep), count - 1 - i);
      std::int32_t stopped = 0;
      for (const SweepDirection& d : sweep.directions)
        stopped += d.completed ? 0 : 1;
      status.elements.push_back(static_cast<std::int32_t>(sweep.elements.size()));
      status.stopped.push_back(stopped);
      AppendRows(sweep, static_cast<std::int32_t>(i), table);
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
  buildings["directions"] =
      ToArray(std::vector<std::int32_t>(count, static_cast<std::int32_t>(directions.size())));
  out["buildings"] = buildings;
  return out;
}

}  // namespace

void BindSweepMany(py::module_& m) {
  m.def("sweep_many", &SweepMany, py::arg("jobs"), py::arg("step") = kDefaultSweepStep,
        "Sweeps every job of `jobs` (Job objects or job file paths) over the wind directions "
        "0, step, ... in one call, the GIL released. Returns a dict of NumPy columns, one row "
        "per element and direction: building (index in `jobs`), facade, element (its number "
        "on the facade), x, z, "
        "direction, cp (NaN where that direction stopped), status (an index into "
        "`status_words`: plausible, outside-confidence, implausible, not-computed); and "
        "`buildings`: per job its error "
        "('' when swept: a refused job or an unreadable file has no rows), elements, "
        "directions swept and stopped directions.");
}

}  // namespace ventora::python
