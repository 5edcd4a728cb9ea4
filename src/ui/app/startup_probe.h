#pragma once
// Start-up timing for the start-up benchmark: when the environment variable
// VENTORA_STARTUP_PROBE is set, the program skips its title window, prints
// "shown <ns>" (CLOCK_REALTIME nanoseconds) once the main window has been
// painted, and quits. Users never set it.

class QWidget;

namespace ventora {

bool StartupProbeRequested();

// Prints the time of `window`'s first paint and then ends the event loop.
void ReportFirstPaintAndQuit(QWidget& window);

}  // namespace ventora
