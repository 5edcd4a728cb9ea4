#include "geos_handle.h"

#include <cstdarg>
#include <cstdio>

namespace ventora::site {
namespace {

void KeepMessage(const char* message, void* userdata) {
  *static_cast<std::string*>(userdata) = message;
}

}  // namespace

GeosContext::GeosContext() : handle_(GEOS_init_r()) {
  GEOSContext_setErrorMessageHandler_r(handle_, KeepMessage, &lastError_);
  GEOSContext_setNoticeMessageHandler_r(handle_, nullptr, nullptr);
}

GeosContext::~GeosContext() {
  GEOS_finish_r(handle_);
}

Geometry GeosContext::Own(GEOSGeometry* g, const char* what) const {
  if (g == nullptr) throw SiteError(std::string(what) + " failed in GEOS: " + lastError_);
  return Geometry(g, GeometryDeleter{handle_});
}

}  // namespace ventora::site
