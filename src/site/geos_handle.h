#pragma once
// GEOS through its reentrant C API: one context per footprint set, and
// geometries owned by unique pointers that know their context.

#include <geos_c.h>

#include <atomic>
#include <memory>
#include <string>

#include "footprints.h"

namespace ventora::site {

struct GeometryDeleter {
  GEOSContextHandle_t context = nullptr;
  void operator()(GEOSGeometry* g) const {
    if (g) GEOSGeom_destroy_r(context, g);
  }
};
using Geometry = std::unique_ptr<GEOSGeometry, GeometryDeleter>;

// While one lives, GEOS's operations in this thread stop at their next
// interrupt check when `cancel` is set, or once they have taken `steps`
// checks (-1: no bound), and the call fails; GeosContext::Own then throws
// ventora::Cancelled or StepsExhausted. The checks come every few
// microseconds of work, so the bound is one on the work itself, the same
// on every machine. Scopes nest; the inner one's bound counts alone.
class GeosSteps {
 public:
  explicit GeosSteps(const std::atomic<bool>* cancel, long steps = -1);
  ~GeosSteps();
  GeosSteps(const GeosSteps&) = delete;
  GeosSteps& operator=(const GeosSteps&) = delete;

 private:
  const std::atomic<bool>* cancel_;
  long steps_;
};

// A GEOS operation that ran out of its steps.
struct StepsExhausted {};

class GeosContext {
 public:
  GeosContext();
  ~GeosContext();
  GeosContext(const GeosContext&) = delete;
  GeosContext& operator=(const GeosContext&) = delete;

  GEOSContextHandle_t get() const { return handle_; }
  // Takes ownership; for null throws Cancelled or StepsExhausted when a
  // GeosSteps stopped the operation, else SiteError with GEOS's message.
  Geometry Own(GEOSGeometry* g, const char* what) const;
  // The same for a predicate's answer (0 or 1; 2 when it failed).
  bool Holds(char answer, const char* what) const;

 private:
  [[noreturn]] void Fail(const char* what) const;
  GEOSContextHandle_t handle_;
  std::string lastError_;
};

}  // namespace ventora::site
