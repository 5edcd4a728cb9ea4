#include "batch_progress.h"

#include <cstdio>

namespace ventora::cli {

BatchProgress::BatchProgress(std::ostream& out, std::size_t total, bool enabled)
    : out_(out), total_(total), enabled_(enabled), start_(Clock::now()) {}

std::string BatchProgress::Line(Clock::time_point now) const {
  const double seconds = std::chrono::duration<double>(now - start_).count();
  const double rate = seconds > 0 ? static_cast<double>(done_) / seconds : 0;
  char text[128];
  if (rate > 0) {
    const double left = static_cast<double>(total_ - done_) / rate;
    std::snprintf(text, sizeof text, "%zu of %zu jobs done, %.1f jobs/s, %.0f s left", done_,
                  total_, rate, left);
  } else {
    std::snprintf(text, sizeof text, "%zu of %zu jobs done", done_, total_);
  }
  return text;
}

void BatchProgress::Wipe() {
  if (!drawn_) return;
  out_ << "\r\033[K" << std::flush;
  drawn_ = false;
}

void BatchProgress::JobDone() {
  ++done_;
  if (!enabled_) return;
  // Thousands of short jobs: the line is drawn ten times a second at most,
  // or again at once after a message wiped it.
  const Clock::time_point now = Clock::now();
  if (drawn_ && now - lastDrawn_ < std::chrono::milliseconds(100) && done_ < total_) return;
  out_ << "\r\033[K" << Line(now) << std::flush;
  drawn_ = true;
  lastDrawn_ = now;
}

void BatchProgress::Finish() {
  Wipe();
}

}  // namespace ventora::cli
