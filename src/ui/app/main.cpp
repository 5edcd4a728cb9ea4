// The desktop program `ventora`.
#include <QApplication>
#include <QTimer>
#include <clocale>

#include "core/number_text.h"
#include "ui/app/number_format_check.h"
#include "ui/app/qt_message_sink.h"
#include "ui/app/startup_probe.h"
#include "ui/app/ui_resources.h"
#include "ui/app/ventora_main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt adopts the user's locale for the C library; the calculation's number
  // text does its own locale handling and expects the C conventions.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("Ventora");
  QApplication::setDesktopFileName("ventora");
  QApplication::setWindowIcon(ventora::ProgramIcon());

  ventora::NumberText numbers;
  if (numbers.DetectNumberFormat() == ventora::NumberFormatCheck::SeparatorsEqual) {
    ventora::QtMessageSink().Show(
        ventora::Message{"Error", ventora::kSeparatorsEqualMessage, ventora::MsgIcon::Critical});
    return 1;
  }

  ventora::StartOptions options;
  options.programFile = QCoreApplication::applicationFilePath().toStdString();
  options.showTitle = !ventora::StartupProbeRequested();
  auto program = ventora::Main(numbers, options);
  QObject::connect(program->mainForm.get(), &ventora::CPMainForm::programEnded, &app,
                   &QCoreApplication::quit);
  if (ventora::StartupProbeRequested()) ventora::ReportFirstPaintAndQuit(*program->mainForm);
  // A job named on the command line (the file manager's "Open with"), opened
  // once the window is up so that any message appears over it.
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() > 1) {
    const std::string job = arguments.at(1).toStdString();
    QTimer::singleShot(0, program->mainForm.get(),
                       [&program, job] { program->mainForm->OpenJobPath(job); });
  }
  return QApplication::exec();
}
