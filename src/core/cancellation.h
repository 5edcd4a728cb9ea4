#pragma once
// Stopping long work when the user asks: the caller owns a flag and hands a
// pointer to it down; the work checks it between its steps and unwinds with
// Cancelled, so that everything it holds (temporaries first) is released on
// the way out.

#include <atomic>
#include <exception>

namespace ventora {

class Cancelled : public std::exception {
 public:
  const char* what() const noexcept override { return "interrupted"; }
};

// Throws Cancelled once `cancel` (which may be null) is set.
inline void ThrowIfCancelled(const std::atomic<bool>* cancel) {
  if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) throw Cancelled();
}

}  // namespace ventora
