// ventora.sweep and ventora.export: the wind sweep of ventora-run --sweep,
// as arrays or as the files for airflow and energy models.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>

#include "bindings.h"
#include "collected_messages.h"
#include "commands/cp_spread.h"
#include "export_formats.h"
#include "memory_run.h"
#include "output/sweep/cp_status.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_csv_export.h"
#include "output/sweep/sweep_failures.h"
#include "output/sweep/wind_sweep.h"
#include "py_job.h"

namespace py = pybind11;

namespace ventora::python {
namespace {

// A job the pre-run checks refused, or whose every direction stopped, with
// what was said.
class RunRefused : public std::runtime_error {
 public:
  RunRefused(const Job& job, std::vector<Message> messages,
             const std::string& what = "the pre-run checks refused the job")
      : std::runtime_error(Joined(what, messages)), job_(job), messages_(std::move(messages)) {}
  const Job& job() const { return job_; }
  const std::vector<Message>& messages() const { return messages_; }

 private:
  static std::string Joined(std::string text, const std::vector<Message>& messages) {
    for (const Message& msg : messages)
      text += "\n" + msg.title + ": " + msg.text;
    return text;
  }
  Job job_;
  std::vector<Message> messages_;
};

// What Python sees of a sweep: plain values, so that it pickles whole.
struct PySweep {
  PyJob job;  // as swept: after the pre-run checks' changes, with its file
  std::vector<int> facade, number;
  std::vector<double> x, z, x_rel, z_rel, azimuth;
  std::vector<float> directions;
  std::vector<std::string> failures;  // per direction; empty when it completed
  std::vector<double> cp;             // elements x directions, row by row; NaN where stopped
  std::vector<Message> messages;
  std::vector<std::string> status;     // elements x directions, row by row: StatusWord
  std::vector<std::string> csvStatus;  // per element: the CSV's "Cp status" text
  // spread=True: elements x directions, row by row; empty otherwise.
  std::vector<double> cpLow, cpHigh;
};

PySweep Tabulated(const WindSweep& s, const PyJob& job) {
  PySweep out;
  out.job = job;
  for (std::size_t i = 0; i < s.elements.size(); ++i) {
    const ElementResult& e = s.elements[i];
    out.facade.push_back(e.iface);
    out.number.push_back(NumberOnFacade(s, i));
    out.x.push_back(e.X);
    out.z.push_back(e.Z);
    out.x_rel.push_back(e.XL);
    out.z_rel.push_back(e.ZH);
    out.azimuth.push_back(FacadeAzimuth(job.job, e.iface));
  }
  for (const SweepDirection& d : s.directions) {
    out.directions.push_back(d.AnWind);
    out.failures.push_back(d.completed ? std::string() : d.failure);
  }
  out.cp.reserve(s.elements.size() * s.directions.size());
  for (std::size_t i = 0; i < s.elements.size(); ++i)
    for (const SweepDirection& d : s.directions)
      out.cp.push_back(d.completed ? d.Cp[i] : std::numeric_limits<double>::quiet_NaN());
  for (std::size_t i = 0; i < s.elements.size(); ++i) {
    for (const SweepDirection& d : s.directions)
      out.status.emplace_back(
          StatusWord(d.completed ? d.status[i].plausibility : CpPlausibility::NotComputed));
    out.csvStatus.push_back(SweptStatusText(s, i));
  }
  return out;
}

// The job after the pre-run checks; throws RunRefused.
Job CheckedJob(const Job& job, CollectedMessages& messages) {
  Job checked = job;
  if (!PassesPreRunChecks(checked, messages, kPointDecimal))
    throw RunRefused(job, messages.messages());
  return checked;
}

// The spread of every element at every direction, its words in the status.
void AddSpread(const WindSweep& sweep, const Job& job, PySweep& out) {
  std::vector<float> directions;
  for (const SweepDirection& d : sweep.directions)
    directions.push_back(d.AnWind);
  const CpSpread spread = SpreadAround(job, directions);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (std::size_t i = 0; i < sweep.elements.size(); ++i) {
    for (const DirectionSpread& d : spread.directions) {
      const bool has = i < d.elements.size() && std::isfinite(d.elements[i].low);
      out.cpLow.push_back(has ? d.elements[i].low : nan);
      out.cpHigh.push_back(has ? d.elements[i].high : nan);
    }
    out.csvStatus[i] = WithSpread(out.csvStatus[i], SweptSpreadText(spread.directions, i));
  }
}

// Throws RunError when the checks refuse the job or no direction computes.
PySweep Sweep(const PyJob& job, double step, bool spread) {
  CollectedMessages messages;
  const Job checked = CheckedJob(job.job, messages);
  SweepSetup setup;
  setup.messages = &messages;
  const WindSweep sweep = RunWindSweep(checked, PythonSweepDirections(step), setup);
  if (!sweep.AnyCompleted())
    throw RunRefused(checked, messages.messages(),
                     "no wind direction could be computed (" + StoppedDirectionList(sweep) + ")");
  PySweep out = Tabulated(sweep, PyJob{checked, job.path});
  if (spread) AddSpread(sweep, checked, out);
  out.messages = messages.messages();
  return out;
}

// "plausible", "outside-confidence", "implausible" or "not-computed" per
// element and direction.
py::object StatusMatrix(const PySweep& s) {
  py::list rows;
  for (std::size_t i = 0; i < s.facade.size(); ++i) {
    py::list row;
    for (std::size_t d = 0; d < s.directions.size(); ++d)
      row.append(s.status[i * s.directions.size() + d]);
    rows.append(row);
  }
  return py::module_::import("numpy").attr("array")(rows, py::arg("dtype") = "U18");
}

py::array_t<double> Matrix(const PySweep& s, const std::vector<double>& values) {
  return py::array_t<double>(
      {static_cast<py::ssize_t>(s.facade.size()), static_cast<py::ssize_t>(s.directions.size())},
      values.data());
}

py::array_t<double> CpMatrix(const PySweep& s) {
  return Matrix(s, s.cp);
}

py::object SpreadMatrix(const PySweep& s, const std::vector<double>& values) {
  return values.empty() ? py::object(py::none()) : py::object(Matrix(s, values));
}

// The CSV export's table: its columns under the file's names.
py::object SweepFrame(const PySweep& s) {
  const bool spread = !s.cpLow.empty();
  const std::vector<std::string> names = SweepCsvColumns(s.directions, spread);
  py::dict columns;
  const py::object positions[] = {Column(s.facade), Column(s.number), Column(s.x),      Column(s.z),
                                  Column(s.x_rel),  Column(s.z_rel),  Column(s.azimuth)};
  std::size_t c = 0;
  for (const py::object& column : positions)
    columns[py::str(names[c++])] = column;
  const py::slice rows(0, static_cast<py::ssize_t>(s.facade.size()), 1);
  for (const std::vector<double>* values : {&s.cp, &s.cpLow, &s.cpHigh}) {
    if (values->empty()) break;
    const py::array_t<double> matrix = Matrix(s, *values);
    for (std::size_t d = 0; d < s.directions.size(); ++d, ++c)
      columns[py::str(names[c])] = matrix[py::make_tuple(rows, d)];
  }
  columns["Cp status"] = py::module_::import("numpy").attr("array")(s.csvStatus);
  py::object frame = py::module_::import("pandas").attr("DataFrame")(columns);
  py::dict attrs = frame.attr("attrs");
  attrs["job"] = s.job.Stem();
  attrs["parameters"] = JobParameters(s.job.job, true);
  return frame;
}

py::tuple PickledSweep(const PySweep& s) {
  return py::make_tuple(
      PickledJob(s.job), py::make_tuple(s.facade, s.number, s.x, s.z, s.x_rel, s.z_rel, s.azimuth),
      s.directions, s.failures, s.cp, s.messages, s.status, s.csvStatus, s.cpLow, s.cpHigh);
}

PySweep UnpickledSweep(const py::tuple& t) {
  PySweep s;
  s.job = UnpickledJob(t[0].cast<py::tuple>());
  const auto rows = t[1].cast<py::tuple>();
  s.facade = rows[0].cast<std::vector<int>>();
  s.number = rows[1].cast<std::vector<int>>();
  s.x = rows[2].cast<std::vector<double>>();
  s.z = rows[3].cast<std::vector<double>>();
  s.x_rel = rows[4].cast<std::vector<double>>();
  s.z_rel = rows[5].cast<std::vector<double>>();
  s.azimuth = rows[6].cast<std::vector<double>>();
  s.directions = t[2].cast<std::vector<float>>();
  s.failures = t[3].cast<std::vector<std::string>>();
  s.cp = t[4].cast<std::vector<double>>();
  s.messages = t[5].cast<std::vector<Message>>();
  s.status = t[6].cast<std::vector<std::string>>();
  s.csvStatus = t[7].cast<std::vector<std::string>>();
  if (t.size() > 9) {
    s.cpLow = t[8].cast<std::vector<double>>();
    s.cpHigh = t[9].cast<std::vector<double>>();
  }
  if ((!s.cpLow.empty() && (s.cpLow.size() != s.cp.size() || s.cpHigh.size() != s.cp.size())) ||
      s.cp.size() != s.facade.size() * s.directions.size() || s.status.size() != s.cp.size() ||
      s.csvStatus.size() != s.facade.size())
    throw py::value_error("not the state of a ventora.Sweep");
  return s;
}

std::string SweepRepr(const PySweep& s) {
  std::size_t stopped = 0;
  for (const std::string& f : s.failures)
    stopped += f.empty() ? 0 : 1;
  std::string text = "<ventora.Sweep " + s.job.Stem() + ": " + std::to_string(s.facade.size()) +
                     " elements x " + std::to_string(s.directions.size()) + " directions";
  if (!s.directions.empty())
    text += " (" + NumberString(s.directions.front()) + " to " + NumberString(s.directions.back()) +
            " deg)";
  return text + ", " + std::to_string(stopped) + " stopped>";
}

WarningCategory exportWarning{"ExportWarning",
                              "What ventora-run says of the file it writes: a value beyond the "
                              "model's confidence range, a direction that stopped, an implausible "
                              "Cp, wind directions too far apart for the model between them."};

struct ExportWritten {
  std::string path;
  std::vector<std::string> warnings;  // to issue once the GIL is held again
};

// The export itself, which needs no Python and runs without the GIL.
ExportWritten WriteExport(const PyJob& job, const std::string& formatName,
                          const std::optional<std::filesystem::path>& path,
                          std::optional<double> step, std::optional<double> boundaryLayer,
                          bool strict) {
  const ExportFormat& format = FindPythonExportFormat(formatName);
  const ExportInfo info = PythonExportInfo(boundaryLayer);
  std::filesystem::path target;
  if (path) {
    target = *path;
  } else if (job.JobName()) {
    target = ExportPath(format, *job.JobName(), "");
  } else {
    throw std::invalid_argument("export: give a path; the job has no file to write beside");
  }
  CollectedMessages messages;
  std::vector<std::string> warnings = WriteSweepExport(
      format, CheckedJob(job.job, messages), step.value_or(static_cast<double>(format.defaultStep)),
      job.JobName().value_or(job.Stem()), info, target, strict);
  return {target.string(), std::move(warnings)};
}

std::string Export(const PyJob& job, const std::string& formatName,
                   const std::optional<std::filesystem::path>& path, std::optional<double> step,
                   std::optional<double> boundaryLayer, bool strict) {
  const ExportWritten written =
      ReleasingGil(&WriteExport)(job, formatName, path, step, boundaryLayer, strict);
  // As ventora-run's "warning: " lines, once the file is written.
  for (const std::string& warning : written.warnings)
    exportWarning.Warn(warning);
  return written.path;
}

void RegisterRunError(py::module_& m) {
  static py::exception<RunRefused> error(m, "RunError", PyExc_RuntimeError);
  error.doc() = "A job the pre-run checks refused; `messages` holds what they said.";
  py::register_exception_translator([](std::exception_ptr p) {
    try {
      if (p) std::rethrow_exception(p);
    } catch (const RunRefused& e) {
      py::object instance = py::handle(error.ptr())(e.what());
      instance.attr("messages") = MessageList(e.messages(), e.job());
      PyErr_SetObject(error.ptr(), instance.ptr());
    }
  });
  auto& exportError = py::register_exception<ExportFailure>(m, "ExportError", PyExc_RuntimeError);
  exportError.doc() =
      "An export that could not be made: no wind direction computed, or the file not written "
      "(the old file is then unchanged).";
}

void BindSweepResult(py::module_& m) {
  py::class_<PySweep>(m, "Sweep",
                      "Cp of every element at every wind direction, with the job swept. "
                      "Pickles whole.")
      .def_property_readonly(
          "cp", [](const PySweep& s) { return CpMatrix(s); },
          "float64 array (elements x directions); a direction whose run stopped is NaN.")
      .def_property_readonly(
          "cp_low", [](const PySweep& s) { return SpreadMatrix(s, s.cpLow); },
          "After sweep(job, spread=True): the lowest Cp within 5 degrees of each direction (and "
          "on a flat roof of the same point entered from the next wall), as cp; else None.")
      .def_property_readonly(
          "cp_high", [](const PySweep& s) { return SpreadMatrix(s, s.cpHigh); },
          "After sweep(job, spread=True): the highest such Cp, as cp; else None.")
      .def_property_readonly(
          "status", [](const PySweep& s) { return StatusMatrix(s); },
          "str array (elements x directions), what each Cp is worth: \"plausible\", "
          "\"outside-confidence\", \"implausible\" (beyond the envelope of physically possible "
          "Cp) or \"not-computed\".")
      .def_property_readonly(
          "directions",
          [](const PySweep& s) {
            return Column(std::vector<double>(s.directions.begin(), s.directions.end()));
          },
          "The wind directions in degrees, one per column of `cp`.")
      .def_property_readonly(
          "facade", [](const PySweep& s) { return Column(s.facade); }, "Facade of each row (int).")
      .def_property_readonly(
          "number", [](const PySweep& s) { return Column(s.number); },
          "Element number of each row on its facade (int, from 1 on each facade), as the "
          "exports name it (F2_E1).")
      .def_property_readonly(
          "x", [](const PySweep& s) { return Column(s.x); },
          "x of each row in metres, as the report gives it.")
      .def_property_readonly(
          "z", [](const PySweep& s) { return Column(s.z); },
          "z of each row in metres (y on the roof), as the report gives it.")
      .def_property_readonly(
          "failures",
          [](const PySweep& s) {
            std::map<double, std::string> out;
            for (std::size_t d = 0; d < s.directions.size(); ++d)
              if (!s.failures[d].empty()) out[s.directions[d]] = s.failures[d];
            return out;
          },
          "{direction: why its run stopped}.")
      .def_property_readonly(
          "job", [](const PySweep& s) { return s.job; },
          "The job swept, after the pre-run checks' changes (surroundings' height, roof tilt).")
      .def_property_readonly(
          "messages", [](const PySweep& s) { return MessageList(s.messages, s.job.job); },
          "The checks' and the run's messages.")
      .def("to_pandas", &SweepFrame,
           "A pandas DataFrame, one row per element, with the columns of the CSV export "
           "(integer Facade and Element, X (m), ..., one \"Cp wind from D deg\" per direction), "
           "so that it equals pandas.read_csv(export, comment=\"#\"); its attrs hold the "
           "job's name (\"job\") and values (\"parameters\").")
      .def(py::pickle(&PickledSweep, &UnpickledSweep))
      .def("__repr__", &SweepRepr);
}

}  // namespace

void ThrowRunRefused(const Job& job, std::vector<Message> messages, const std::string& what) {
  throw RunRefused(job, std::move(messages), what);
}

void BindSweep(py::module_& m) {
  RegisterRunError(m);
  BindSweepResult(m);
  m.def("sweep", ReleasingGil(&Sweep), py::arg("job"), py::arg("step") = kDefaultSweepStep,
        py::kw_only(), py::arg("spread") = false,
        "Runs the job at the wind directions 0, step, 2 step ... below 360, each as a normal "
        "run with that wind direction; returns a Sweep. With spread=True it also holds each "
        "Cp's spread (cp_low, cp_high and their columns in to_pandas, as ventora-run --sweep "
        "--spread writes them). Raises RunError when the pre-run checks refuse the job or "
        "when no direction could be computed.");
  exportWarning.AddTo(m);
  m.def("export", &Export, py::arg("job"), py::kw_only(), py::arg("format") = "csv",
        py::arg("path") = py::none(), py::arg("step") = py::none(),
        py::arg("boundary_layer") = py::none(), py::arg("strict") = false,
        "Writes the file ventora-run --sweep --format=FORMAT writes: \"csv\", \"energyplus\", "
        "\"contam\" or \"modelica\" (in any case); by default beside the job file (Modelica: "
        "Ventora_<job>.mo in its folder). The step is in degrees as sweep's (CONTAM and "
        "Modelica: a whole number that suits their profiles); None means the format's default "
        "(30 for CONTAM, 10 otherwise). boundary_layer is the site profile's thickness in m for "
        "the reference wind the header gives (ventora-run's --boundary-layer); None takes "
        "EnergyPlus's terrain class nearest the job's exponent. With strict=True a sweep "
        "holding an implausible Cp raises ValueError and nothing is written; without it, the "
        "file is written and ventora.ExportWarning says what ventora-run says of it. Returns the "
        "path written. A refused format or step raises ValueError, a job the checks refuse "
        "RunError, an export that cannot be made ExportError.");
  m.attr("EXPORT_FORMATS") = ExportFormatNames();
}

}  // namespace ventora::python
