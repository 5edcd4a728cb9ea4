#pragma once
// The progress line of a batch on a terminal: jobs done of the total, the
// rate and the time left, redrawn in place. Messages printed meanwhile wipe
// it first and it comes back after them.

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace ventora::cli {

class BatchProgress {
 public:
  using Clock = std::chrono::steady_clock;

  // Draws nothing at all unless `enabled` (standard error is a terminal).
  BatchProgress(std::ostream& out, std::size_t total, bool enabled);

  // Removes the line, before a message is written.
  void Wipe();
  // Counts one job done and draws the line again.
  void JobDone();
  // Leaves the terminal as it found it.
  void Finish();

 private:
  std::string Line(Clock::time_point now) const;

  std::ostream& out_;
  std::size_t total_;
  std::size_t done_ = 0;
  bool enabled_;
  bool drawn_ = false;
  Clock::time_point start_;
  Clock::time_point lastDrawn_{};
};

}  // namespace ventora::cli
