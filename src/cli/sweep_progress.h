#pragma once
// Progress of a long sweep on standard error: nothing during its first
// second, then a line at most once a second, and the last count.

#include <chrono>
#include <cstddef>
#include <ostream>

namespace ventora::cli {

class SweepProgress {
 public:
  using Clock = std::chrono::steady_clock;
  explicit SweepProgress(std::ostream& err) : err_(err), start_(Clock::now()) {}
  void operator()(std::size_t done, std::size_t total);

 private:
  std::ostream& err_;
  Clock::time_point start_;
  Clock::time_point lastLine_{};
  bool shown_ = false;
};

}  // namespace ventora::cli
