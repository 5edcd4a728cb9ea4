#pragma once
// The one entry of the workbook writer's loadable library, also linked
// directly into the programs that keep libgsf loaded anyway (the desktop
// program, the tests).

#include <filesystem>

#include "core/number_locale.h"
#include "engine/report_writer.h"

extern "C" {

// A new WorkbookReportWriter, owned by the caller.
ventora::ReportWriter* ventora_open_workbook_report(const std::filesystem::path& path,
                                                    const ventora::NumberLocale& locale);
}

namespace ventora {

// What the program looks up in its library folder.
inline constexpr const char* kWorkbookEntry = "ventora_open_workbook_report";
inline constexpr const char* kWorkbookLibrary = "libventora-workbook.so";

}  // namespace ventora
