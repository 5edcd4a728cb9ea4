#pragma once
// The command behind the main window's Run: the shared run command with the
// report form the user chose, the user's number format and today's date.

#include "core/number_locale.h"
#include "ui/main_window/cp_main_form.h"

namespace ventora {

// The report goes beside the job, whatever the current directory.
RunCommand CalculationCommand(const NumberLocale& locale);

}  // namespace ventora
