// ventora.Job: the header values under their long names (units in the
// docstrings) and the job file's short names, each checked where it is set,
// and the job file through the program's own reader and writer.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <string>

#include "bindings.h"
#include "core/job_file.h"
#include "core/number_text.h"
#include "header_fields.h"
#include "job_elements.h"
#include "output/sweep/export_text.h"
#include "py_job.h"

namespace py = pybind11;

namespace ventora::python {

std::string PyJob::Stem() const {
  if (!path) return "job";
  return std::filesystem::path(*JobName()).filename().string();
}

std::optional<std::string> PyJob::JobName() const {
  if (!path) return std::nullopt;
  std::string name = *path;
  if (name.size() > 3 && name.ends_with(".in")) name.resize(name.size() - 3);
  return name;
}

namespace {

// Plain enums, so that Python compares them with numbers as IntEnums.
enum RoofType : int { kFlat = 0, kSingleSlope = 1, kDoubleSlope = 2 };
enum FacadeName : int { kWall1 = 1, kWall2, kWall3, kWall4, kRoof, kFloor };

std::string Shown(const py::handle& value) {
  return py::repr(value).cast<std::string>();
}

// A number of the field's unit; text, None and other objects are refused
// rather than converted.
float HeaderValue(const HeaderField& f, const py::handle& value) {
  if (PyUnicode_Check(value.ptr()) || PyBytes_Check(value.ptr()) || !PyNumber_Check(value.ptr()))
    throw py::type_error(std::string(f.name) + " (" + f.alias + ") must be a number, not " +
                         Shown(value));
  const auto v = static_cast<float>(py::float_(py::reinterpret_borrow<py::object>(value)));
  if (std::string why = RefusedValue(f, v, Shown(value)); !why.empty()) throw py::value_error(why);
  return v;
}

std::int16_t RoofTypeValue(const py::handle& value) {
  if (!PyIndex_Check(value.ptr()) || PyBool_Check(value.ptr()))
    throw py::type_error("roof_type (Islope) must be a whole number or a ventora.RoofType, not " +
                         Shown(value));
  const auto v = py::int_(py::reinterpret_borrow<py::object>(value)).cast<long long>();
  if (v < limits::kIslope.accepted.low || v > limits::kIslope.accepted.high)
    throw py::value_error("roof_type (Islope) = " + Shown(value) +
                          " is outside its range: 0 flat, 1 single slope, 2 double slope");
  return static_cast<std::int16_t>(v);
}

// `checked` false: the values come from a job the program made (a pickle),
// which may hold what a job file holds.
void SetKeyword(PyJob& self, const std::string& key, const py::handle& value, bool checked) {
  if (const HeaderField* f = FindHeaderField(key)) {
    self.job.*(f->member) = checked ? HeaderValue(*f, value) : value.cast<float>();
  } else if (key == "roof_type" || key == "Islope") {
    self.job.Islope = checked ? RoofTypeValue(value) : value.cast<std::int16_t>();
  } else if (key == "elements") {
    if (!py::isinstance<py::dict>(value))
      throw py::type_error("elements must be a dict {facade: (n, 2) array}, not " + Shown(value));
    for (const auto& [facade, elements] : value.cast<py::dict>())
      SetElements(self.job, facade.cast<int>(), elements);
  } else {
    throw py::type_error("Job() got an unexpected keyword argument '" + key + "'");
  }
}

WarningCategory jobFileWarning{"JobFileWarning",
                               "A job file read with damaged_header=\"zeros\": its header line "
                               "lacked values, which are read as 0."};

PyJob ReadJob(const std::filesystem::path& path, const std::optional<std::string>& damaged) {
  if (damaged && *damaged != "zeros")
    throw py::value_error(
        "damaged_header: None refuses a damaged header line, \"zeros\" reads "
        "the values it lacks as 0; not \"" +
        *damaged + "\"");
  NumberText numbers;
  if (numbers.DetectNumberFormat() == NumberFormatCheck::SeparatorsEqual)
    throw JobFileError(path.string(), kSeparatorsEqualMessage);
  PyJob out;
  JobFileNotes notes;
  out.job = ReadJobFile(path.string(), numbers, notes);
  out.path = path.string();
  if (notes.unreadHeader.empty()) return out;
  const JobFileError refusal = DamagedHeaderError(path.string(), notes);
  if (!damaged) throw refusal;
  const std::string text = std::string(refusal.what()) + " They are read as 0.";
  jobFileWarning.Warn(text);
  return out;
}

std::string WriteJob(PyJob& self, const std::filesystem::path& path) {
  std::string name = path.string();
  if (name.ends_with(".in")) name.resize(name.size() - 3);
  WriteJobFile(self.job, name);
  self.path = name + ".in";
  return *self.path;
}

void RegisterJobFileError(py::module_& m) {
  static py::exception<JobFileError> error(m, "JobFileError");
  error.doc() =
      "A job file that cannot be read or written: `path`, `line` (None when no line is "
      "concerned) and the program's message.";
  py::register_exception_translator([](std::exception_ptr p) {
    try {
      if (p) std::rethrow_exception(p);
    } catch (const JobFileError& e) {
      py::object instance = py::handle(error.ptr())(e.what());
      instance.attr("path") = e.path();
      instance.attr("line") = e.line() == 0 ? py::object(py::none()) : py::int_(e.line());
      PyErr_SetObject(error.ptr(), instance.ptr());
    }
  });
  jobFileWarning.AddTo(m);
}

std::string JobRepr(const PyJob& j) {
  std::string text = "<ventora.Job " + j.Stem() + ":";
  for (const HeaderField& f : kHeaderFields)
    text += std::string(" ") + f.alias + "=" + NumberString(j.job.*f.member);
  text += " Islope=" + std::to_string(j.job.Islope) + "; elements";
  for (int i = 1; i <= kFacadeCount; ++i)
    text += (i == 1 ? " " : ", ") + std::to_string(i) + ": " + std::to_string(j.job.ElmCount[i]);
  return text + ">";
}

}  // namespace

// For Dask and multiprocessing: the header values and the elements, exact.
py::tuple PickledJob(const PyJob& j) {
  py::dict values = JobParameters(j.job, false);
  py::dict elements;
  for (int iface = 1; iface <= kFacadeCount; ++iface)
    elements[py::int_(iface)] = GetElements(j.job, iface);
  values["elements"] = elements;
  return py::make_tuple(values, j.path);
}

PyJob UnpickledJob(const py::tuple& state) {
  PyJob j;
  for (const auto& [key, value] : state[0].cast<py::dict>()) {
    const std::string k = key.cast<std::string>();
    if (k == "elements") {
      for (const auto& [facade, rows] : value.cast<py::dict>())
        SetElements(j.job, facade.cast<int>(), rows, false);
    } else {
      SetKeyword(j, k, value, false);
    }
  }
  j.path = state[1].cast<std::optional<std::string>>();
  return j;
}

py::dict JobParameters(const Job& job, bool longNames) {
  py::dict values;
  for (const HeaderField& f : kHeaderFields)
    values[longNames ? f.name : f.alias] = job.*(f.member);
  values[longNames ? "roof_type" : "Islope"] = job.Islope;
  return values;
}

namespace {

void BindHeader(py::class_<PyJob>& c) {
  for (const HeaderField& f : kHeaderFields) {
    auto get = [m = f.member](const PyJob& j) { return j.job.*m; };
    auto set = [&f](PyJob& j, const py::handle& v) { j.job.*(f.member) = HeaderValue(f, v); };
    c.def_property(f.name, get, set, f.doc);
    const std::string alias = std::string("Alias of `") + f.name + "`, as the job file names it.";
    c.def_property(f.alias, get, set, alias.c_str());
    if (f.oldAlias != nullptr)
      c.def_property(f.oldAlias, get, set, (std::string("Alias of `") + f.name + "`.").c_str());
  }
  auto setRoof = [](PyJob& j, const py::handle& v) { j.job.Islope = RoofTypeValue(v); };
  c.def_property(
      "roof_type", [](const PyJob& j) { return static_cast<RoofType>(j.job.Islope); }, setRoof,
      "Roof type, a RoofType: FLAT (0), SINGLE_SLOPE (1) or DOUBLE_SLOPE (2).");
  c.def_property(
      "Islope", [](const PyJob& j) { return static_cast<int>(j.job.Islope); }, setRoof,
      "Alias of `roof_type`, as the job file's number.");
}

}  // namespace

void BindJob(py::module_& m) {
  RegisterJobFileError(m);
  py::enum_<RoofType>(m, "RoofType",
                      "The roof of the building, as Job.roof_type takes it (the job file's "
                      "Islope): FLAT 0, SINGLE_SLOPE 1, DOUBLE_SLOPE 2.",
                      py::arithmetic())
      .value("FLAT", kFlat, "A flat roof (roof_tilt 0).")
      .value("SINGLE_SLOPE", kSingleSlope, "One slope, rising by roof_tilt.")
      .value("DOUBLE_SLOPE", kDoubleSlope, "Two slopes meeting at the ridge.");
  py::enum_<FacadeName>(m, "Facade",
                        "The facades by number, as job.elements, Result.cp and ventora.cp take "
                        "them: walls 1 to 4 round the building, the roof (5) and the floor (6, "
                        "which has no Cp).",
                        py::arithmetic())
      .value("WALL1", kWall1, "Wall 1, along the length; faces AzB + 270 degrees.")
      .value("WALL2", kWall2, "Wall 2, along the width; faces AzB + 180 degrees.")
      .value("WALL3", kWall3, "Wall 3, along the length; faces AzB + 90 degrees.")
      .value("WALL4", kWall4, "Wall 4, along the width; faces AzB.")
      .value("ROOF", kRoof, "The roof: x along the length, z (y) across the width.")
      .value("FLOOR", kFloor, "The floor: takes no elements.");
  BindElements(m);
  py::class_<PyJob> c(m, "Job",
                      "A job: the building, its surroundings and the wind, and the elements of "
                      "each facade at which Cp is wanted.");
  c.def(py::init([](const py::kwargs& kwargs) {
          PyJob job;
          for (const auto& [key, value] : kwargs)
            SetKeyword(job, key.cast<std::string>(), value, true);
          return job;
        }),
        "Job(**values): any header value by its long or short name, and `elements` as "
        "{facade: (n, 2) array}. A value that is no number raises TypeError, one outside the "
        "range the program's fields accept ValueError, naming the field, the value and the "
        "range. Values not given are 0 (no elements).")
      .def_static("read", &ReadJob, py::arg("path"), py::kw_only(),
                  py::arg("damaged_header") = py::none(),
                  "Reads a \".in\" job file; raises JobFileError naming the file and line. A "
                  "header line that lacks values (or holds text) is refused too, unless "
                  "damaged_header=\"zeros\": then those values are read as 0, as the desktop "
                  "program opens the file, and a ventora.JobFileWarning names them.")
      .def("write", &WriteJob, py::arg("path"),
           "Writes the job file (\".in\" is added unless the path ends with it) through a "
           "temporary file, so a failed write leaves the old file; returns the path written.")
      .def_property_readonly(
          "elements", [](py::object j) { return ElementsView{j}; },
          "The elements per facade: job.elements[2] is a read-only (n, 2) array of x, z in "
          "metres; job.elements[2] = rows replaces them.")
      .def_property_readonly(
          "path", [](const PyJob& j) { return j.path; },
          "The job file this job was read from or last written to, or None.")
      .def_property_readonly("name", &PyJob::Stem,
                             "The job file's name without folder and \".in\".")
      .def(
          "copy", [](const PyJob& j) { return j; }, "An independent copy of the job.")
      .def("__copy__", [](const PyJob& j) { return j; })
      .def("__deepcopy__", [](const PyJob& j, const py::dict&) { return j; })
      .def(py::pickle(&PickledJob, &UnpickledJob))
      .def(
          "parameters", [](const PyJob& j) { return JobParameters(j.job, true); },
          "The header values as a dict under their long names (roof_type as a number).")
      .def(
          "__eq__",
          [](const PyJob& a, const py::object& b) -> py::object {
            if (!py::isinstance<PyJob>(b))
              return py::reinterpret_borrow<py::object>(Py_NotImplemented);
            return py::bool_(a.job == b.cast<const PyJob&>().job);
          },
          "Equal header values and elements (the path does not count).")
      .def("__repr__", &JobRepr);
  BindHeader(c);
}

}  // namespace ventora::python
