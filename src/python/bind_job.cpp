// ventora.Job: the header values under their long names (units in the
// docstrings) and the job file's short names, and the job file through the
// program's own reader and writer.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <string>

#include "bindings.h"
#include "core/job_file.h"
#include "core/number_text.h"
#include "job_elements.h"
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

struct HeaderField {
  const char* name;
  const char* alias;  // as the job file and the reports name it
  float Job::*member;
  const char* doc;
};

const HeaderField kHeaderFields[] = {
    {"building_azimuth", "AzB", &Job::AzB,
     "Building azimuth in degrees (0 to 360): the direction wall 4's outward normal points to."},
    {"wind_direction", "AnWind", &Job::AnWind,
     "Wind direction in degrees (0 to 360), where the wind comes from."},
    {"plan_area_density", "PAD", &Job::PAD,
     "Plan area density of the surroundings in % (0 to 50; 35 unless the building is a cube)."},
    {"surroundings_height", "SbH", &Job::SbH, "Height of the surrounding buildings in metres."},
    {"height", "Bdz", &Job::Bdz, "Height of the building in metres."},
    {"length", "BdX", &Job::BdX, "Length of the building in metres (walls 1 and 3, roof X)."},
    {"width", "BdY", &Job::BdY, "Width of the building in metres (walls 2 and 4, roof Y)."},
    {"profile_exponent", "VeEXP", &Job::VeEXP,
     "Wind velocity profile exponent, dimensionless (0.10 to 0.45)."},
    {"roof_tilt", "Phi", &Job::Phi, "Roof tilt angle in degrees (0 to 50; 0 on a flat roof)."},
};

// Plain enums, so that Python compares them with numbers as IntEnums.
enum RoofType : int { kFlat = 0, kSingleSlope = 1, kDoubleSlope = 2 };
enum FacadeName : int { kWall1 = 1, kWall2, kWall3, kWall4, kRoof, kFloor };

void SetRoofType(Job& job, int value) {
  if (value < 0 || value > 2)
    throw py::value_error("roof_type: 0 flat, 1 single slope, 2 double slope");
  job.Islope = static_cast<std::int16_t>(value);
}

void SetKeyword(PyJob& self, const std::string& key, const py::handle& value) {
  for (const HeaderField& f : kHeaderFields) {
    if (key == f.name || key == f.alias) {
      self.job.*(f.member) = value.cast<float>();
      return;
    }
  }
  if (key == "roof_type" || key == "Islope") {
    SetRoofType(self.job, value.cast<int>());
  } else if (key == "elements") {
    for (const auto& [facade, elements] : value.cast<py::dict>())
      SetElements(self.job, facade.cast<int>(), elements);
  } else {
    throw py::type_error("Job() got an unexpected keyword argument '" + key + "'");
  }
}

PyJob ReadJob(const std::filesystem::path& path) {
  NumberText numbers;
  if (numbers.DetectNumberFormat() == NumberFormatCheck::SeparatorsEqual)
    throw JobFileError(path.string(), kSeparatorsEqualMessage);
  PyJob out;
  out.job = ReadJobFile(path.string(), numbers);
  out.path = path.string();
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
}

// For Dask and multiprocessing: the header values and the elements, exact.
py::tuple PickledJob(const PyJob& j) {
  py::dict values;
  for (const HeaderField& f : kHeaderFields)
    values[f.alias] = j.job.*(f.member);
  values["Islope"] = j.job.Islope;
  py::dict elements;
  for (int iface = 1; iface <= kFacadeCount; ++iface)
    elements[py::int_(iface)] = GetElements(j.job, iface);
  values["elements"] = elements;
  return py::make_tuple(values, j.path);
}

PyJob UnpickledJob(const py::tuple& state) {
  PyJob j;
  for (const auto& [key, value] : state[0].cast<py::dict>())
    SetKeyword(j, key.cast<std::string>(), value);
  j.path = state[1].cast<std::optional<std::string>>();
  return j;
}

void BindHeader(py::class_<PyJob>& c) {
  for (const HeaderField& f : kHeaderFields) {
    auto get = [m = f.member](const PyJob& j) { return j.job.*m; };
    auto set = [m = f.member](PyJob& j, float v) { j.job.*m = v; };
    c.def_property(f.name, get, set, f.doc);
    c.def_property(f.alias, get, set, (std::string("Alias of `") + f.name + "`.").c_str());
  }
  auto setRoof = [](PyJob& j, int v) { SetRoofType(j.job, v); };
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
  py::enum_<RoofType>(m, "RoofType", "The roof of the building.", py::arithmetic())
      .value("FLAT", kFlat)
      .value("SINGLE_SLOPE", kSingleSlope)
      .value("DOUBLE_SLOPE", kDoubleSlope);
  py::enum_<FacadeName>(m, "Facade", "Walls 1 to 4 round the building, the roof and the floor.",
                        py::arithmetic())
      .value("WALL1", kWall1)
      .value("WALL2", kWall2)
      .value("WALL3", kWall3)
      .value("WALL4", kWall4)
      .value("ROOF", kRoof)
      .value("FLOOR", kFloor);
  BindElements(m);
  py::class_<PyJob> c(m, "Job",
                      "A job: the building, its surroundings and the wind, and the elements of "
                      "each facade at which Cp is wanted.");
  c.def(py::init([](const py::kwargs& kwargs) {
          PyJob job;
          for (const auto& [key, value] : kwargs)
            SetKeyword(job, key.cast<std::string>(), value);
          return job;
        }),
        "Job(**values): any header value by its long or short name, and `elements` as "
        "{facade: (n, 2) array}.")
      .def_static("read", &ReadJob, py::arg("path"),
                  "Reads a \".in\" job file; raises JobFileError naming the file and line.")
      .def("write", &WriteJob, py::arg("path"),
           "Writes the job file (\".in\" is added unless the path ends with it) through a "
           "temporary file, so a failed write leaves the old file; returns the path written.")
      .def_property_readonly(
          "elements", [](PyJob& j) { return ElementsView{&j}; }, py::keep_alive<0, 1>(),
          "The elements per facade: job.elements[2] is an (n, 2) array of x, z in metres.")
      .def_property_readonly(
          "path", [](const PyJob& j) { return j.path; },
          "The job file this job was read from or last written to, or None.")
      .def_property_readonly("name", &PyJob::Stem,
                             "The job file's name without folder and \".in\".")
      .def("copy", [](const PyJob& j) { return j; })
      .def("__copy__", [](const PyJob& j) { return j; })
      .def("__deepcopy__", [](const PyJob& j, const py::dict&) { return j; })
      .def(py::pickle(&PickledJob, &UnpickledJob))
      .def("__eq__", [](const PyJob& a, const PyJob& b) { return a.job == b.job; })
      .def("__repr__", [](const PyJob& j) {
        int count = 0;
        for (int i = 1; i <= kFacadeCount; ++i)
          count += j.job.ElmCount[i];
        return "<ventora.Job " + j.Stem() + ": " + std::to_string(count) + " elements>";
      });
  BindHeader(c);
}

}  // namespace ventora::python
