#include "geos_handle.h"

#include "core/cancellation.h"

namespace ventora::site {
namespace {

void KeepMessage(const char* message, void* userdata) {
  *static_cast<std::string*>(userdata) = message;
}

// What the scopes of this thread ask of GEOS's interrupt checks.
struct StepState {
  const std::atomic<bool>* cancel = nullptr;
  long left = -1;  // checks still allowed; -1: no bound
  bool cancelled = false;
  bool exhausted = false;
};
thread_local StepState tState;

// Thrown from GEOS's interrupt check, so that only this thread's operation
// stops: GEOS's own request would stop whichever thread checks first. The
// C API catches it and fails the call.
struct StopGeos {};

GEOSInterruptCallback* previousCallback = nullptr;

void OnGeosCheck() {
  if (tState.cancel != nullptr && tState.cancel->load(std::memory_order_relaxed)) {
    tState.cancelled = true;
    throw StopGeos{};
  }
  if (tState.left == 0) {
    tState.exhausted = true;
    throw StopGeos{};
  }
  if (tState.left > 0) --tState.left;
  if (previousCallback != nullptr) previousCallback();
}

// Once for the process; another user's callback is still called.
void RegisterCheck() {
  static const bool registered =
      (previousCallback = GEOS_interruptRegisterCallback(OnGeosCheck), true);
  (void)registered;
}

}  // namespace

GeosSteps::GeosSteps(const std::atomic<bool>* cancel, long steps)
    : cancel_(tState.cancel), steps_(tState.left) {
  RegisterCheck();
  if (cancel != nullptr) tState.cancel = cancel;
  tState.left = steps;
  tState.cancelled = tState.exhausted = false;
}

GeosSteps::~GeosSteps() {
  tState.cancel = cancel_;
  tState.left = steps_;
}

GeosContext::GeosContext() : handle_(GEOS_init_r()) {
  GEOSContext_setErrorMessageHandler_r(handle_, KeepMessage, &lastError_);
  GEOSContext_setNoticeMessageHandler_r(handle_, nullptr, nullptr);
}

GeosContext::~GeosContext() {
  GEOS_finish_r(handle_);
}

void GeosContext::Fail(const char* what) const {
  if (tState.cancelled) throw Cancelled();
  if (tState.exhausted) throw StepsExhausted{};
  throw SiteError(std::string(what) + " failed in GEOS: " + lastError_);
}

Geometry GeosContext::Own(GEOSGeometry* g, const char* what) const {
  if (g == nullptr) Fail(what);
  return Geometry(g, GeometryDeleter{handle_});
}

bool GeosContext::Holds(char answer, const char* what) const {
  if (answer != 0 && answer != 1) Fail(what);
  return answer == 1;
}

}  // namespace ventora::site
