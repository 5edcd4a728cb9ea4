#include "output/workbook_library.h"

#include "core/program_library.h"
#include "output/workbook_entry.h"

// Resolved when the program links the writer directly; null otherwise.
extern "C" ventora::ReportWriter* ventora_open_workbook_report(const std::filesystem::path& path,
                                                               const ventora::NumberLocale& locale)
    __attribute__((weak));

namespace ventora {

std::unique_ptr<ReportWriter> OpenWorkbookReport(const std::filesystem::path& path,
                                                 const NumberLocale& locale) {
  using Entry = ReportWriter* (*)(const std::filesystem::path&, const NumberLocale&);
  Entry open = &ventora_open_workbook_report;
  if (open == nullptr)
    open = reinterpret_cast<Entry>(ProgramLibrarySymbol(kWorkbookLibrary, kWorkbookEntry));
  return std::unique_ptr<ReportWriter>(open(path, locale));
}

}  // namespace ventora
