#include "ui/app/ventora_main.h"

#include <QApplication>
#include <QScreen>

#include "core/settings_file.h"
#include "ui/app/screen_metrics.h"
#include "ui/main_window/calculation_driver.h"
#include "ui/main_window/edit_command.h"

namespace ventora {

std::unique_ptr<VentoraProgram> Main(NumberText& numbers, const StartOptions& options) {
  auto program = std::make_unique<VentoraProgram>(numbers);
  const std::filesystem::path settings =
      SettingsFilePath(options.programFile, ConfigEnvironmentFromProcess());
  std::string settingsWarning;
  RestoreLastDir(settings, &settingsWarning);
  const ScreenMetrics metrics =
      InitScreenMetrics(*QGuiApplication::primaryScreen(), *QApplication::style());

  program->title = std::make_unique<CpTitle>();
  if (options.showTitle) program->title->ShowAtStartUp(kTitleIntervalMs);

  MainFormServices services;
  services.messages = &program->messages;
  services.dialogs = &program->dialogs;
  services.opener = &program->opener;
  services.numbers = &numbers;
  services.run = CalculationCommand(numbers.Locale());
  services.settingsFile = settings.string();
  program->mainForm =
      std::make_unique<CPMainForm>(std::move(services), metrics, program->title.get());
  ui::ConnectEditing(*program->mainForm);
  program->messages.SetParent(program->mainForm.get());
  program->dialogs.SetParent(program->mainForm.get());
  // Where the user left it, or where the window manager puts it.
  program->mainForm->show();
  if (!settingsWarning.empty())
    program->messages.Show(Message{"Warning", settingsWarning, MsgIcon::Exclamation});
  return program;
}

}  // namespace ventora
