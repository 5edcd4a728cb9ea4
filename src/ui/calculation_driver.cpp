#include "ui/calculation_driver.h"

#include "calc/open_report.h"
#include "calc/report_date.h"
#include "calc/run_calculation.h"

namespace ventora {

RunDriver CalculationDriver(const NumberText& numbers) {
  // Month names are looked up once: the user's locale does not change while
  // the program runs.
  return [&numbers, months = UserMonthNames()](JobDocument& document, bool excelOutput,
                                               MessageSink& messages) {
    const ReportForm form = excelOutput ? ReportForm::Workbook : ReportForm::Text;
    RunSetup setup;
    setup.jobName = document.JobName;
    setup.dateText = FormatReportDate(LocalNow(), months);
    setup.openReport = [form, &document, &numbers] {
      return OpenReport(form, document.JobName, numbers.DecimalSep());
    };
    RunContext ctx;
    ctx.messages = &messages;
    SetQuietMode(ctx);
    RunCalculation(document.job, ctx, setup);
  };
}

}  // namespace ventora
