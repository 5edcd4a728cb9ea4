#include "output/workbook_entry.h"

#include "output/workbook_report_writer.h"

ventora::ReportWriter* ventora_open_workbook_report(const std::filesystem::path& path,
                                                    const ventora::NumberLocale& locale) {
  return new ventora::WorkbookReportWriter(path, locale);
}
