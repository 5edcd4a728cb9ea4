// Runs with the workbook report: what the run driver writes reaches the
// cells, and the text and workbook forms of one run hold the same numbers.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/job_file.h"
#include "core/number_text.h"
#include "engine/run_calculation.h"
#include "job_builders.h"
#include "output/open_report.h"
#include "output/run_command.h"
#include "recording_messages.h"
#include "temp_folder.h"
#include "workbook_cells.h"

namespace ventora {
namespace {

using testing::AddElement;
using testing::BlockJob;
using testing::CellValue;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempFolder;
using testing::WorkbookCells;

// A stand-in model whose Cp varies with the element (including values
// whose last shown digit is a rounding), fails on the floor as the
// dispatcher does, and fails wall 2 with a failure line as a wall model does.
FacadeCpResult VaryingModel(const RunContext& ctx, const FacadeCpInput& in) {
  if (in.facade == Facade::Floor) return {999, 1};
  if (in.facade == Facade::Wall2) {
    ctx.ReportLine("FAR out of range on facade 2");
    return {in.carried.cp, 2};
  }
  return {1.7f * (in.XL - in.ZH) + 0.0125f * static_cast<float>(FacadeIndex(in.facade)),
          in.carried.err};
}

FacadeCpResult SmoothModel(const RunContext&, const FacadeCpInput& in) {
  return {1.7f * (in.XL - in.ZH) + 0.0125f * static_cast<float>(FacadeIndex(in.facade)),
          in.carried.err};
}

Job ValidJob() {
  Job job = BlockJob(12.345f, 270);
  job.PAD = 20.125f;
  job.Islope = 1;
  job.Phi = 3.3f;
  return job;
}

// Facades 1, 3 and 5 with elements, facade 2 and 4 empty.
Job SeveralFacades() {
  Job job = ValidJob();
  AddElement(job, 1, 0.5f, 1.25f);
  AddElement(job, 1, 19.9f, 9.35f);
  AddElement(job, 3, 3.333f, 5);
  AddElement(job, 3, 10, 0.2f);  // clamped to ZH 0.1
  AddElement(job, 3, 17.5f, 7.77f);
  AddElement(job, 5, 4.125f, 2.5f);
  return job;
}

class WorkbookRun : public ::testing::Test {
 protected:
  RunResult Run(const Job& job, ReportForm form, FacadeCpFunction model = &VaryingModel) {
    RunSetup setup;
    setup.jobName = (dir / "halle").string();
    setup.openReport = [&] { return OpenReport(form, setup.jobName, kPointDecimal); };
    setup.dateText = "December 06, 2026 - 9:15";
    setup.facadeCp = model;
    return RunCalculation(job, ctx, setup);
  }
  WorkbookCells Workbook() const { return WorkbookCells(dir / "halle.out.xls"); }

