#include "interrupt.h"

#include <signal.h>
#include <unistd.h>

#include <csignal>

namespace ventora::cli {
namespace {

// Written by the signal handler, so lock-free and nothing else.
std::atomic<bool> requested{false};
volatile std::sig_atomic_t received = 0;

static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int signal) {
  if (requested.load()) ::_exit(128 + signal);
  received = signal;
  requested.store(true);
}

}  // namespace

void InstallInterruptHandlers() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // Reads and writes under way finish rather than fail with EINTR.
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGINT, SIGTERM})
    ::sigaction(signal, &action, nullptr);
}

bool InterruptRequested() {
  return requested.load();
}

const std::atomic<bool>* InterruptFlag() {
  return &requested;
}

int InterruptExitStatus() {
  return 128 + (received != 0 ? static_cast<int>(received) : SIGINT);
}

void ReportInterrupt(std::ostream& err) {
  err << "ventora-run: interrupted by " << (received == SIGTERM ? "SIGTERM" : "SIGINT")
      << "; no file was left unfinished: files are replaced only whole and the temporaries "
         "were removed\n";
}

}  // namespace ventora::cli
