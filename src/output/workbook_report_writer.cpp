#include "output/workbook_report_writer.h"

#include <algorithm>
#include <array>
#include <utility>

#include "output/format_right.h"
#include "output/text_report_writer.h"
#include "output/xls/biff8_workbook.h"
#include "output/xls/ole2_workbook_file.h"

namespace ventora {
namespace {

constexpr int kFirstParameterRow = 3;
constexpr int kColumnTitleRow = 14;
constexpr char kLastTitleColumn = 'G';
constexpr std::array<std::string_view, 7> kColumnTitles{"Facade", "Element", "X", "Z",
                                                        "X/L",    "Z/H",     "CP"};
// "n°" in UTF-8.
constexpr std::string_view kAverageCaption = "CP average for  facade n\xC2\xB0 ";
constexpr std::string_view kParameterPattern = "##0.00";

struct ParameterRow {
  std::string_view label;
  float Job::*value;  // null for the roof type, which is a word
  std::string_view unit;
};

constexpr std::array<ParameterRow, 10> kParameterRows{{
    {"Azimuth Angle of the Building:", &Job::AzB, "deg."},
    {"Wind Direction:", &Job::AnWind, "deg."},
    {"Wind Velocity Profile Exponent:", &Job::VeEXP, ""},
    {"Plan Area Density:", &Job::PAD, "%"},
    {"Surronding Buildings' Height:", &Job::SbH, "m"},
    {"Height of the Building:", &Job::Bdz, "m"},
    {"Lenght of the Building:", &Job::BdX, "m"},
    {"Width of the Building:", &Job::BdY, "m"},
    {"Roof Type:", nullptr, ""},
    {"Roof Tilt Angle:", &Job::Phi, "deg."},
}};

std::string_view TrimmedLeft(std::string_view text) {
  return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

}  // namespace

WorkbookReportWriter::WorkbookReportWriter(std::filesystem::path finalPath, NumberLocale locale)
    : finalPath_(std::move(finalPath)), decimalSep_(1, locale.decimal), shown_(locale) {}

void WorkbookReportWriter::Text(char column, int row, std::string_view text) {
  sheet_.SetText(row - 1, column - 'A', text);
}

void WorkbookReportWriter::Number(char column, int row, double value, std::string_view pattern) {
  // A value whose shown text is not a number keeps that text, rather than
  // turning into a silent 0.
  if (const std::optional<double> number = shown_.Value(value, pattern))
    sheet_.SetNumber(row - 1, column - 'A', *number);
  else
    Text(column, row, TrimmedLeft(shown_.Text(value, pattern)));
}

void WorkbookReportWriter::WriteHeader(const Job& job, const std::string& jobName,
                                       const std::string& dateText) {
  Text('A', 1, "File Name: " + jobName + " - Date: " + dateText);
  int row = kFirstParameterRow;
  for (const ParameterRow& p : kParameterRows) {
    Text('A', row, p.label);
    if (p.value != nullptr)
      Number('F', row, job.*(p.value), kParameterPattern);
    else
      Text('F', row, RoofTypeWord(job.Islope));
    Text('G', row, p.unit);
    ++row;
  }
  nextRow_ = row + 1;  // an empty row before the column titles
}

void WorkbookReportWriter::WriteColumnHeader() {
  char column = 'A';
  for (std::string_view title : kColumnTitles)
    Text(column++, kColumnTitleRow, title);
  static_assert(kColumnTitles.size() == kLastTitleColumn - 'A' + 1);
  nextRow_ = kColumnTitleRow + 1;
}

void WorkbookReportWriter::WriteElement(const ElementResult& e) {
  const int row = nextRow_++;
  Number('A', row, e.iface, "#");
  Number('B', row, e.k, "###0");
  Number('C', row, e.X, "##0.00");
  Number('D', row, e.Z, "##0.00");
  Number('E', row, e.XL, "##0.00");
  Number('F', row, e.ZH, "##0.00");
  Number('G', row, e.Cp, "##0.000");
}

void WorkbookReportWriter::WriteAverage(std::int16_t iface, float average) {
  const int row = nextRow_;
  Text('A', row, std::string(kAverageCaption) + FormatRight(iface, "#", decimalSep_));
  Number('G', row, average, "###0.000");
  nextRow_ = row + 2;  // the row after an average stays empty
}

void WorkbookReportWriter::WriteLine(const std::string& line) {
  Text('A', nextRow_++, line);
}

void WorkbookReportWriter::Close() {
  if (closed_) return;
  SaveWorkbookFile(finalPath_, BuildBiff8Workbook(sheet_, "Sheet1"));
  closed_ = true;
}

}  // namespace ventora
