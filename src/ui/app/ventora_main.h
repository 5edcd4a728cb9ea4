#pragma once
// Start-up: the last directory, the screen's metrics, the title window for a
// few seconds, then the main window, whose events run the program.

#include <filesystem>
#include <memory>

#include "core/number_text.h"
#include "ui/app/cp_title.h"
#include "ui/app/document_opener.h"
#include "ui/app/qt_file_dialogs.h"
#include "ui/app/qt_message_sink.h"
#include "ui/main_window/cp_main_form.h"

namespace ventora {

struct StartOptions {
  std::filesystem::path programFile;  // the executable; the settings file lies beside it
  bool showTitle = true;              // false only when a test measures start-up
};

// Everything the running program is made of; lives until the program ends.
struct VentoraProgram {
  explicit VentoraProgram(NumberText& numberText) : numbers(numberText) {}

  NumberText& numbers;
  QtMessageSink messages;
  QtFileDialogs dialogs;
  DesktopDocumentOpener opener;
  std::unique_ptr<CpTitle> title;
  std::unique_ptr<CPMainForm> mainForm;
};

// Restores the last directory, shows the title window (modal, 5 s or until
// OK) and then the main window at the screen's top left corner. Needs a
// QApplication.
std::unique_ptr<VentoraProgram> Main(NumberText& numbers, const StartOptions& options);

}  // namespace ventora
