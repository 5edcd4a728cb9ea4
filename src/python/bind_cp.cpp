// ventora.cp: the Cp model over NumPy arrays. Every argument may be an
// array; they broadcast as NumPy broadcasts, and the points are evaluated in
// C++ with the GIL released.

#include <pybind11/numpy.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "bindings.h"
#include "cp_points.h"
#include "header_fields.h"
#include "py_job.h"

namespace py = pybind11;

namespace ventora::python {
namespace {

// The arguments in the order the loop reads them.
enum Arg { kFacade, kX, kZ, kAzB, kAnWind, kPAD, kSbH, kBdz, kBdX, kBdY, kVeEXP, kIslope, kPhi };
constexpr int kArgCount = 13;

// The header values in the loop's order, as kHeaderFields names them; the
// roof type last, which is no float of the job.
constexpr std::array<Arg, 9> kFieldArgs{kAzB, kAnWind, kPAD, kSbH, kBdz, kBdX, kBdY, kVeEXP, kPhi};

// A value given as text (NumPy would read "20" as 20) or as an object is
// refused, so that a slip never computes silently.
bool IsNumber(const py::handle& v) {
  return PyNumber_Check(v.ptr()) && !PyUnicode_Check(v.ptr()) && !PyBytes_Check(v.ptr());
}

py::object Numeric(const py::object& value, const std::string& name) {
  const py::object np = py::module_::import("numpy");
  // A RoofType or Facade is a number; NumPy would hold it as an object.
  const bool index = PyIndex_Check(value.ptr()) && !py::isinstance<py::array>(value);
  py::object a = np.attr("asarray")(index ? py::object(py::int_(value)) : value);
  const std::string kind = a.attr("dtype").attr("kind").cast<std::string>();
  bool numbers = kind.size() == 1 && std::string("biuf").find(kind[0]) != std::string::npos;
  if (kind == "O") {  // numbers mixed with enums, say: each is looked at
    numbers = true;
    for (const py::handle& v : a.attr("flat"))
      numbers = numbers && IsNumber(v);
    if (numbers) a = a.attr("astype")("float64");
  }
  if (!numbers)
    throw py::type_error("cp(): " + name + " must be numbers, not " +
                         py::repr(value).cast<std::string>());
  return a;
}

// Broadcast float64 views of the arguments and where to step through them.
struct Points {
  std::vector<py::array> arrays;  // kept alive while the loop runs
  std::vector<py::ssize_t> shape;
  std::array<const char*, kArgCount> data{};
  std::array<std::vector<py::ssize_t>, kArgCount> strides;
};

Points Broadcast(std::array<py::object, kArgCount>& args) {
  py::module_ np = py::module_::import("numpy");
  py::list asDouble;
  for (py::object& a : args)
    asDouble.append(np.attr("asarray")(a, py::arg("dtype") = "float64"));
  Points p;
  const py::list views = np.attr("broadcast_arrays")(*asDouble);
  for (int i = 0; i < kArgCount; ++i) {
    p.arrays.push_back(views[static_cast<std::size_t>(i)].cast<py::array>());
    const py::array& v = p.arrays.back();
    p.data[i] = static_cast<const char*>(v.data());
    p.strides[i].assign(v.strides(), v.strides() + v.ndim());
    if (i == 0) p.shape.assign(v.shape(), v.shape() + v.ndim());
  }
  return p;
}

double At(const char* p) {
  double v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

PointHeader HeaderAt(const std::array<const char*, kArgCount>& at) {
  return {static_cast<float>(At(at[kAzB])), static_cast<float>(At(at[kAnWind])),
          static_cast<float>(At(at[kPAD])), static_cast<float>(At(at[kSbH])),
          static_cast<float>(At(at[kBdz])), static_cast<float>(At(at[kBdX])),
          static_cast<float>(At(at[kBdY])), static_cast<float>(At(at[kVeEXP])),
          static_cast<float>(At(at[kPhi])), At(at[kIslope])};
}

// One row of the innermost dimension. The header is read once for the row
// when no header argument varies along it (the usual sweep over positions).
void EvaluateRow(CpPointEvaluator& evaluator, std::array<const char*, kArgCount> at,
                 const std::array<py::ssize_t, kArgCount>& step, py::ssize_t count, double* out,
                 std::string* why) {
  bool headerVaries = false;
  for (int a = kAzB; a < kArgCount; ++a)
    headerVaries = headerVaries || step[a] != 0;
  if (!headerVaries) evaluator.Use(HeaderAt(at));
  for (py::ssize_t i = 0; i < count; ++i) {
    if (headerVaries) evaluator.Use(HeaderAt(at));
    out[i] = evaluator.Cp(At(at[kFacade]), At(at[kX]), At(at[kZ]), why ? why + i : nullptr);
    for (int a = 0; a < kArgCount; ++a)
      at[a] += step[a];
  }
}

// Walks every point in C order, row by row of the last dimension.
void Evaluate(const Points& p, double* out, std::string* why) {
  const std::size_t nd = p.shape.size();
  const py::ssize_t inner = nd == 0 ? 1 : p.shape[nd - 1];
  py::ssize_t outer = 1;
  for (std::size_t d = 0; d + 1 < nd; ++d)
    outer *= p.shape[d];
  std::array<py::ssize_t, kArgCount> step{};
  for (int a = 0; a < kArgCount && nd > 0; ++a)
    step[a] = p.strides[a][nd - 1];
  std::vector<py::ssize_t> index(nd, 0);
  CpPointEvaluator evaluator;
  for (py::ssize_t o = 0; o < outer; ++o, out += inner, why = why ? why + inner : nullptr) {
    std::array<const char*, kArgCount> at = p.data;
    for (int a = 0; a < kArgCount; ++a)
      for (std::size_t d = 0; d + 1 < nd; ++d)
        at[a] += index[d] * p.strides[a][d];
    EvaluateRow(evaluator, at, step, inner, out, why);
    for (std::size_t d = nd > 0 ? nd - 1 : 0; d-- > 0;) {  // the next row
      if (++index[d] < p.shape[d]) break;
      index[d] = 0;
    }
  }
}

// The arguments from the keywords, by long or short name, and from the job.
std::array<py::object, kArgCount> Arguments(py::object facade, py::object x_rel, py::object z_rel,
                                            py::dict values) {
  std::array<py::object, kArgCount> args{Numeric(facade, "facade"), Numeric(x_rel, "x_rel"),
                                         Numeric(z_rel, "z_rel")};
  const PyJob* job = nullptr;
  if (values.contains("job")) {
    const py::object given = values.attr("pop")("job");
    if (!given.is_none()) {
      if (!py::isinstance<PyJob>(given))
        throw py::type_error("cp(): job must be a ventora.Job, not " +
                             py::repr(given).cast<std::string>());
      job = given.cast<const PyJob*>();
    }
  }
  for (const auto& [key, value] : values) {
    const std::string k = key.cast<std::string>();
    if (value.is_none()) continue;
    if (const HeaderField* f = FindHeaderField(k)) {
      args[kFieldArgs[static_cast<std::size_t>(f - kHeaderFields.data())]] = Numeric(
          py::reinterpret_borrow<py::object>(value), std::string(f->name) + " (" + f->alias + ")");
    } else if (k == "roof_type" || k == "Islope") {
      args[kIslope] = Numeric(py::reinterpret_borrow<py::object>(value), "roof_type (Islope)");
    } else {
      throw py::type_error("cp() got an unexpected keyword argument '" + k +
                           "'; see help(ventora.cp)");
    }
  }
  for (std::size_t i = 0; i < kHeaderFields.size(); ++i) {
    const HeaderField& f = kHeaderFields[i];
    py::object& arg = args[kFieldArgs[i]];
    if (arg) continue;
    if (job != nullptr) {
      arg = py::float_(job->job.*f.member);
    } else if (kFieldArgs[i] == kAzB || kFieldArgs[i] == kPhi) {
      arg = py::float_(0.0);  // wall 4 facing north, no tilt
    } else {
      throw py::type_error(std::string("cp() needs ") + f.name + " (or job=)");
    }
  }
  if (!args[kIslope])
    args[kIslope] = py::float_(job != nullptr ? static_cast<double>(job->job.Islope) : 0.0);
  return args;
}

py::object Cp(py::object facade, py::object x_rel, py::object z_rel, bool reason,
              const py::kwargs& kwargs) {
  std::array<py::object, kArgCount> args = Arguments(facade, x_rel, z_rel, py::dict(kwargs));
  const Points p = Broadcast(args);
  py::array_t<double> out(p.shape);
  double* data = out.mutable_data();
  std::vector<std::string> why(reason ? static_cast<std::size_t>(out.size()) : 0);
  {
    py::gil_scoped_release released;
    Evaluate(p, data, reason ? why.data() : nullptr);
  }
  py::object cp = p.shape.empty() ? py::object(py::float_(*out.data())) : py::object(out);
  if (!reason) return cp;
  if (p.shape.empty()) return py::make_tuple(cp, why.front());
  py::array reasons = py::module_::import("numpy").attr("empty")(out.attr("shape"), "object");
  auto* cells = static_cast<PyObject**>(reasons.mutable_data());
  for (std::size_t i = 0; i < why.size(); ++i) {
    PyObject* text = py::str(why[i]).release().ptr();
    Py_XDECREF(cells[i]);
    cells[i] = text;
  }
  return py::make_tuple(cp, reasons);
}

}  // namespace

void BindCp(py::module_& m) {
  m.def("cp", &Cp, py::arg("facade"), py::arg("x_rel"), py::arg("z_rel"), py::kw_only(),
        py::arg("reason") = false,
        "cp(facade, x_rel, z_rel, *, reason=False, job=None, building_azimuth=0, wind_direction, "
        "plan_area_density, surroundings_height, height, length, width, profile_exponent, "
        "roof_type=0, roof_tilt=0)\n\n"
        "Cp at points given by facade (1..6), x_rel = x/L and z_rel = z/H (z/width on the "
        "roof), with the job's values (units as Job's). Any argument may be an array; they "
        "broadcast as NumPy broadcasts, and a value not given is taken from `job`. Each point "
        "gets what a run of such a job would give an element there, NaN where it would give "
        "none. Each value may also be given by its short name (AzB, AnWind, PAD, SbH, BdZ, BdX, "
        "BdY, VeEXP, Islope, Phi); a value that is not a number raises TypeError.\n\n"
        "reason=True returns (cp, why): `why` an array of str of the same shape, empty where "
        "cp is a number, else why it is NaN (the value outside its range, the check that "
        "refuses the job, the point outside its facade ...). Releases the GIL while it "
        "computes.");
}

}  // namespace ventora::python
