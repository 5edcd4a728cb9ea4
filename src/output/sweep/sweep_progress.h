#pragma once
// Progress of a long sweep as lines of text (standard error, on the command
// line): nothing during its first second, then a line at most once a
// second, and the last count once any line was shown.

#include <chrono>
#include <cstddef>
#include <functional>
#include <ostream>
#include <utility>

namespace ventora {

class SweepProgress {
 public:
  using Clock = std::chrono::steady_clock;
  using Now = std::function<Clock::time_point()>;

  explicit SweepProgress(std::ostream& out, Now now = &Clock::now)
      : out_(out), now_(std::move(now)), start_(now_()) {}

  // Called after each direction (SweepSetup::progress).
  void operator()(std::size_t done, std::size_t total);

 private:
  std::ostream& out_;
  Now now_;
  Clock::time_point start_;
  Clock::time_point lastLine_{};
  bool shown_ = false;
};

}  // namespace ventora
