#include "site_arguments.h"

namespace ventora::python {
namespace {

namespace py = pybind11;

std::string Shown(const py::handle& value) {
  return py::repr(value).cast<std::string>();
}

// A real number; text, None and True (a number to Python, but never a
// length) are refused rather than converted.
double Number(const py::handle& value, const std::string& name, const char* kind) {
  if (PyBool_Check(value.ptr()) || PyUnicode_Check(value.ptr()) || PyBytes_Check(value.ptr()) ||
      !PyNumber_Check(value.ptr()) || PyComplex_Check(value.ptr()))
    throw py::type_error(name + " must be " + kind + ", not " + Shown(value));
  return py::float_(py::reinterpret_borrow<py::object>(value)).cast<double>();
}

}  // namespace

double LengthArgument(const py::handle& value, const site::SurroundingsLimit& limit) {
  const double number = Number(value, limit.argument, "a number of metres");
  if (!site::Within(number, limit.range))
    throw py::value_error(site::ArgumentOutside(limit, Shown(value)));
  return number;
}

std::optional<double> OptionalLength(const py::handle& value,
                                     const site::SurroundingsLimit& limit) {
  if (value.is_none()) return std::nullopt;
  return LengthArgument(value, limit);
}

int SectorsArgument(const py::handle& value) {
  const site::SurroundingsLimit& limit = site::kSectorsLimit;
  if (PyBool_Check(value.ptr()) || !PyIndex_Check(value.ptr()))
    throw py::type_error("sectors must be a whole number from 1 to 360, not " + Shown(value));
  const auto n = py::int_(py::reinterpret_borrow<py::object>(value)).cast<long long>();
  if (!site::Within(static_cast<double>(n), limit.range))
    throw py::value_error(site::ArgumentOutside(limit, Shown(value)));
  return static_cast<int>(n);
}

site::XY SiteArgument(const py::handle& value) {
  const char* kind = "two numbers (x, y) in the file's coordinates";
  if (PyUnicode_Check(value.ptr()) || !PySequence_Check(value.ptr()) ||
      PySequence_Size(value.ptr()) != 2)
    throw py::type_error(std::string("site must be ") + kind + ", not " + Shown(value));
  const auto sequence = py::reinterpret_borrow<py::sequence>(value);
  const site::XY site{Number(sequence[0], "site", kind), Number(sequence[1], "site", kind)};
  const limits::Range& range = site::kCoordinateLimit.range;
  if (!site::Within(site.x, range) || !site::Within(site.y, range))
    throw py::value_error(site::ArgumentOutside(site::kCoordinateLimit, Shown(value)));
  return site;
}

}  // namespace ventora::python
