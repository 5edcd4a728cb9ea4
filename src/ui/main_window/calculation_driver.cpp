#include "ui/main_window/calculation_driver.h"

#include "output/report_date.h"

namespace ventora {

RunCommand CalculationCommand(const NumberLocale& locale) {
  // Month names are looked up once: the user's locale does not change while
  // the program runs.
  return [locale, months = UserMonthNames()](Job& job, const std::string& jobName, bool excelOutput,
                                             MessageSink& messages) {
    RunCommandSetup setup;
    setup.jobName = jobName;
    setup.form = excelOutput ? ReportForm::Workbook : ReportForm::Text;
    setup.locale = locale;
    setup.months = months;
    setup.now = LocalNow();
    setup.refusalKeepsOldResults = true;
    return RunJobCommand(job, messages, setup);
  };
}

}  // namespace ventora
