#include "run_csv_file.h"

#include <stdexcept>
#include <system_error>

#include "engine/cp_plausibility.h"
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

int WriteRunCsv(const std::string& jobName, const Job& job, const RunResult& run, RunCsvSetup setup,
                std::ostream& out, std::ostream& err) {
  if (setup.strict) {
    for (const ElementStatus& s : run.status) {
      if (s.plausibility != CpPlausibility::Implausible) continue;
      err << "ventora-run: in strict mode no CSV that holds an implausible Cp is written; "
             "nothing was written\n";
      return kExitStopped;
    }
  }
  try {
    WriteExportFile(RunCsvPath(jobName), RunCsv(run, job, setup.spread));
  } catch (const std::runtime_error& e) {
    err << "ventora-run: " << e.what() << '\n';
    return kExitSystemError;
  }
  out << RunCsvPath(jobName).string() << '\n';
  return setup.status;
}

}  // namespace ventora::cli
