#include "output/sweep/sweep_progress.h"

namespace ventora {

void SweepProgress::operator()(std::size_t done, std::size_t total) {
  using std::chrono::seconds;
  const Clock::time_point now = now_();
  const bool due =
      shown_ ? (now - lastLine_ >= seconds(1) || done == total) : now - start_ >= seconds(1);
  if (!due) return;
  out_ << "ventora-run: " << done << " of " << total << " wind directions computed\n" << std::flush;
  shown_ = true;
  lastLine_ = now;
}

}  // namespace ventora
