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
#include "py_job.h"

namespace py = pybind11;

namespace ventora::python {
namespace {

// The arguments in the order the loop reads them.
enum Arg { kFacade, kX, kZ, kAzB, kAnWind, kPAD, kSbH, kBdz, kBdX, kBdY, kVeEXP, kIslope, kPhi };
constexpr int kArgCount = 13;

struct HeaderArg {
  const char* name;
  Arg arg;
  double (*fromJob)(const Job& job);
};

const HeaderArg kHeaderArgs[] = {
    {"building_azimuth", kAzB, [](const Job& j) -> double { return j.AzB; }},
    {"wind_direction", kAnWind, [](const Job& j) -> double { return j.AnWind; }},
    {"plan_area_density", kPAD, [](const Job& j) -> double { return j.PAD; }},
    {"surroundings_height", kSbH, [](const Job& j) -> double { return j.SbH; }},
    {"height", kBdz, [](const Job& j) -> double { return j.Bdz; }},
    {"length", kBdX, [](const Job& j) -> double { return j.BdX; }},
    {"width", kBdY, [](const Job& j) -> double { return j.BdY; }},
    {"profile_exponent", kVeEXP, [](const Job& j) -> double { return j.VeEXP; }},
    {"roof_type", kIslope, [](const Job& j) -> double { return j.Islope; }},
    {"roof_tilt", kPhi, [](const Job& j) -> double { return j.Phi; }},
};

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
                 const std::array<py::ssize_t, kArgCount>& step, py::ssize_t count, double* out) {
  bool headerVaries = false;
  for (int a = kAzB; a < kArgCount; ++a)
    headerVaries = headerVaries || step[a] != 0;
  if (!headerVaries) evaluator.Use(HeaderAt(at));
  for (py::ssize_t i = 0; i < count; ++i) {
    if (headerVaries) evaluator.Use(HeaderAt(at));
    out[i] = evaluator.Cp(At(at[kFacade]), At(at[kX]), At(at[kZ]));
    for (int a = 0; a < kArgCount; ++a)
      at[a] += step[a];
  }
}

// Walks every point in C order, row by row of the last dimension.
void Evaluate(const Points& p, double* out) {
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
  for (py::ssize_t o = 0; o < outer; ++o, out += inner) {
    std::array<const char*, kArgCount> at = p.data;
    for (int a = 0; a < kArgCount; ++a)
      for (std::size_t d = 0; d + 1 < nd; ++d)
        at[a] += index[d] * p.strides[a][d];
    EvaluateRow(evaluator, at, step, inner, out);
    for (std::size_t d = nd > 0 ? nd - 1 : 0; d-- > 0;) {  // the next row
      if (++index[d] < p.shape[d]) break;
      index[d] = 0;
    }
  }
}

py::object Cp(py::object facade, py::object x_rel, py::object z_rel, const py::kwargs& kwargs) {
  std::array<py::object, kArgCount> args{facade, x_rel, z_rel};
  const PyJob* job = nullptr;
  if (kwargs.contains("job") && !kwargs["job"].is_none()) job = kwargs["job"].cast<const PyJob*>();
  std::size_t used = kwargs.contains("job") ? 1 : 0;
  for (const HeaderArg& h : kHeaderArgs) {
    if (kwargs.contains(h.name) && !kwargs[h.name].is_none()) {
      args[h.arg] = kwargs[h.name];
    } else if (job != nullptr) {
      args[h.arg] = py::float_(h.fromJob(job->job));
    } else if (h.arg == kAzB || h.arg == kIslope || h.arg == kPhi) {
      args[h.arg] = py::float_(0.0);  // a flat roof, wall 4 facing north
    } else {
      throw py::type_error(std::string("cp() needs ") + h.name + " (or job=)");
    }
    used += kwargs.contains(h.name) ? 1 : 0;
  }
  if (used != kwargs.size())
    throw py::type_error("cp() got an unexpected keyword argument; see help(ventora.cp)");
  const Points p = Broadcast(args);
  py::array_t<double> out(p.shape);
  double* data = out.mutable_data();
  {
    py::gil_scoped_release released;
    Evaluate(p, data);
  }
  if (p.shape.empty()) return py::float_(*out.data());
  return out;
}

}  // namespace

void BindCp(py::module_& m) {
  m.def("cp", &Cp, py::arg("facade"), py::arg("x_rel"), py::arg("z_rel"),
        "cp(facade, x_rel, z_rel, *, job=None, building_azimuth=0, wind_direction, "
        "plan_area_density, surroundings_height, height, length, width, profile_exponent, "
        "roof_type=0, roof_tilt=0)\n\n"
        "Cp at points given by facade (1..6), x_rel = x/L and z_rel = z/H (z/width on the "
        "roof), with the job's values (units as Job's). Any argument may be an array; they "
        "broadcast as NumPy broadcasts, and a value not given is taken from `job`. Each point "
        "gets what a run of such a job would give an element there, NaN where it would give "
        "none. Releases the GIL while it computes.");
}

}  // namespace ventora::python
