// job.elements: the elements of each facade as (n, 2) float64 arrays.

#include <pybind11/stl.h>

#include <string>
#include <vector>

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
  return out;
}

void SetElements(Job& job, int facade, const py::handle& values) {
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
  const double* v = a.data();
  for (py::ssize_t i = 0; i < n; ++i) {
    job.ElmX[iface][i + 1] = static_cast<float>(v[2 * i]);
    job.ElmZ[iface][i + 1] = static_cast<float>(v[2 * i + 1]);
  }
  job.ElmCount[iface] = static_cast<std::int16_t>(n);
}

void BindElements(py::module_& m) {
  py::class_<ElementsView>(m, "Elements",
                           "The elements of each facade (1..6) as float64 arrays of shape (n, 2): "
                           "x along the facade and z up a wall (across the roof), in metres.")
      .def("__getitem__",
           [](const ElementsView& v, int facade) { return GetElements(v.owner->job, facade); })
      .def("__setitem__",
           [](ElementsView& v, int facade, const py::handle& values) {
             SetElements(v.owner->job, facade, values);
           })
      .def("__len__", [](const ElementsView&) { return kFacadeCount; })
      .def("__iter__",
           [](const ElementsView&) {
             return py::iter(py::cast(std::vector<int>{1, 2, 3, 4, 5, 6}));
           })
      .def(
          "counts",
          [](const ElementsView& v) {
            return std::vector<int>(v.owner->job.ElmCount.begin() + 1, v.owner->job.ElmCount.end());
          },
          "Number of elements of facades 1 to 6.");
}

}  // namespace ventora::python
