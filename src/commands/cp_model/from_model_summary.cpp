#include "commands/cp_model/from_model_summary.h"

#include <algorithm>
#include <filesystem>

#include "commands/fixed_text.h"
#include "output/sweep/energyplus_export.h"

namespace ventora {
namespace {

const char* RoofWord(std::int16_t Islope) {
  return Islope == 0 ? "flat" : Islope == 1 ? "single slope" : "double slope";
}

// How far the opening's wall stands from its facade of the fitted
// rectangle, and whether that makes it set back.
std::string WallDistance(const idf::FittedOpening& o) {
  if (!o.onWall) return "";
  if (o.setBack < -idf::kPlaneTolerance)
    return ", wall " + LengthText(-o.setBack) + " in front of the face";
  std::string text = ", wall " + LengthText(std::max(0.0, o.setBack)) + " behind the face";
  if (o.setBack > idf::kSetBackLimit)
    text += " (set back more than " + LengthText(idf::kSetBackLimit) +
            ": in the lee of the building's own wing, where the flat facade's Cp is only "
            "an estimate)";
  return text;
}

// The lowest and highest Cp of element e over the completed directions.
std::string CpRange(const WindSweep& sweep, std::size_t e) {
  float lo = 0;
  float hi = 0;
  bool first = true;
  for (const SweepDirection& d : sweep.directions) {
    if (!d.completed) continue;
    lo = first ? d.Cp[e] : std::min(lo, d.Cp[e]);
    hi = first ? d.Cp[e] : std::max(hi, d.Cp[e]);
    first = false;
  }
  return ", Cp " + Fixed(lo, 3) + " .. " + Fixed(hi, 3);
}

}  // namespace

std::vector<std::string> BoxLines(const Job& job) {
  std::string box = "Box: AzB " + Fixed(job.AzB, 2) + " deg., BdX " + Fixed(job.BdX, 3) +
                    " m, BdY " + Fixed(job.BdY, 3) + " m, Bdz " + Fixed(job.Bdz, 3) + " m, " +
                    RoofWord(job.Islope) + " roof";
  if (job.Islope != 0) box += " tilted " + Fixed(job.Phi, 2) + " deg.";
  std::vector<std::string> lines{box};
  for (int i = 1; i <= 4; ++i)
    lines.push_back("  wall " + std::to_string(i) + " faces " + Fixed(WallAzimuth(job, i), 2) +
                    " deg.");
  return lines;
}

std::vector<std::string> OpeningNames(const CpModelPlan& plan) {
  const std::string prefix =
      IdfNamePrefix(std::filesystem::path(plan.box.file->path).stem().string());
  std::vector<std::string> names;
  for (const idf::FittedOpening& o : plan.box.fit.openings)
    names.push_back(IdfElementName(prefix, o.facade, o.element));
  return names;
}

std::vector<std::string> OpeningLines(const CpModelPlan& plan,
                                      const std::vector<std::string>& names,
                                      const WindSweep* sweep) {
  const std::vector<idf::FittedOpening>& openings = plan.box.fit.openings;
  std::vector<std::string> lines{"Openings (" + std::to_string(openings.size()) + "):"};
  for (std::size_t e = 0; e < openings.size(); ++e) {
    const idf::FittedOpening& o = openings[e];
    const auto f = static_cast<std::size_t>(o.facade);
    const auto k = static_cast<std::size_t>(o.element);
    const float X = sweep != nullptr ? sweep->elements[e].X : plan.job.ElmX[f][k];
    lines.push_back("  " + o.surface + ": facade " + std::to_string(o.facade) + ", element " +
                    std::to_string(o.element) + " (" + names[e] + "), X " + Fixed(X, 2) + " m, " +
                    (o.facade == 5 ? "Y " : "Z ") + Fixed(plan.job.ElmZ[f][k], 2) + " m" +
                    (sweep != nullptr ? CpRange(*sweep, e) : "") + WallDistance(o));
    for (const std::string& remark : o.remarks)
      lines.push_back("      " + remark);
  }
  return lines;
}

std::string CpModelSummary(const CpModelPlan& plan, const CpModelFiles& files) {
  std::string text;
  for (const std::string& line : BoxLines(plan.job))
    text += line + "\n";
  for (const std::string& line : OpeningLines(plan, files.names, &files.sweep))
    text += line + "\n";
  text += "Assumptions:\n";
  for (const std::string& note : files.notes)
    text += "  - " + note + "\n";
  return text;
}

}  // namespace ventora
