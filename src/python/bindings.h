#pragma once
// The parts of the module `ventora._ventora`, one file each.

#include <pybind11/pybind11.h>

namespace ventora::python {

void BindJob(pybind11::module_& m);
void BindRun(pybind11::module_& m);
void BindSweep(pybind11::module_& m);
void BindCp(pybind11::module_& m);

}  // namespace ventora::python
