#include "energyplus_jobs_file.h"

#include <vector>

#include "output/sweep/energyplus_fragment.h"
#include "run_job_file.h"
#include "sweep_job_file.h"

namespace ventora::cli {
namespace {

namespace fs = std::filesystem;

std::string Stem(const std::string& job) {
  fs::path path(job);
  if (path.extension() == ".in") path.replace_extension();
  return path.filename().string();
}

}  // namespace

fs::path EnergyPlusOutputPath(const CliOptions& options) {
  if (!options.output.empty()) return fs::absolute(options.output);
  fs::path first = fs::absolute(options.jobs.front());
  if (first.extension() == ".in") first.replace_extension();
  return first.string() + (options.jobs.size() > 1 ? ".sweeps.idf" : ".sweep.idf");
}

int RunEnergyPlusSweeps(const CliOptions& options, std::ostream& out, std::ostream& err) {
  std::vector<std::string> stems;
  for (const std::string& job : options.jobs)
    stems.push_back(Stem(job));
  if (const std::string clash = IdfNameClash(stems); !clash.empty()) {
    err << "ventora-run: " << clash << '\n';
    return kExitSystemError;
  }
  const fs::path path = EnergyPlusOutputPath(options);
  std::vector<SweptJob> swept;
  swept.reserve(options.jobs.size());
  const CliOptions cleared = WithStaleTemporariesRemoved(options);
  for (const std::string& job : options.jobs) {
    int status = kExitSystemError;
    std::optional<SweptJob> one = SweepJob(cleared, job, err, status);
    if (!one) return status;
    swept.push_back(std::move(*one));
  }
  std::vector<JobSweep> jobs;
  for (const SweptJob& s : swept)
    jobs.push_back(JobSweep{s.swept.sweep, s.swept.job, s.stem});
  const EnergyPlusSettings settings{options.allTables, options.strict};
  const int status = WriteExportAt(
      path,
      [&] {
        ExportInfo info = CliExportInfo(options);
        for (const SweptJob& s : swept) {
          info.notes.insert(info.notes.end(), s.loaded.surroundings.headerLines.begin(),
                            s.loaded.surroundings.headerLines.end());
          for (const std::string& line : s.swept.fidelity)
            info.notes.push_back(swept.size() > 1 ? s.stem + ": " + line : line);
        }
        return EnergyPlusFragment(jobs, info, settings);
      },
      err);
  if (status != kExitCompleted) return status;
  if (const std::string clash = EnergyPlusProfileClash(jobs, CliExportInfo(options));
      !clash.empty())
    err << "ventora-run: warning: " << clash << '\n';
  for (const SweptJob& s : swept) {
    const std::string warning = EnergyPlusCpWarning(s.swept.sweep, settings);
    if (!warning.empty()) err << "ventora-run: warning: " << s.stem << ": " << warning << '\n';
    if (!s.swept.fidelityWarning.empty())
      err << "ventora-run: warning: " << s.stem << ": " << s.swept.fidelityWarning << '\n';
  }
  out << path.string() << '\n';
  return kExitCompleted;
}

}  // namespace ventora::cli
