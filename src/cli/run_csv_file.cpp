#include "run_csv_file.h"

#include <stdexcept>
#include <system_error>

#include "output/sweep/export_text.h"
#include "output/sweep/sweep_csv_export.h"
#include "run_job_file.h"

namespace ventora::cli {

std::filesystem::path RunCsvPath(const std::string& jobName) {
  return jobName + ".out.csv";
}

bool DeleteRunCsv(const std::string& jobName, std::ostream& err) {
  std::error_code error;
  std::filesystem::remove(RunCsvPath(jobName), error);
  if (!error) return true;
  err << "ventora-run: cannot delete the old \"" << RunCsvPath(jobName).string()
      << "\": " << error.message() << '\n';
  return false;
}

int WriteRunCsv(const std::string& jobName, const Job& job, const RunResult& run, int status,
                std::ostream& out, std::ostream& err) {
  try {
    WriteExportFile(RunCsvPath(jobName), RunCsv(run, job));
  } catch (const std::runtime_error& e) {
    err << "ventora-run: " << e.what() << '\n';
    return kExitSystemError;
  }
  out << RunCsvPath(jobName).string() << '\n';
  return status;
}

}  // namespace ventora::cli
