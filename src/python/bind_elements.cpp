// job.elements: the elements of each facade as (n, 2) float64 arrays.

#include <pybind11/stl.h>

#include <string>
#include <vector>

#include "bindings.h"
#include "job_elements.h"

namespace py = pybind11;

namespace ventora::python {

namespace {

int FacadeNumber(int facade) {
  if (facade < 1 || facade > kFacadeCount)
    throw py::index_error("facade " + std::to_string(facade) + ": facades are numbered 1 to 6");
  return facade;
}

}  // namespace

py::array_t<double> GetElements(const Job& job, int facade) {
  const int iface = FacadeNumber(facade);
  const py::ssize_t n = job.ElmCount[iface];
  py::array_t<double> out({n, py::ssize_t{2}});
  auto a = out.mutable_unchecked<2>();
  for (py::ssize_t i = 0; i < n; ++i) {
    a(i, 0) = job.ElmX[iface][i + 1];
    a(i, 1) = job.ElmZ[iface][i + 1];
  }
  // Writing into a copy would be lost without a word; NumPy says it is read-only.
  out.attr("setflags")(py::arg("write") = false);
  return out;
}

namespace {

// A coordinate no facade has: the run would only say the element lies outside.
void CheckCoordinates(int iface, const double* v, py::ssize_t n) {
  for (py::ssize_t i = 0; i < 2 * n; ++i) {
    if (v[i] >= 0) continue;
    throw py::value_error("elements of facade " + std::to_string(iface) + ", element " +
                          std::to_string(i / 2 + 1) + ": " + (i % 2 == 0 ? "x" : "z") + " = " +
                          py::repr(py::float_(v[i])).cast<std::string>() +
                          " is outside its range: 0 ≤ x, z (metres from the facade's corner)");
  }
}

}  // namespace

void SetElements(Job& job, int facade, const py::handle& values, bool checked) {
  const int iface = FacadeNumber(facade);
  const auto a = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(values);
  if (!a) throw py::type_error("elements: expected an array of (x, z) pairs in metres");
  const bool empty = a.size() == 0;
  if (!empty && (a.ndim() != 2 || a.shape(1) != 2))
    throw py::value_error("elements: expected shape (n, 2), one (x, z) row per element");
  const py::ssize_t n = empty ? 0 : a.shape(0);
  if (n > kMaxElements) {
    throw py::value_error("elements: a facade holds at most " + std::to_string(kMaxElements) +
                          " elements, not " + std::to_string(n));
  }
  if (checked && n > 0 && iface == kFacadeCount)
    throw py::value_error(
        "elements of facade 6: the floor takes no elements (walls 1 to 4 and the roof, 5, do)");
  const double* v = a.data();
  if (checked) CheckCoordinates(iface, v, n);
  for (py::ssize_t i = 0; i < n; ++i) {
    job.ElmX[iface][i + 1] = static_cast<float>(v[2 * i]);
    job.ElmZ[iface][i + 1] = static_cast<float>(v[2 * i + 1]);
  }
  job.ElmCount[iface] = static_cast<std::int16_t>(n);
}

py::tuple PickledView(const ElementsView& v) {
  return py::make_tuple(v.owner);
}

ElementsView UnpickledView(const py::tuple& state) {
  if (!py::isinstance<PyJob>(state[0])) throw py::value_error("not the state of job.elements");
  return ElementsView{state[0]};
}

void BindElements(py::module_& m) {
  py::class_<ElementsView>(m, "Elements",
                           "The elements of each facade (1..6) as float64 arrays of shape (n, 2): "
                           "x along the facade and z up a wall (across the roof), in metres. "
                           "The arrays are read-only copies (the job holds 32-bit values): "
                           "assign a whole facade to change it, job.elements[2] = rows.")
      .def(
          "__getitem__",
          [](const ElementsView& v, int facade) { return GetElements(v.job().job, facade); },
          "The facade's elements, a read-only (n, 2) array.")
      .def(
          "__setitem__",
          [](ElementsView& v, int facade, const py::handle& values) {
            SetElements(v.job().job, facade, values);
          },
          "Replaces the facade's elements with (n, 2) rows of x, z in metres.")
      .def(py::pickle(&PickledView, &UnpickledView))
      .def("__repr__",
           [](const ElementsView& v) {
             std::string text = "<ventora.Elements of " + v.job().Stem() + ":";
             for (int i = 1; i <= kFacadeCount; ++i)
               text += (i == 1 ? " " : ", ") + std::to_string(i) + ": " +
                       std::to_string(v.job().job.ElmCount[i]);
             return text + ">";
           })
      .def(
          "__len__", [](const ElementsView&) { return kFacadeCount; }, "6: the facades.")
      .def("__iter__",
           [](const ElementsView&) {
             return py::iter(py::cast(std::vector<int>{1, 2, 3, 4, 5, 6}));
           })
      .def(
          "counts",
          [](const ElementsView& v) {
            const auto& counts = v.job().job.ElmCount;
            return std::vector<int>(counts.begin() + 1, counts.end());
          },
          "Number of elements of facades 1 to 6.");
}

}  // namespace ventora::python