  TempFolder dir;
  RunContext ctx;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<double> Numbers(const std::string& line) {
  std::vector<double> numbers;
  std::istringstream in(line);
  for (std::string token; in >> token;)
    numbers.push_back(std::strtod(token.c_str(), nullptr));
  return numbers;
}

void ExpectNumber(const WorkbookCells& cells, char col, unsigned row, double value) {
  const CellValue cell = cells.At(col, row);
  EXPECT_EQ(cell.kind, CellValue::Number) << col << row;
  EXPECT_EQ(cell.number, value) << col << row;
}

void ExpectText(const WorkbookCells& cells, char col, unsigned row, const std::string& text) {
  const CellValue cell = cells.At(col, row);
  EXPECT_EQ(cell.kind, CellValue::Text) << col << row;
  EXPECT_EQ(cell.text, text) << col << row;
}

// Checks the workbook against the text report of the same run, line by
// line, and returns how many cells the text report accounts for.
std::size_t ExpectSameContent(const std::vector<std::string>& text, const WorkbookCells& cells) {
  std::size_t counted = 1;  // the title
  ExpectText(cells, 'A', 1, text.at(0).substr(2));
  for (unsigned line = 3; line <= 12; ++line) {
    const std::string value = text.at(line - 1).substr(2 + 33);
    if (line == 11) {
      ExpectText(cells, 'F', line, value);
    } else {
      ExpectNumber(cells, 'F', line, std::strtod(value.c_str(), nullptr));
    }
    counted += (line == 5 || line == 11) ? 2 : 3;  // no unit for the exponent and roof type
  }
  counted += 7;  // column titles
  for (unsigned line = 16; line <= text.size(); ++line) {
    const std::string& t = text[line - 1];
    const unsigned row = line - 1;  // the text has a blank line under its column titles
    if (t.empty()) {
      EXPECT_EQ(cells.At('A', row).kind, CellValue::Empty) << row;
    } else if (t.starts_with("  CP average")) {
      const std::string mark = "n\xC2\xB0 ";
      const std::size_t captionEnd = t.find(mark) + mark.size() + 1;  // and the facade digit
      ExpectText(cells, 'A', row, t.substr(2, captionEnd - 2));
      ExpectNumber(cells, 'G', row, std::strtod(t.c_str() + captionEnd, nullptr));
      counted += 2;
    } else if (t.starts_with("    ")) {
      const std::vector<double> n = Numbers(t);
      EXPECT_EQ(n.size(), 7u) << t;
      for (std::size_t i = 0; i < n.size(); ++i)
        ExpectNumber(cells, static_cast<char>('A' + i), row, n[i]);
      counted += 7;
    } else {
      ExpectText(cells, 'A', row, t);
      counted += 1;
    }
  }
  return counted;
}

TEST_F(WorkbookRun, TextAndWorkbookFormsOfOneRunHoldTheSameContent) {
  const Job job = SeveralFacades();
  EXPECT_EQ(Run(job, ReportForm::Text).verdict, RunVerdict::Completed);
  EXPECT_EQ(Run(job, ReportForm::Workbook).verdict, RunVerdict::Completed);
  const std::vector<std::string> text = Lines(ReadBytes(dir / "halle.out.txt"));
  const WorkbookCells cells = Workbook();
  EXPECT_EQ(ExpectSameContent(text, cells), cells.Count());
}

TEST_F(WorkbookRun, SeveralFacadesEachEndWithTheirAverageAndAnEmptyRow) {
  EXPECT_EQ(Run(SeveralFacades(), ReportForm::Workbook).verdict, RunVerdict::Completed);
  const WorkbookCells cells = Workbook();
  const unsigned facadeOfRow[] = {1, 1, 0, 0, 3, 3, 3, 0, 0, 5, 0};  // rows 15 to 25
  for (unsigned row = 15; row <= 25; ++row) {
    const unsigned facade = facadeOfRow[row - 15];
    if (facade != 0) ExpectNumber(cells, 'A', row, facade);
  }
  ExpectNumber(cells, 'B', 19, 3);    // elements are numbered over all facades
  ExpectNumber(cells, 'F', 20, 0.1);  // the clamped ZH
  ExpectNumber(cells, 'D', 20, 1);    // and the Z that goes with it
  ExpectText(cells, 'A', 17, "CP average for  facade n° 1");
  ExpectText(cells, 'A', 22, "CP average for  facade n° 3");
  ExpectText(cells, 'A', 25, "CP average for  facade n° 5");
  for (unsigned row : {18u, 23u})
    for (char col = 'A'; col <= 'G'; ++col)
      EXPECT_EQ(cells.At(col, row).kind, CellValue::Empty) << col << row;
  EXPECT_EQ(cells.Rows(), 25u);
}

TEST_F(WorkbookRun, AFloorElementStopsTheRunAndTheWorkbookHoldsWhatCameBefore) {
  Job job = ValidJob();
  AddElement(job, 1, 5, 5);
  AddElement(job, 6, 5, 5);
  EXPECT_EQ(Run(job, ReportForm::Workbook).verdict, RunVerdict::Stopped);
  const WorkbookCells cells = Workbook();
  ExpectNumber(cells, 'A', 15, 1);
  ExpectText(cells, 'A', 16, "CP average for  facade n° 1");
  EXPECT_EQ(cells.Rows(), 16u);  // no row for the floor element
}

TEST_F(WorkbookRun, AWallFailureLineGoesToTheNextFreeRow) {
  Job job = ValidJob();
  AddElement(job, 1, 5, 5);
  AddElement(job, 2, 5, 5);
  EXPECT_EQ(Run(job, ReportForm::Workbook).verdict, RunVerdict::Stopped);
  const WorkbookCells cells = Workbook();
  ExpectText(cells, 'A', 16, "CP average for  facade n° 1");
  ExpectText(cells, 'A', 18, "FAR out of range on facade 2");
  EXPECT_EQ(cells.Rows(), 18u);
}

TEST_F(WorkbookRun, AParameterStopLeavesAnEmptySheet) {
  Job job = ValidJob();
  job.AzB = 360.5f;
  AddElement(job, 1, 5, 5);
  EXPECT_EQ(Run(job, ReportForm::Workbook).verdict, RunVerdict::Stopped);
  EXPECT_EQ(Workbook().Count(), 0u);
}

TEST_F(WorkbookRun, AJobWithoutElementsHasTheHeaderAndColumnTitlesOnly) {
  EXPECT_EQ(Run(ValidJob(), ReportForm::Workbook).verdict, RunVerdict::Completed);
  const WorkbookCells cells = Workbook();
  EXPECT_EQ(cells.Count(), 1u + 28 + 7);
  EXPECT_EQ(cells.Rows(), 14u);
  ExpectText(cells, 'G', 14, "CP");
}

TEST_F(WorkbookRun, TwoThousandElementsReadBackWhole) {
  Job job = ValidJob();
  for (int iface = 1; iface <= 5; ++iface) {
    const FacadeExtents ext = FacadeExtent(job, iface);
    for (int i = 0; i < kMaxElements; ++i)
      AddElement(job, iface, ext.L * static_cast<float>(i % 20) / 20,
                 ext.H * (0.1f + 0.04f * static_cast<float>(i / 20)));
  }
  EXPECT_EQ(Run(job, ReportForm::Text, &SmoothModel).verdict, RunVerdict::Completed);
  EXPECT_EQ(Run(job, ReportForm::Workbook, &SmoothModel).verdict, RunVerdict::Completed);
  const WorkbookCells cells = Workbook();
  EXPECT_EQ(cells.Rows(), 14u + 2000u + 5 * 2 - 1);  // the last empty row holds nothing
  EXPECT_EQ(cells.Count(), 1u + 28 + 7 + 2000 * 7 + 5 * 2);
  for (unsigned k = 1; k <= 2000; ++k) {
    const unsigned facade = (k - 1) / kMaxElements + 1;
    ExpectNumber(cells, 'B', 14 + k + 2 * (facade - 1), k);
  }
  const std::vector<std::string> text = Lines(ReadBytes(dir / "halle.out.txt"));
  EXPECT_EQ(ExpectSameContent(text, cells), cells.Count());
}

// The Run command on the example jobs, with the real facade models.
class WorkbookCommand : public ::testing::Test {
 protected:
  RunOutcome RunExample(const std::string& name, ReportForm form) {
    const std::filesystem::path examples = std::getenv("VENTORA_EXAMPLES");
    std::filesystem::copy_file(examples / (name + ".in"), dir / (name + ".in"),
                               std::filesystem::copy_options::overwrite_existing);
    NumberText numbers(kPointDecimal);
    numbers.DetectNumberFormat();
    Job job = ReadJobFile((dir / (name + ".in")).string(), numbers);
    return RunJob(job, (dir / name).string(), form);
  }
  RunOutcome RunJob(Job& job, const std::string& jobName, ReportForm form) {
    RunCommandSetup setup;
    setup.jobName = jobName;
    setup.form = form;
    setup.locale = kPointDecimal;
    return RunJobCommand(job, messages, setup).outcome;
  }

