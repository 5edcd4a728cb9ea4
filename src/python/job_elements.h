#pragma once
// The elements of a job's facades as NumPy arrays, and the view
// job.elements that reads and replaces them.

#include <pybind11/numpy.h>

#include "py_job.h"

namespace ventora::python {

// The elements of the facades, indexed by facade number 1..6. Holds the
// Python job, which it keeps alive and pickles with.
struct ElementsView {
  pybind11::object owner;
  PyJob& job() const { return owner.cast<PyJob&>(); }
};

// Facade `facade` (1..6) as a read-only (n, 2) float64 array of x, z in
// metres (a copy: the job holds 32-bit values); IndexError for other numbers.
pybind11::array_t<double> GetElements(const Job& job, int facade);

// Replaces the facade's elements; ValueError for another shape than (n, 2),
// more than 400 rows, elements on the floor and, when `checked`, a NaN or
// negative coordinate.
void SetElements(Job& job, int facade, const pybind11::handle& values, bool checked = true);

void BindElements(pybind11::module_& m);

}  // namespace ventora::python
