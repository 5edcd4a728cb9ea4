#include "output/open_report.h"

#include "output/text_report_writer.h"
#include "output/workbook_library.h"

namespace ventora {

std::filesystem::path ReportPath(const std::string& jobName, ReportForm form) {
  return std::filesystem::path(jobName + (form == ReportForm::Workbook ? ".out.xls" : ".out.txt"));
}

std::unique_ptr<ReportWriter> OpenReport(ReportForm form, const std::string& jobName,
                                         const NumberLocale& locale) {
  if (form == ReportForm::Workbook) return OpenWorkbookReport(ReportPath(jobName, form), locale);
  return std::make_unique<TextReportWriter>(ReportPath(jobName, form), locale);
}

}  // namespace ventora
