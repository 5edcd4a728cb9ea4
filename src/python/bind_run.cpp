// ventora.run and ventora.check: the run as ventora-run does it, in memory,
// with every box it would show collected as a Message.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <map>

#include "core/parameter_limits.h"

#include "bindings.h"
#include "collected_messages.h"
#include "memory_run.h"
#include "output/sweep/export_text.h"
#include "py_job.h"

namespace py = pybind11;

namespace ventora::python {
namespace {

// What Python sees of a run: plain values, so that it pickles whole.
struct PyResult {
  RunOutcome outcome = RunOutcome::SystemError;
  PyJob job;         // as it ran: the pre-run checks may set SbH and Phi
  std::string name;  // the job's name, as the exports name it
  ElementTable table;
  std::map<int, double> averages;
  std::vector<Message> messages;
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
  if (!t.cp_low.empty()) {
    d["cp_low"] = ToArray(t.cp_low);
    d["cp_high"] = ToArray(t.cp_high);
  }
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

constexpr const char* kElementOutOfFacade = "Element out of facade!";

py::tuple PickledMessage(const py::object& self) {
  const auto& msg = self.cast<const Message&>();
  return py::make_tuple(msg.title, msg.text, static_cast<int>(msg.icon),
                        static_cast<int>(msg.buttons), self.attr("__dict__"));
}

std::pair<Message, py::dict> UnpickledMessage(const py::tuple& t) {
  return {
      Message{t[0].cast<std::string>(), t[1].cast<std::string>(),
              static_cast<MsgIcon>(t[2].cast<int>()), static_cast<MsgButtons>(t[3].cast<int>())},
      t[4].cast<py::dict>()};
}

py::object ElementOf(const py::object& self) {
  const py::dict d = self.attr("__dict__");
  return d.contains("_element") ? py::object(d["_element"]) : py::object(py::none());
}

std::string MessageRepr(const py::object& self) {
  const auto& msg = self.cast<const Message&>();
  std::string text = "<ventora.Message " + msg.title + ": " + msg.text;
  if (const py::object e = ElementOf(self); !e.is_none())
    text += " (facade " + py::str(e[py::int_(0)]).cast<std::string>() + ", element " +
            py::str(e[py::int_(1)]).cast<std::string>() + ")";
  return text + ">";
}

}  // namespace

py::list MessageList(const std::vector<Message>& messages, const Job& job) {
  std::vector<py::tuple> outside;  // as the check before a run walks the elements
  for (int iface = 1; iface <= kFacadeCount; ++iface) {
    const FacadeExtents ext = FacadeExtent(job, iface);
    for (int i = 1; i <= std::clamp<int>(job.ElmCount[iface], 0, kMaxElements); ++i)
      if (limits::OutsideFacade(job.ElmX[iface][i] / ext.L, job.ElmZ[iface][i] / ext.H))
        outside.push_back(py::make_tuple(iface, i, job.ElmX[iface][i], job.ElmZ[iface][i]));
  }
  py::list out;
  std::size_t next = 0;
  for (const Message& msg : messages) {
    py::object obj = py::cast(msg);
    if (msg.text == kElementOutOfFacade && next < outside.size())
      obj.attr("__dict__")["_element"] = outside[next++];
    out.append(obj);
  }
  return out;
}

namespace {

void BindMessage(py::module_& m) {
  py::class_<Message>(m, "Message", "What the program would have shown in a box.",
                      py::dynamic_attr())
      .def_readonly("title", &Message::title, "\"Error\", \"Warning\" or the program's name.")
      .def_readonly("text", &Message::text,
                    "The box's text, letter for letter as the program shows it.")
      .def_property_readonly("element", &ElementOf,
                             "For \"Element out of facade!\": the element as (facade, number on "
                             "the facade, x, z in metres); else None.")
      .def(py::pickle(&PickledMessage, &UnpickledMessage))
      .def(
          "__eq__",
          [](const Message& a, const py::object& b) -> py::object {
            if (!py::isinstance<Message>(b))
              return py::reinterpret_borrow<py::object>(Py_NotImplemented);
            const auto& o = b.cast<const Message&>();
            return py::bool_(a.title == o.title && a.text == o.text && a.icon == o.icon);
          },
          "Same title, text and icon.")
      .def_property_readonly(
          "icon", [](const Message& msg) { return IconName(msg.icon); },
          "\"none\", \"critical\", \"question\", \"exclamation\" or \"information\".")
      .def("__str__", [](const Message& msg) { return msg.title + ": " + msg.text; })
      .def("__repr__", &MessageRepr);
}

void BindVerdict(py::module_& m) {
  py::enum_<RunOutcome>(m, "Verdict", "How a run ended (ventora-run's exit status in brackets).")
      .value("COMPLETED", RunOutcome::Completed, "Every element computed (0).")
      .value("VALUES_MISSING", RunOutcome::ValuesMissing, "Some Cp values not calculated (3).")
      .value("REFUSED", RunOutcome::Refused, "The pre-run checks refused the job (2).")
      .value("STOPPED", RunOutcome::Stopped, "The model's limits stopped the run (2).")
      .value("SYSTEM_ERROR", RunOutcome::SystemError, "The run could not be carried out (1).");
}

py::tuple PickledResult(const PyResult& r) {
  const ElementTable& t = r.table;
  return py::make_tuple(static_cast<int>(r.outcome), PickledJob(r.job), r.name,
                        py::make_tuple(t.facade, t.number, t.x, t.z, t.x_rel, t.z_rel, t.cp,
                                       t.status, t.status_detail, t.cp_low, t.cp_high),
                        r.averages, r.messages);
}

PyResult UnpickledResult(const py::tuple& s) {
  PyResult r;
  r.outcome = static_cast<RunOutcome>(s[0].cast<int>());
  r.job = UnpickledJob(s[1].cast<py::tuple>());
  r.name = s[2].cast<std::string>();
  const auto t = s[3].cast<py::tuple>();
  r.table.facade = t[0].cast<std::vector<int>>();
  r.table.number = t[1].cast<std::vector<int>>();
  r.table.x = t[2].cast<std::vector<double>>();
  r.table.z = t[3].cast<std::vector<double>>();
  r.table.x_rel = t[4].cast<std::vector<double>>();
  r.table.z_rel = t[5].cast<std::vector<double>>();
  r.table.cp = t[6].cast<std::vector<double>>();
  r.table.status = t[7].cast<std::vector<std::string>>();
  r.table.status_detail = t[8].cast<std::vector<std::string>>();
  if (t.size() > 10) {
    r.table.cp_low = t[9].cast<std::vector<double>>();
    r.table.cp_high = t[10].cast<std::vector<double>>();
  }
  r.averages = s[4].cast<std::map<int, double>>();
  r.messages = s[5].cast<std::vector<Message>>();
  return r;
}

py::object ResultFrame(const PyResult& r) {
  py::object frame = py::module_::import("pandas").attr("DataFrame")(Table(r.table));
  py::dict attrs = frame.attr("attrs");
  attrs["job"] = r.name;
  attrs["parameters"] = JobParameters(r.job.job, true);
  attrs["verdict"] = py::str(py::cast(r.outcome)).attr("split")(".")[py::int_(-1)];
  return frame;
}

void BindResult(py::module_& m) {
  py::class_<PyResult>(m, "Result",
                       "What a run computed: the verdict, every element's Cp, the facade "
                       "averages, the messages and the job as it ran. Pickles whole.")
      .def_property_readonly(
          "verdict", [](const PyResult& r) { return r.outcome; }, "How the run ended.")
      .def_property_readonly(
          "cp", [](const PyResult& r) { return FacadeCps(r.table); },
          "{facade: float64 array}: Cp of every element of facades 1 to 6, NaN where the run "
          "gave no value.")
      .def_property_readonly(
          "averages", [](const PyResult& r) { return r.averages; },
          "{facade: average Cp} for each facade the report gives an average for.")
      .def_property_readonly(
          "messages", [](const PyResult& r) { return MessageList(r.messages, r.job.job); },
          "The messages of the checks and the run, in order (list of Message).")
      .def_property_readonly(
          "job", [](const PyResult& r) { return r.job; },
          "The job as it ran: the pre-run checks may set the surroundings' height and the "
          "roof tilt.")
      .def_property_readonly(
          "name", [](const PyResult& r) { return r.name; }, "The name of the job that ran.")
      .def(
          "table", [](const PyResult& r) { return Table(r.table); },
          "Every element as columns of arrays: facade, number (on its facade, from 1, as the "
          "exports name it), x, z, x_rel, z_rel, cp, status "
          "(\"plausible\", \"outside-confidence\", \"implausible\" or \"not-computed\") and "
          "status_detail (which confidence range, or which bound of the plausible envelope); "
          "after run(job, spread=True) also cp_low and cp_high.")
      .def("to_pandas", &ResultFrame,
           "A pandas DataFrame, one row per element (needs pandas); its attrs hold the job's "
           "name (\"job\"), its values under their long names (\"parameters\") and the "
           "verdict's name (\"verdict\").")
      .def(py::pickle(&PickledResult, &UnpickledResult))
      .def("__repr__", [](const PyResult& r) {
        return "<ventora.Result " + r.name + ": " +
               py::str(py::cast(r.outcome)).cast<std::string>() + ", " +
               std::to_string(r.table.cp.size()) + " elements; AzB=" + NumberString(r.job.job.AzB) +
               " AnWind=" + NumberString(r.job.job.AnWind) + " PAD=" + NumberString(r.job.job.PAD) +
               ">";
      });
}

PyResult Run(const PyJob& job, bool spread) {
  const MemoryRun run = RunInMemory(job.job, job.JobName().value_or(job.Stem()));
  PyResult r;
  r.outcome = run.outcome;
  r.job = PyJob{run.job, std::nullopt};
  r.name = job.Stem();
  r.table = TabulateElements(run);
  if (spread) AddSpread(run, r.table);
  for (const FacadeAverage& a : run.run.averages)
    r.averages[a.iface] = a.average;
  r.messages = run.messages;
  return r;
}

std::vector<Message> Check(const PyJob& job) {
  CollectedMessages messages;
  Job copy = job.job;
  PassesPreRunChecks(copy, messages, kPointDecimal);
  return messages.messages();
}

}  // namespace

void BindRun(py::module_& m) {
  BindMessage(m);
  BindVerdict(m);
  BindResult(m);
  m.def("run", ReleasingGil(&Run), py::arg("job"), py::kw_only(), py::arg("spread") = false,
        "Runs the job as ventora-run does (pre-run checks, run, verdict) without writing a "
        "report; returns a Result. With spread=True its table also holds cp_low and cp_high, "
        "the lowest and highest Cp within 5 degrees of the wind direction and, on a flat "
        "roof, of the same point entered from the next wall (ventora-run --spread); "
        "status_detail names what sets a spread wider than 0.2.");
  m.def(
      "check", [](const PyJob& job) { return MessageList(ReleasingGil(&Check)(job), job.job); },
      py::arg("job"),
      "The pre-run checks' messages for the job, as a list of Message (empty: nothing to "
      "say). The job itself is not changed.");
}

}  // namespace ventora::python
