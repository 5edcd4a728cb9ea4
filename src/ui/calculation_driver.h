#pragma once
// The calculation behind the main window's Run: the run driver with the
// report form the user chose, the user's decimal separator and today's date.

#include "model/number_text.h"
#include "ui/cp_main_form.h"

namespace ventora {

// A RunDriver that runs in the current directory (where "msg.err" goes).
// `numbers` must outlive the driver.
RunDriver CalculationDriver(const NumberText& numbers);

}  // namespace ventora
