// ventora.sweep and ventora.export: the wind sweep of ventora-run --sweep,
// as arrays or as the files for airflow and energy models.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <limits>
#include <map>
#include <stdexcept>

#include "bindings.h"
#include "collected_messages.h"
#include "export_formats.h"
#include "memory_run.h"
#include "output/sweep/wind_sweep.h"
#include "py_job.h"

namespace py = pybind11;

namespace ventora::python {
namespace {

// A job the pre-run checks refused, with what they said.
class RunRefused : public std::runtime_error {
 public:
  explicit RunRefused(std::vector<Message> messages)
      : std::runtime_error(Joined(messages)), messages_(std::move(messages)) {}
  const std::vector<Message>& messages() const { return messages_; }

 private:
  static std::string Joined(const std::vector<Message>& messages) {
    std::string text = "the pre-run checks refused the job";
    for (const Message& msg : messages)
      text += "\n" + msg.title + ": " + msg.text;
    return text;
  }
  std::vector<Message> messages_;
};

struct PySweep {
  WindSweep sweep;
  std::vector<Message> messages;
};

// The job after the pre-run checks; throws RunRefused.
Job CheckedJob(const Job& job, CollectedMessages& messages) {
  Job checked = job;
  if (!PassesPreRunChecks(checked, messages)) throw RunRefused(messages.messages());
  return checked;
}

PySweep Sweep(const PyJob& job, float step) {
  CollectedMessages messages;
  const Job checked = CheckedJob(job.job, messages);
  SweepSetup setup;
  setup.messages = &messages;
  PySweep out;
  out.sweep = RunWindSweep(checked, SweepDirections(step), setup);
  out.messages = messages.messages();
  return out;
}

py::array_t<double> CpMatrix(const WindSweep& s) {
  const auto rows = static_cast<py::ssize_t>(s.elements.size());
  const auto cols = static_cast<py::ssize_t>(s.directions.size());
  py::array_t<double> out({rows, cols});
  auto a = out.mutable_unchecked<2>();
  for (py::ssize_t j = 0; j < cols; ++j) {
    const SweepDirection& d = s.directions[static_cast<std::size_t>(j)];
    for (py::ssize_t i = 0; i < rows; ++i)
      a(i, j) = d.completed ? d.Cp[static_cast<std::size_t>(i)]
                            : std::numeric_limits<double>::quiet_NaN();
  }
  return out;
}

// "plausible", "outside-confidence", "implausible" or "not-computed" per
// element and direction.
py::object StatusMatrix(const WindSweep& s) {
  py::list rows;
  for (std::size_t i = 0; i < s.elements.size(); ++i) {
    py::list row;
    for (const SweepDirection& d : s.directions)
      row.append(StatusWord(d.completed ? d.status[i].plausibility : CpPlausibility::NotComputed));
    rows.append(row);
  }
  return py::module_::import("numpy").attr("array")(rows, py::arg("dtype") = "U18");
}

template <typename F>
py::array_t<double> ElementColumn(const WindSweep& s, F value) {
  py::array_t<double> out(static_cast<py::ssize_t>(s.elements.size()));
  auto a = out.mutable_unchecked<1>();
  for (std::size_t i = 0; i < s.elements.size(); ++i)
    a(static_cast<py::ssize_t>(i)) = value(s.elements[i]);
  return out;
}

std::string Export(const PyJob& job, const std::string& formatName,
                   const std::optional<std::filesystem::path>& path, std::optional<int> step,
                   bool strict) {
  const ExportFormat& format = FindPythonExportFormat(formatName);
  std::filesystem::path target;
  if (path) {
    target = *path;
  } else if (job.JobName()) {
    target = *job.JobName() + format.suffix;
  } else {
    throw std::invalid_argument("export: give a path; the job has no file to write beside");
  }
  CollectedMessages messages;
  WriteSweepExport(format, CheckedJob(job.job, messages), step.value_or(format.defaultStep),
                   job.Stem(), target, strict);
  return target.string();
}

void RegisterRunError(py::module_& m) {
  static py::exception<RunRefused> error(m, "RunError", PyExc_RuntimeError);
  error.doc() = "A job the pre-run checks refused; `messages` holds what they said.";
  py::register_exception_translator([](std::exception_ptr p) {
    try {
      if (p) std::rethrow_exception(p);
    } catch (const RunRefused& e) {
      py::object instance = py::handle(error.ptr())(e.what());
      instance.attr("messages") = py::cast(e.messages());
      PyErr_SetObject(error.ptr(), instance.ptr());
    }
  });
}

void BindSweepResult(py::module_& m) {
  py::class_<PySweep>(m, "Sweep", "Cp of every element at every wind direction.")
      .def_property_readonly(
          "cp", [](const PySweep& s) { return CpMatrix(s.sweep); },
          "float64 array (elements x directions); a direction whose run stopped is NaN.")
      .def_property_readonly(
          "status", [](const PySweep& s) { return StatusMatrix(s.sweep); },
          "str array (elements x directions), what each Cp is worth: \"plausible\", "
          "\"outside-confidence\", \"implausible\" (beyond the envelope of physically possible "
          "Cp) or \"not-computed\".")
      .def_property_readonly(
          "directions",
          [](const PySweep& s) {
            std::vector<double> d;
            for (const SweepDirection& dir : s.sweep.directions)
              d.push_back(dir.AnWind);
            return py::array_t<double>(static_cast<py::ssize_t>(d.size()), d.data());
          },
          "The wind directions in degrees, one per column of `cp`.")
      .def_property_readonly(
          "facade",
          [](const PySweep& s) { return ElementColumn(s.sweep, [](auto& e) { return e.iface; }); },
          "Facade of each row.")
      .def_property_readonly(
          "number",
          [](const PySweep& s) { return ElementColumn(s.sweep, [](auto& e) { return e.k; }); },
          "Running element number of each row, as the report numbers it.")
      .def_property_readonly(
          "x", [](const PySweep& s) { return ElementColumn(s.sweep, [](auto& e) { return e.X; }); },
          "x of each row in metres, as the report gives it.")
      .def_property_readonly(
          "z", [](const PySweep& s) { return ElementColumn(s.sweep, [](auto& e) { return e.Z; }); },
          "z of each row in metres (y on the roof), as the report gives it.")
      .def_property_readonly(
          "failures",
          [](const PySweep& s) {
            std::map<double, std::string> out;
            for (const SweepDirection& d : s.sweep.directions)
              if (!d.completed) out[d.AnWind] = d.failure;
            return out;
          },
          "{direction: why its run stopped}.")
      .def_readonly("messages", &PySweep::messages, "The checks' and the run's messages.");
}

}  // namespace

void BindSweep(py::module_& m) {
  RegisterRunError(m);
  BindSweepResult(m);
  m.def("sweep", ReleasingGil(&Sweep), py::arg("job"), py::arg("step") = kDefaultSweepStep,

        "Runs the job at the wind directions 0, step, 2 step ... below 360, each as a normal "
        "run with that wind direction; returns a Sweep. Raises RunError when the pre-run "
        "checks refuse the job.");
  m.def("export", ReleasingGil(&Export), py::arg("job"), py::kw_only(), py::arg("format") = "csv",
        py::arg("path") = py::none(), py::arg("step") = py::none(), py::arg("strict") = false,

        "Writes the file ventora-run --sweep --format=FORMAT writes: \"csv\", \"energyplus\", "
        "\"contam\" or \"modelica\"; by default beside the job file. The step is a whole "
        "number of degrees; None means the format's default (30 for CONTAM, 10 otherwise). "
        "With strict=True a sweep holding an implausible Cp raises ValueError and nothing is "
        "written. Returns the path written.");
  m.attr("EXPORT_FORMATS") = ExportFormatNames();
}

}  // namespace ventora::python
