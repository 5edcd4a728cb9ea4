// ventora.run and ventora.check: the run as ventora-run does it, in memory,
// with every box it would show collected as a Message.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <map>

#include "bindings.h"
#include "collected_messages.h"
#include "memory_run.h"
#include "py_job.h"

namespace py = pybind11;

namespace ventora::python {
namespace {

struct PyResult {
  MemoryRun run;
  ElementTable table;
};

template <typename T>
py::array_t<T> ToArray(const std::vector<T>& values) {
  return py::array_t<T>(static_cast<py::ssize_t>(values.size()), values.data());
}

// Cp per facade 1..6, one value per element of the job.
py::dict FacadeCps(const ElementTable& t) {
  std::map<int, std::vector<double>> cps;
  for (int iface = 1; iface <= kFacadeCount; ++iface)
    cps[iface];
  for (std::size_t i = 0; i < t.cp.size(); ++i)
    cps[t.facade[i]].push_back(t.cp[i]);
  py::dict out;
  for (const auto& [iface, values] : cps)
    out[py::int_(iface)] = ToArray(values);
  return out;
}

py::dict Table(const ElementTable& t) {
  py::dict d;
  d["facade"] = ToArray(t.facade);
  d["number"] = ToArray(t.number);
  d["x"] = ToArray(t.x);
  d["z"] = ToArray(t.z);
  d["x_rel"] = ToArray(t.x_rel);
  d["z_rel"] = ToArray(t.z_rel);
  d["cp"] = ToArray(t.cp);
  d["status"] = py::module_::import("numpy").attr("array")(t.status);
  d["status_detail"] = py::module_::import("numpy").attr("array")(t.status_detail);
  return d;
}

const char* IconName(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical:
      return "critical";
    case MsgIcon::Question:
      return "question";
    case MsgIcon::Exclamation:
      return "exclamation";
    case MsgIcon::Information:
      return "information";
    case MsgIcon::None:
      break;
  }
  return "none";
}

void BindMessage(py::module_& m) {
  py::class_<Message>(m, "Message", "What the program would have shown in a box.")
      .def_readonly("title", &Message::title, "\"Error\", \"Warning\" or the program's name.")
      .def_readonly("text", &Message::text)
      .def_property_readonly(
          "icon", [](const Message& msg) { return IconName(msg.icon); },
          "\"none\", \"critical\", \"question\", \"exclamation\" or \"information\".")
      .def("__str__", [](const Message& msg) { return msg.title + ": " + msg.text; })
      .def("__repr__", [](const Message& msg) {
        return "<ventora.Message " + msg.title + ": " + msg.text + ">";
      });
}

void BindVerdict(py::module_& m) {
  py::enum_<RunOutcome>(m, "Verdict", "How a run ended (ventora-run's exit status in brackets).")
      .value("COMPLETED", RunOutcome::Completed, "Every element computed (0).")
      .value("VALUES_MISSING", RunOutcome::ValuesMissing, "Some Cp values not calculated (3).")
      .value("REFUSED", RunOutcome::Refused, "The pre-run checks refused the job (2).")
      .value("STOPPED", RunOutcome::Stopped, "The model's limits stopped the run (2).")
      .value("SYSTEM_ERROR", RunOutcome::SystemError, "The run could not be carried out (1).");
}

void BindResult(py::module_& m) {
  py::class_<PyResult>(m, "Result", "What a run computed.")
      .def_property_readonly(
          "verdict", [](const PyResult& r) { return r.run.outcome; }, "How the run ended.")
      .def_property_readonly(
          "cp", [](const PyResult& r) { return FacadeCps(r.table); },
          "{facade: float64 array}: Cp of every element of facades 1 to 6, NaN where the run "
          "gave no value.")
      .def_property_readonly(
          "averages",
          [](const PyResult& r) {
            std::map<int, double> out;
            for (const FacadeAverage& a : r.run.run.averages)
              out[a.iface] = a.average;
            return out;
          },
          "{facade: average Cp} for each facade the report gives an average for.")
      .def_property_readonly(
          "messages", [](const PyResult& r) { return r.run.messages; },
          "The messages of the checks and the run, in order (list of Message).")
      .def_property_readonly(
          "job",
          [](const PyResult& r) {
            return PyJob{r.run.job, std::nullopt};
          },
          "The job as it ran: the pre-run checks may set the surroundings' height and the "
          "roof tilt.")
      .def(
          "table", [](const PyResult& r) { return Table(r.table); },
          "Every element as columns of arrays: facade, number, x, z, x_rel, z_rel, cp, status "
          "(\"plausible\", \"outside-confidence\", \"implausible\" or \"not-computed\") and "
          "status_detail (which confidence range, or which bound of the plausible envelope).")
      .def(
          "to_pandas",
          [](const PyResult& r) {
            return py::module_::import("pandas").attr("DataFrame")(Table(r.table));
          },
          "A pandas DataFrame, one row per element (needs pandas).")
      .def("__repr__", [](const PyResult& r) {
        return "<ventora.Result " + py::str(py::cast(r.run.outcome)).cast<std::string>() + ", " +
               std::to_string(r.table.cp.size()) + " elements>";
      });
}

PyResult Run(const PyJob& job) {
  PyResult r;
  r.run = RunInMemory(job.job, job.JobName().value_or(job.Stem()));
  r.table = TabulateElements(r.run);
  return r;
}

std::vector<Message> Check(const PyJob& job) {
  CollectedMessages messages;
  Job copy = job.job;
  PassesPreRunChecks(copy, messages);
  return messages.messages();
}

}  // namespace

void BindRun(py::module_& m) {
  BindMessage(m);
  BindVerdict(m);
  BindResult(m);
  m.def("run", ReleasingGil(&Run), py::arg("job"),
        "Runs the job as ventora-run does (pre-run checks, run, verdict) without writing a "
        "report; returns a Result.");
  m.def("check", ReleasingGil(&Check), py::arg("job"),
        "The pre-run checks' messages for the job, as a list of Message (empty: nothing to "
        "say). The job itself is not changed.");
}

}  // namespace ventora::python
