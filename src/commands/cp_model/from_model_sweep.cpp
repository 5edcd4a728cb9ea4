#include "commands/cp_model/from_model_sweep.h"

#include <cerrno>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "commands/export_fidelity.h"
#include "core/job_file.h"
#include "core/replace_file.h"
#include "idf/cp_model_writer.h"
#include "idf/single_sided.h"
#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/cp_status.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/export_text.h"
#include "output/sweep/reference_wind.h"
#include "output/sweep/sweep_csv_export.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;

// The model's comment header before the new objects.
std::string Header(const Job& job, const std::string& stem, const ExportInfo& info,
                   const std::string& warning, const std::vector<std::string>& fidelity) {
  std::string text =
      "! ---- Wind pressure coefficients of every airflow opening, by ventora-run "
      "--from-idf ----\n";
  for (const std::string& line : JobSummaryLines(job, stem))
    text += "! " + line + "\n";
  for (const std::string& line : ReferenceLines(job, info))
    text += "! " + line + "\n";
  text += "! " + EnergyPlusSiteLine(job, info) + "\n";
  if (!warning.empty()) text += CommentLines(warning, "! ");
  for (const std::string& line : fidelity)
    text += "! " + line + "\n";
  return text + "\n";
}

// The direction arrays and one curve per opening, named in `names`.
std::string Curves(const WindSweep& sweep, const Job& job, const std::string& prefix,
                   const EnergyPlusSettings& settings, std::vector<std::string>& names) {
  std::string curves;
  bool anyTable = false;
  bool anyValues = false;
  for (std::size_t e = 0; e < sweep.elements.size(); ++e)
    (EnergyPlusTableForm(sweep, e, settings) ? anyTable : anyValues) = true;
  if (anyValues) AppendDirectionArray(curves, sweep);
  if (anyTable) AppendTableDirections(curves, sweep);
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    AppendElement(curves, sweep, job, e, prefix, settings);
    names.push_back(IdfElementName(prefix, sweep.elements[e].iface, NumberOnFacade(sweep, e)));
  }
  return curves;
}

// The version's Table:Lookup, which came with EnergyPlus 9.2, or the values
// objects of the versions before it; --tables=all asks for tables.
EnergyPlusSettings ModelEnergyPlusSettings(const CpModelPlan& plan,
                                           const CpModelSettings& settings) {
  EnergyPlusSettings energyPlus{settings.allTables};
  const double version = plan.box.geometry.version;
  if (version >= kTableLookupVersion) return energyPlus;
  const int major = static_cast<int>(version);
  energyPlus.versionWithoutTables =
      std::to_string(major) + "." +
      std::to_string(static_cast<int>(std::lround((version - major) * 100)));
  if (settings.allTables)
    throw idf::IdfError(plan.box.file->path + " is written for EnergyPlus " +
                        energyPlus.versionWithoutTables +
                        ", which has no Table:Lookup (it came with 9.2), so --tables=all cannot be "
                        "kept: leave it out, or update the model to 9.2 or later with EnergyPlus's "
                        "IDFVersionUpdater");
  return energyPlus;
}

}  // namespace

void SweepCpModel(const CpModelPlan& plan, const CpModelSettings& settings, const SweepSetup& setup,
                  CpModelFiles& files) {
  ModelEnergyPlusSettings(plan, settings);  // a refusal comes before the sweep
  const Job& job = plan.job;
  const idf::BoxFit& fit = plan.box.fit;
  const std::string stem = fs::path(plan.box.file->path).stem().string();
  files.notes = plan.notes;
  FaithfulSweep faithful =
      SweepFaithfully(*FindExportFormat("energyplus"), job,
                      SweepDirections(static_cast<float>(settings.step)), settings.step, 0, setup);
  files.sweep = std::move(faithful.sweep);
  WindSweep& sweep = files.sweep;
  CheckEnergyPlusSweep(sweep);
  if (settings.strict && AnyImplausible(sweep))
    throw std::invalid_argument(StrictRefusal(sweep, "EnergyPlus model"));
  if (sweep.elements.size() != fit.openings.size())
    throw std::runtime_error("element count mismatch");
  const EnergyPlusSettings energyPlus = ModelEnergyPlusSettings(plan, settings);
  const std::string curves = Curves(sweep, job, IdfNamePrefix(stem), energyPlus, files.names);
  std::string headerWarning;
  for (const std::string& w : {plan.profileWarning, EnergyPlusCpWarning(sweep, energyPlus),
                               idf::AdvancedSingleSidedWarning(fit)}) {
    if (w.empty()) continue;
    files.warnings.push_back(w);
    headerWarning += (headerWarning.empty() ? "Warning: " : " ") + w;
  }
  ExportInfo info = plan.info;
  info.notes.insert(info.notes.end(), faithful.lines.begin(), faithful.lines.end());
  if (!faithful.warning.empty()) files.warnings.push_back(faithful.warning);
  files.modelText = idf::CpModelText(*plan.box.file, fit,
                                     Header(job, stem, plan.info, headerWarning, faithful.lines),
                                     curves, files.names, job.Bdz, &files.notes);
  // The same "#" header as every sweep CSV.
  files.csv = CommentedJobHeader(job, stem, info, "# ") + SweepCsv(sweep, job);
  files.jobText = JobFileText(job);
}

// All three are written in full before any is renamed into place, so that a
// full disk or a folder that refuses a file leaves every old file as it was.
void WriteCpModelFiles(const fs::path& model, const CpModelFiles& files) {
  const std::vector<fs::path> outputs = CpModelOutputs(model);
  const std::string* texts[] = {&files.jobText, &files.csv, &files.modelText};
  try {
    std::vector<std::unique_ptr<ReplacingFile>> written;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
      written.push_back(std::make_unique<ReplacingFile>(outputs[i]));
      written.back()->Write(*texts[i]);
    }
    // A rename fails mostly over a folder of that name: found before any is made.
    for (const fs::path& path : outputs) {
      std::error_code error;
      if (fs::is_directory(path, error)) throw FileFault(path, EISDIR);
    }
    for (const auto& file : written)
      file->Commit();
  } catch (const FileFault& e) {
    throw std::runtime_error("Cannot write " + std::string(e.what()));
  }
}

}  // namespace ventora
