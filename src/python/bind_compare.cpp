// ventora.compare: each wall's mean Cp beside the published methods, as
// ventora-run --compare writes it.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <limits>

#include "bindings.h"
#include "collected_messages.h"
#include "commands/compare_methods.h"
#include "core/number_locale.h"

namespace py = pybind11;

namespace ventora::python {
namespace {

// What Python sees of a comparison: plain values, so that it pickles whole.
struct PyComparison {
  PyJob job;  // as compared: after the pre-run checks' changes
  std::string exposure;
  std::vector<std::string> notes;
  std::vector<int> facade;
  std::vector<double> windFrom, ventora, swamiChandra, aivc, en1991;
  std::vector<std::string> stopped;
  std::vector<Message> messages;
};

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

PyComparison Compare(const PyJob& job, int step) {
  CollectedMessages messages;
  const CompareOutcome outcome = CompareWithPeerMethods(job.job, step, messages, kPointDecimal);
  if (outcome.outcome == RunOutcome::Refused)
    ThrowRunRefused(job.job, messages.messages(), "the pre-run checks refused the job");
  const PeerComparison& c = outcome.comparison;
  if (outcome.outcome == RunOutcome::Stopped)
    ThrowRunRefused(c.job, messages.messages(), "no wind direction could be computed");
  PyComparison out;
  out.job = PyJob{c.job, job.path};
  out.exposure = peers::AivcExposureName(c.exposure);
  out.notes = PeerComparisonNotes(c);
  for (const MethodsAtDirection& m : c.rows) {
    out.facade.push_back(m.facade);
    out.windFrom.push_back(m.windFrom);
    out.ventora.push_back(m.ventora);
    out.swamiChandra.push_back(m.swamiChandra);
    out.aivc.push_back(m.aivc);
    out.en1991.push_back(m.en1991.value_or(kNone));
  }
  out.stopped = c.stopped;
  out.messages = messages.messages();
  return out;
}

// The CSV's columns under its names.
py::object ComparisonFrame(const PyComparison& c) {
  py::dict columns;
  columns["Facade"] = Column(c.facade);
  columns["Wind from (deg)"] = Column(c.windFrom);
  columns["Ventora mean"] = Column(c.ventora);
  columns["Swami-Chandra"] = Column(c.swamiChandra);
  columns["AIVC"] = Column(c.aivc);
  columns["EN 1991-1-4"] = Column(c.en1991);
  py::object frame = py::module_::import("pandas").attr("DataFrame")(columns);
  py::dict attrs = frame.attr("attrs");
  attrs["job"] = c.job.Stem();
  attrs["exposure"] = c.exposure;
  attrs["notes"] = c.notes;
  return frame;
}

py::tuple PickledComparison(const PyComparison& c) {
  return py::make_tuple(PickledJob(c.job), c.exposure, c.notes, c.facade,
                        py::make_tuple(c.windFrom, c.ventora, c.swamiChandra, c.aivc, c.en1991),
                        c.stopped, c.messages);
}

PyComparison UnpickledComparison(const py::tuple& t) {
  PyComparison c;
  c.job = UnpickledJob(t[0].cast<py::tuple>());
  c.exposure = t[1].cast<std::string>();
  c.notes = t[2].cast<std::vector<std::string>>();
  c.facade = t[3].cast<std::vector<int>>();
  const auto columns = t[4].cast<py::tuple>();
  std::vector<double>* into[] = {&c.windFrom, &c.ventora, &c.swamiChandra, &c.aivc, &c.en1991};
  for (std::size_t i = 0; i < std::size(into); ++i) {
    *into[i] = columns[i].cast<std::vector<double>>();
    if (into[i]->size() != c.facade.size())
      throw py::value_error("not the state of a ventora.Comparison");
  }
  c.stopped = t[5].cast<std::vector<std::string>>();
  c.messages = t[6].cast<std::vector<Message>>();
  return c;
}

}  // namespace

void BindCompare(py::module_& m) {
  py::class_<PyComparison>(m, "Comparison",
                           "Each wall's mean Cp beside Swami and Chandra's, the AIVC's and EN "
                           "1991-1-4's values, one row per wall and wind direction. Pickles "
                           "whole.")
      .def_property_readonly(
          "facade", [](const PyComparison& c) { return Column(c.facade); }, "Wall of each row.")
      .def_property_readonly(
          "wind_from", [](const PyComparison& c) { return Column(c.windFrom); },
          "Wind direction of each row, degrees from north.")
      .def_property_readonly(
          "ventora", [](const PyComparison& c) { return Column(c.ventora); },
          "Ventora's mean Cp over an even mesh of the wall; NaN where the run stopped.")
      .def_property_readonly(
          "swami_chandra", [](const PyComparison& c) { return Column(c.swamiChandra); },
          "Swami and Chandra's surface average, as EnergyPlus computes it.")
      .def_property_readonly(
          "aivc", [](const PyComparison& c) { return Column(c.aivc); },
          "The AIVC's low-rise wall value for the nearest class of exposure.")
      .def_property_readonly(
          "en1991", [](const PyComparison& c) { return Column(c.en1991); },
          "EN 1991-1-4's zone D, E or side-wall mean where the wind is normal to a wall, else "
          "NaN.")
      .def_property_readonly(
          "exposure", [](const PyComparison& c) { return c.exposure; },
          "The AIVC's class used: \"exposed\", \"semi-sheltered\" or \"sheltered\".")
      .def_property_readonly(
          "notes", [](const PyComparison& c) { return c.notes; },
          "Each method's source, scope and what it cannot see, as the CSV's header says.")
      .def_property_readonly(
          "stopped", [](const PyComparison& c) { return c.stopped; },
          "The directions whose run stopped (no Ventora mean there).")
      .def_property_readonly(
          "job", [](const PyComparison& c) { return c.job; },
          "The job compared, after the pre-run checks' changes.")
      .def_property_readonly(
          "messages", [](const PyComparison& c) { return MessageList(c.messages, c.job.job); },
          "The checks' and the run's messages.")
      .def("to_pandas", &ComparisonFrame,
           "A pandas DataFrame with the columns of ventora-run --compare's CSV, so that it "
           "equals pandas.read_csv(file, comment=\"#\"); its attrs hold the job's name "
           "(\"job\"), the class of exposure (\"exposure\") and the notes (\"notes\").")
      .def(py::pickle(&PickledComparison, &UnpickledComparison))
      .def("__repr__", [](const PyComparison& c) {
        return "<ventora.Comparison " + c.job.Stem() + ": " + std::to_string(c.facade.size()) +
               " rows, AIVC " + c.exposure + ">";
      });
  m.def("compare", ReleasingGil(&Compare), py::arg("job"), py::arg("step") = kCompareStep,
        "Each wall's mean Cp at the wind directions AzB, AzB + step ... beside the published "
        "methods, as ventora-run --compare=STEP writes it; returns a Comparison. Raises "
        "RunError when the pre-run checks refuse the job or no direction could be computed, "
        "ValueError for a step outside 1 to 180.");
}

}  // namespace ventora::python
