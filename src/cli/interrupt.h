#pragma once
// Ctrl+C and SIGTERM in ventora-run. The first signal only asks the run to
// stop: the work under way checks InterruptFlag between its steps and
// unwinds, removing its temporaries, and the program ends with 130 or 143 as
// shells expect. A second signal ends the program at once.

#include <atomic>
#include <ostream>

namespace ventora::cli {

void InstallInterruptHandlers();

bool InterruptRequested();

// For the work that checks it itself (ThrowIfCancelled).
const std::atomic<bool>* InterruptFlag();

// 128 plus the number of the signal received: 130 for SIGINT, 143 for SIGTERM.
int InterruptExitStatus();

// Says that the run was interrupted and that no file was left unfinished.
void ReportInterrupt(std::ostream& err);

}  // namespace ventora::cli
