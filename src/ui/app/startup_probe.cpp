#include "ui/app/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace ventora {
namespace {

class FirstPaintWatcher : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      std::printf("shown %lld\n",
                  static_cast<long long>(
                      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
      std::fflush(stdout);
      // exit(), not quit(): quit() closes the windows, which would remember
      // the current directory as if the user had left.
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

bool StartupProbeRequested() {
  return qEnvironmentVariableIsSet("VENTORA_STARTUP_PROBE");
}

void ReportFirstPaintAndQuit(QWidget& window) {
  window.installEventFilter(new FirstPaintWatcher(&window));
}

}  // namespace ventora
