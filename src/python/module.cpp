// The extension module behind the package `ventora`: the job, the run, the
// sweep and its exports, and the Cp model over NumPy arrays.

#include "bindings.h"

namespace ventora::python {
// Many jobs per call (bind_sweep_many.cpp).
void BindSweepMany(pybind11::module_& m);
// The heap of a process that sweeps partition after partition (heap_settings.cpp).
void BindHeapSettings(pybind11::module_& m);
}  // namespace ventora::python

#ifndef VENTORA_VERSION
#define VENTORA_VERSION "unknown"
#endif

PYBIND11_MODULE(_ventora, m) {
  m.doc() = "Wind pressure coefficients (Cp) on the facades and roof of a building.";
  m.attr("__version__") = VENTORA_VERSION;
  ventora::python::BindJob(m);
  ventora::python::BindRun(m);
  ventora::python::BindSweep(m);
  ventora::python::BindCp(m);
  ventora::python::BindSweepMany(m);
  ventora::python::BindCompare(m);
  ventora::python::BindHeapSettings(m);
}
