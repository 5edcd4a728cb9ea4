#pragma once
// Opens a workbook report without linking libgsf into every program: the
// writer comes from the program itself when it links it (see
// workbook_entry.h), else from its library folder on first use.

#include <filesystem>
#include <memory>

#include "core/number_locale.h"
#include "engine/report_writer.h"

namespace ventora {

// Throws std::runtime_error naming the library file when it is missing.
std::unique_ptr<ReportWriter> OpenWorkbookReport(const std::filesystem::path& path,
                                                 const NumberLocale& locale);

}  // namespace ventora
