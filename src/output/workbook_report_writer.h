#pragma once
// The report as an Excel 97-2003 workbook (".out.xls"): the content of the
// text report laid out in cells, numbers as numbers. Cells are collected
// while the run goes on; Close writes the workbook beside the final file and
// renames it into place, so the final name never holds a partial workbook.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/number_locale.h"
#include "engine/report_writer.h"
#include "output/shown_numbers.h"
#include "output/xls/biff8_sheet.h"

namespace ventora {

class WorkbookReportWriter : public ReportWriter {
 public:
  WorkbookReportWriter(std::filesystem::path finalPath, NumberLocale locale);

  void WriteHeader(const Job& job, const std::string& jobName,
                   const std::string& dateText) override;
  void WriteColumnHeader() override;
  void WriteElement(const ElementResult& element) override;
  void WriteAverage(std::int16_t iface, float average) override;
  // A wall model's failure line: a text in column A of the next free row.
  void WriteLine(const std::string& line) override;
  // Throws std::runtime_error with a message for the user when the workbook
  // cannot be written; the final name is then left as it was.
  void Close() override;

 private:
  void Text(char column, int row, std::string_view text);
  // The value as the text report shows it with `pattern`, as a number.
  void Number(char column, int row, double value, std::string_view pattern);

  std::filesystem::path finalPath_;
  std::string decimalSep_;
  ShownNumbers shown_;
  Biff8Sheet sheet_;
  int nextRow_ = 2;  // 1-based, the first row not yet written
  bool closed_ = false;
};

}  // namespace ventora
