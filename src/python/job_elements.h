#pragma once
// The elements of a job's facades as NumPy arrays, and the view
// job.elements that reads and replaces them.

#include <pybind11/numpy.h>

#include "py_job.h"

namespace ventora::python {

// The elements of the facades, indexed by facade number 1..6.
struct ElementsView {
  PyJob* owner;
};

// Facade `facade` (1..6) as an (n, 2) float64 array of x, z in metres;
// IndexError for other numbers.
pybind11::array_t<double> GetElements(const Job& job, int facade);

// Replaces the facade's elements; ValueError for another shape than (n, 2)
// or more than 400 rows.
void SetElements(Job& job, int facade, const pybind11::handle& values);

void BindElements(pybind11::module_& m);

}  // namespace ventora::python
