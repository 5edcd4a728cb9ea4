#pragma once
// Opens the report of a run in the form the user chose.

#include <filesystem>
#include <memory>
#include <string>

#include "core/number_locale.h"
#include "engine/report_writer.h"

namespace ventora {

enum class ReportForm { Text, Workbook };

// The report file of a job: JobName + ".out.txt" or ".out.xls".
std::filesystem::path ReportPath(const std::string& jobName, ReportForm form);

// Throws std::runtime_error when the report cannot be opened.
std::unique_ptr<ReportWriter> OpenReport(ReportForm form, const std::string& jobName,
                                         const NumberLocale& locale);

}  // namespace ventora
