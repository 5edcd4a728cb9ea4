#pragma once
// The parts of the module `ventora._ventora`, one file each.

#include <pybind11/pybind11.h>

#include "py_job.h"

namespace ventora::python {

void BindJob(pybind11::module_& m);
void BindRun(pybind11::module_& m);
void BindSweep(pybind11::module_& m);
void BindCp(pybind11::module_& m);
void BindSurroundings(pybind11::module_& m);

// `f` with the GIL released, on a copy of the job taken while it is held, so
// that other Python threads may run and even change the job meanwhile.
template <typename R, typename... A>
auto ReleasingGil(R (*f)(const PyJob&, A...)) {
  return [f](const PyJob& job, A... args) {
    const PyJob copy = job;
    pybind11::gil_scoped_release released;
    return f(copy, args...);
  };
}

}  // namespace ventora::python
