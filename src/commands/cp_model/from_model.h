#pragma once
// From an EnergyPlus model to its Cp model, in the steps both ventora-run
// --from-idf and the desktop program's "From an EnergyPlus model…" take, so
// that both write the same three files: the model read and its box fitted;
// the surroundings and the wind profile added to the job, with every
// assumption said; then (from_model_sweep.h) the sweep and the files' text.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/job.h"
#include "idf/box_fit.h"
#include "idf/idf_text.h"
#include "output/sweep/export_job_summary.h"

namespace ventora {

// The model and its fitted box. The openings point into `file`, which the
// pointer keeps where it is.
struct ModelBox {
  std::shared_ptr<const idf::IdfFile> file;
  idf::IdfGeometry geometry;
  idf::BoxFit fit;
};

// Throws IdfError when the model cannot be read (ventora-run's status 1).
std::shared_ptr<const idf::IdfFile> ReadModel(const std::filesystem::path& model);

// Throws IdfError naming what keeps the model from a box (status 2).
ModelBox FitModelBox(std::shared_ptr<const idf::IdfFile> file, const idf::FitOptions& options);

// What the user gives besides the fit.
struct ModelSite {
  float pad = 0;               // %
  float sbh = 0;               // m
  std::string source;          // where PAD and SbH come from, for the summary
  std::optional<float> veexp;  // the exponent, when not the model's own
};

// The job swept for the model, and what was assumed to make it.
struct CpModelPlan {
  ModelBox box;
  Job job;
  ExportInfo info;
  std::string profileWarning;      // --veexp other than the model's own, or empty
  std::vector<std::string> notes;  // the summary's assumptions
};

// Throws IdfError when the model's terrain is none of EnergyPlus's and no
// exponent is given.
CpModelPlan PlanCpModel(const ModelBox& box, const ModelSite& site, ExportInfo info);

// The files written beside `model`: the job, the sweep's CSV and the model
// with the Cp linked, in that order.
std::vector<std::filesystem::path> CpModelOutputs(const std::filesystem::path& model);

// "PAD 20.00 % and SbH 10.00 m from SOURCE": the summary's first assumption.
std::string SiteNote(float pad, float sbh, const std::string& source);

}  // namespace ventora
