#include "output/sweep/export_formats.h"

#include <array>
#include <stdexcept>

#include "output/sweep/contam_export.h"
#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/cp_status.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/facade_profiles.h"
#include "output/sweep/modelica_export.h"
#include "output/sweep/sweep_csv_export.h"

namespace ventora {
namespace {

void RefuseIfStrict(const WindSweep& sweep, const ExportSettings& settings, const char* what) {
  if (!settings.strict) return;
  if (const std::string refusal = StrictRefusal(sweep, what); !refusal.empty())
    throw std::invalid_argument(refusal);
}

// The job's header as "#" lines above the table, which pandas.read_csv(...,
// comment="#") and R's read.csv(comment.char = "#") skip.
std::string CsvText(const WindSweep& sweep, const Job& job, const std::string& stem,
                    const ExportSettings& settings, std::string& warning) {
  RefuseIfStrict(sweep, settings, "CSV");
  warning = ExportCpWarning(sweep,
                            "The CSV holds them as computed, marked implausible in its Cp status "
                            "column.",
                            "The CSV holds them as computed; EnergyPlus and CONTAM bound Cp "
                            "to -1..1 (see the README).");
  return CommentedJobHeader(job, stem, settings.info, "# ") + SweepCsv(sweep, job, settings.spread);
}

std::string EnergyPlusText(const WindSweep& sweep, const Job& job, const std::string& stem,
                           const ExportSettings& settings, std::string& warning) {
  const EnergyPlusSettings energyplus{.strict = settings.strict};
  warning = EnergyPlusCpWarning(sweep, energyplus);
  return EnergyPlusIdf(sweep, job, stem, settings.info, energyplus);
}

std::string ContamText(const WindSweep& sweep, const Job& job, const std::string& stem,
                       const ExportSettings& settings, std::string& warning) {
  RefuseIfStrict(sweep, settings, "CONTAM profile file");
  warning = ContamCpWarning(sweep);
  return ContamProfiles(sweep, job, stem, settings.info, {settings.step, settings.contamFirst});
}

std::string ModelicaText(const WindSweep& sweep, const Job& job, const std::string& stem,
                         const ExportSettings& settings, std::string& warning) {
  RefuseIfStrict(sweep, settings, "Modelica package");
  warning = ModelicaCpWarning(sweep);
  return ModelicaPackage(sweep, job, stem, settings.info, ModelicaPackageName(settings, stem),
                         settings.step);
}

constexpr int kEveryTen = static_cast<int>(kDefaultSweepStep);

constexpr std::array<ExportFormat, 4> kFormats{{
    {"csv", ".sweep.csv", false, kEveryTen, false, &CsvText},
    {"energyplus", ".sweep.idf", false, kEveryTen, false, &EnergyPlusText},
    {"contam", ".sweep.contam.txt", false, kContamDefaultStep, true, &ContamText},
    {"modelica", ".mo", true, kEveryTen, true, &ModelicaText},
}};

}  // namespace

const ExportFormat* FindExportFormat(const std::string& name) {
  for (const ExportFormat& format : kFormats)
    if (name == format.name) return &format;
  return nullptr;
}

std::vector<std::string> ExportFormatNames() {
  std::vector<std::string> names;
  for (const ExportFormat& format : kFormats)
    names.emplace_back(format.name);
  return names;
}

std::string ModelicaPackageName(const ExportSettings& settings, const std::string& stem) {
  return settings.modelicaPackage.empty() ? DefaultModelicaPackage(stem) : settings.modelicaPackage;
}

std::filesystem::path ExportPath(const ExportFormat& format, const std::string& jobName,
                                 const std::string& modelicaPackage) {
  if (!format.namedAfterPackage) return jobName + format.suffix;
  const std::filesystem::path job(jobName);
  const std::string package =
      modelicaPackage.empty() ? DefaultModelicaPackage(job.filename().string()) : modelicaPackage;
  return job.parent_path() / (package + format.suffix);
}

Job ExportSweepJob(const ExportFormat& format, const Job& job) {
  return format.profiles ? ProfileSweepJob(job) : job;
}

std::vector<float> ExportDirections(const ExportFormat& format, int step) {
  return format.profiles ? ProfileDirections(step) : SweepDirections(static_cast<float>(step));
}

}  // namespace ventora
