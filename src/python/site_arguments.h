#pragma once
// The arguments of ventora.surroundings and ventora.Footprints, checked as
// ventora-run checks its --surroundings options (site/surroundings_limits.h):
// a TypeError for what is not a number of the right kind (text, True, a
// fraction where a whole number belongs), a ValueError naming the argument
// and its range for a value outside it.

#include <pybind11/pybind11.h>

#include <optional>

#include "site/footprints.h"
#include "site/surroundings_limits.h"

namespace ventora::python {

double LengthArgument(const pybind11::handle& value, const site::SurroundingsLimit& limit);
// None stays none.
std::optional<double> OptionalLength(const pybind11::handle& value,
                                     const site::SurroundingsLimit& limit);
int SectorsArgument(const pybind11::handle& value);
// Two numbers within the range of map coordinates.
site::XY SiteArgument(const pybind11::handle& value);

}  // namespace ventora::python
