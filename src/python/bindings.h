#pragma once
// The parts of the module `ventora._ventora`, one file each.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "core/messages.h"
#include "py_job.h"

namespace ventora::python {

void BindJob(pybind11::module_& m);
void BindRun(pybind11::module_& m);
void BindSweep(pybind11::module_& m);
void BindCp(pybind11::module_& m);
void BindSurroundings(pybind11::module_& m);
void BindCompare(pybind11::module_& m);

// Raises ventora.RunError for `job`, with the messages that said why.
[[noreturn]] void ThrowRunRefused(const Job& job, std::vector<Message> messages,
                                  const std::string& what);

// The job's pickled state and back, exact; Result and Sweep carry it too.
pybind11::tuple PickledJob(const PyJob& job);
PyJob UnpickledJob(const pybind11::tuple& state);
// The header values under their long names (or the job file's short ones).
pybind11::dict JobParameters(const Job& job, bool longNames);

// The messages as Python's Message objects; each "Element out of facade!"
// names its element of `job` (facade, number on the facade, X, Z), in the
// order the check finds them.
pybind11::list MessageList(const std::vector<Message>& messages, const Job& job);

// A UserWarning subclass of ventora._ventora: added to the module when it
// is set up, issued after.
class WarningCategory {
 public:
  WarningCategory(const char* name, const char* doc) : name_(name), doc_(doc) {}
  void AddTo(pybind11::module_& m) {
    const std::string qualified = std::string("ventora._ventora.") + name_;
    category_ = PyErr_NewExceptionWithDoc(qualified.c_str(), doc_, PyExc_UserWarning, nullptr);
    m.add_object(name_, category_);
  }
  // As warnings.warn from the caller; raises when a filter makes it an error.
  void Warn(const std::string& text) const {
    // Level 2: past the module's own wrapper (plain_errors.py), at the caller's line.
    if (PyErr_WarnEx(category_.ptr(), text.c_str(), 2) != 0) throw pybind11::error_already_set();
  }

 private:
  const char* name_;
  const char* doc_;
  pybind11::handle category_;
};

// A NumPy array holding a copy of `values`: one column of a table.
template <typename T>
pybind11::array_t<T> Column(const std::vector<T>& values) {
  return pybind11::array_t<T>(static_cast<pybind11::ssize_t>(values.size()), values.data());
}

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
