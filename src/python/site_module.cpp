// The extension module behind ventora.footprints, ventora.surroundings and
// ventora.Footprints: kept apart from _ventora so that only their users load
// the map libraries.

#include "bindings.h"

PYBIND11_MODULE(_site, m) {
  m.doc() = "Building footprints and the surroundings they give a site.";
  ventora::python::BindSurroundings(m);
}
