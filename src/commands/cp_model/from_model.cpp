#include "commands/cp_model/from_model.h"

#include "commands/fixed_text.h"
#include "output/sweep/export_text.h"
#include "output/sweep/reference_wind.h"

namespace ventora {
namespace {

namespace fs = std::filesystem;

// The wind profile the model gives EnergyPlus, and where it comes from:
// Site:HeightVariation's, else its Building Terrain's; none for an unknown
// terrain.
struct ModelProfile {
  WindProfile profile;
  std::string source;
};
std::optional<ModelProfile> ModelWindProfile(const idf::IdfGeometry& geometry) {
  if (geometry.windExponent)
    return ModelProfile{{*geometry.windExponent, geometry.boundaryLayer.value_or(370)},
                        "Site:HeightVariation"};
  if (const Terrain* t = FindTerrain(geometry.terrain))
    return ModelProfile{t->profile, "Building Terrain " + geometry.terrain};
  return std::nullopt;
}

void TakeExponent(const ModelBox& box, const ModelSite& site, CpModelPlan& plan) {
  Job& job = plan.job;
  const std::optional<ModelProfile> own = ModelWindProfile(box.geometry);
  if (site.veexp) {
    job.VeEXP = *site.veexp;
    plan.notes.push_back("VeEXP " + Fixed(job.VeEXP, 3) + " from --veexp");
    if (own && static_cast<float>(own->profile.exponent) != job.VeEXP) {
      plan.profileWarning =
          "--veexp " + NumberString(job.VeEXP) +
          " differs from the model's own wind profile exponent " +
          NumberString(static_cast<float>(own->profile.exponent)) + " (" + own->source +
          "): EnergyPlus computes the wind at the openings with the model's, so the Cp are "
          "referred to another wind than the model gives them; set the model's "
          "Site:HeightVariation to match, or leave --veexp out.";
    }
  } else if (own) {
    job.VeEXP = static_cast<float>(own->profile.exponent);
    if (!plan.info.boundaryLayer) plan.info.boundaryLayer = own->profile.boundaryLayer;
    plan.notes.push_back("VeEXP " + Fixed(job.VeEXP, 3) + " from " + own->source);
  } else {
    throw idf::IdfError(box.file->path + ": Building Terrain '" + box.geometry.terrain +
                        "' is none of EnergyPlus's; give --veexp");
  }
}

}  // namespace

std::shared_ptr<const idf::IdfFile> ReadModel(const fs::path& model) {
  return std::make_shared<const idf::IdfFile>(idf::ReadIdfFile(fs::absolute(model).string()));
}

ModelBox FitModelBox(std::shared_ptr<const idf::IdfFile> file, const idf::FitOptions& options) {
  ModelBox box{std::move(file), {}, {}};
  box.geometry = idf::ReadGeometry(*box.file);
  box.fit = idf::FitBox(*box.file, box.geometry, options);
  return box;
}

std::string SiteNote(float pad, float sbh, const std::string& source) {
  return "PAD " + Fixed(pad, 2) + " % and SbH " + Fixed(sbh, 2) + " m from " + source;
}

CpModelPlan PlanCpModel(const ModelBox& box, const ModelSite& site, ExportInfo info) {
  CpModelPlan plan{box, box.fit.job, std::move(info), {}, {}};
  plan.job.PAD = site.pad;
  plan.job.SbH = site.sbh;
  plan.notes.push_back(SiteNote(site.pad, site.sbh, site.source));
  TakeExponent(box, site, plan);
  const idf::BoxFit& fit = box.fit;
  plan.notes.insert(plan.notes.end(), fit.notes.begin(), fit.notes.end());
  if (fit.interiorSurfaces > 0) {
    plan.notes.push_back(
        std::to_string(fit.interiorSurfaces) +
        " airflow surfaces between zones have no external node and stay as they are");
  }
  plan.notes.push_back("external nodes at the height the Cp are referred to, Bdz = " +
                       Fixed(plan.job.Bdz, 3) + " m, with absolute wind angles");
  return plan;
}

std::vector<fs::path> CpModelOutputs(const fs::path& model) {
  const fs::path absolute = fs::absolute(model);
  const std::string base = (absolute.parent_path() / absolute.stem()).string();
  return {base + ".ventora.in", base + ".ventora.sweep.csv", base + ".cp.idf"};
}

}  // namespace ventora