  TempFolder dir;
  RecordingMessages messages;
};

TEST_F(WorkbookCommand, ExampleJobsGiveTheSameNumbersInBothForms) {
  for (const std::string name : {"low-house", "office-block"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(RunExample(name, ReportForm::Text), RunOutcome::Completed);
    // The next run deletes both old results first.
    const std::string text = ReadBytes(dir / (name + ".out.txt"));
    ASSERT_EQ(RunExample(name, ReportForm::Workbook), RunOutcome::Completed);
    EXPECT_FALSE(std::filesystem::exists(dir / (name + ".out.txt")));
    const WorkbookCells cells(dir / (name + ".out.xls"));
    EXPECT_GT(cells.Rows(), 15u);
    EXPECT_EQ(ExpectSameContent(Lines(text), cells), cells.Count());
    EXPECT_TRUE(messages.shown.empty());
  }
}

TEST_F(WorkbookCommand, AWorkbookThatCannotBeWrittenIsOneErrorMessage) {
  Job job = ValidJob();
  AddElement(job, 1, 5, 5);
  const std::string jobName = (dir / "gone" / "halle").string();
  EXPECT_EQ(RunJob(job, jobName, ReportForm::Workbook), RunOutcome::SystemError);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error");
  EXPECT_EQ(messages.shown[0].text,
            "Cannot write the workbook \"" + jobName + ".out.xls\": No such file or directory");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace ventora
