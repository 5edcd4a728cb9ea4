#include "output/sweep/energyplus_fragment.h"

#include <stdexcept>

#include "core/ascii_case.h"
#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/cp_status.h"
#include "output/sweep/export_text.h"
#include "output/sweep/reference_wind.h"

namespace ventora {
namespace {

constexpr const char* kSettings =
    "Settings the model needs: AirflowNetwork:SimulationControl with Wind Pressure Coefficient "
    "Type Input and Height Selection for Local Wind Pressure Calculation ExternalNode; one "
    "AirflowNetwork:MultiZone:ExternalNode per element, its Wind Pressure Coefficient Curve Name "
    "the element's name below, Wind Angle Type Absolute, Symmetric Wind Pressure Coefficient "
    "Curve No and External Node Height the job's BdZ (the height the Cp are referred to); each "
    "AirflowNetwork:MultiZone:Surface names its element's node as External Node Name.";

constexpr const char* kConvention =
    "Angle convention: directions are absolute, the compass direction the wind comes from as "
    "AnWind (0 north, 90 east); element names are <job>_F<facade>_E<element number>, the "
    "elements numbered from 1 on each facade as the facade editor numbers them.";

void CheckSameDirections(const std::vector<JobSweep>& jobs) {
  for (const JobSweep& j : jobs) {
    try {
      CheckEnergyPlusSweep(j.sweep);
    } catch (const std::invalid_argument& e) {
      if (jobs.size() == 1) throw;
      throw std::invalid_argument(j.stem + ": " + e.what());
    }
    bool same = j.sweep.directions.size() == jobs.front().sweep.directions.size();
    for (std::size_t d = 0; same && d < j.sweep.directions.size(); ++d)
      same = j.sweep.directions[d].AnWind == jobs.front().sweep.directions[d].AnWind;
    if (!same) {
      throw std::invalid_argument("The jobs " + jobs.front().stem + " and " + j.stem +
                                  " were swept at different wind directions; one EnergyPlus "
                                  "model takes one set.");
    }
  }
}

std::string Warnings(const std::vector<JobSweep>& jobs, const ExportInfo& info,
                     const EnergyPlusSettings& settings) {
  std::string text = EnergyPlusProfileClash(jobs, info);
  if (!text.empty()) text += " ";
  for (const JobSweep& j : jobs) {
    const std::string warning = EnergyPlusCpWarning(j.sweep, settings);
    if (!warning.empty()) text += (jobs.size() > 1 ? j.stem + ": " : "") + warning + " ";
  }
  return text;
}

// Whether any element takes the table form (`table`) or the values form.
bool AnyInForm(const std::vector<JobSweep>& jobs, const EnergyPlusSettings& settings, bool table) {
  for (const JobSweep& j : jobs)
    for (std::size_t e = 0; e < j.sweep.elements.size(); ++e)
      if (EnergyPlusTableForm(j.sweep, e, settings) == table) return true;
  return false;
}

void Header(std::string& out, const std::vector<JobSweep>& jobs, const ExportInfo& info,
            const EnergyPlusSettings& settings) {
  out += "! Wind pressure coefficients for an EnergyPlus airflow network, computed by Ventora " +
         info.version + ".\r\n";
  out += CommentLines(kSettings, "! ");
  out += CommentLines(kConvention, "! ");
  if (AnyInForm(jobs, settings, false)) {
    out += CommentLines(
        "The model takes exactly one WindPressureCoefficientArray: keep the one "
        "below when adding other jobs swept at the same step, or let Ventora "
        "write their elements into one fragment.",
        "! ");
  }
  const std::string warnings = Warnings(jobs, info, settings);
  if (!warnings.empty()) out += CommentLines("Warning: " + warnings, "! ");
  for (const JobSweep& j : jobs) {
    out += "!\r\n";
    for (const std::string& line : JobSummaryLines(j.job, j.stem))
      out += "! " + line + "\r\n";
    out += CommentLines(ReferenceLines(j.job, info).back(), "! ");
    out += CommentLines(EnergyPlusSiteLine(j.job, info), "! ");
  }
  for (const std::string& line : info.notes)
    out += "! " + line + "\r\n";
  out += "\r\n";
}

void RefuseImplausible(const std::vector<JobSweep>& jobs) {
  for (const JobSweep& j : jobs) {
    const std::string refusal = StrictRefusal(j.sweep, "EnergyPlus fragment");
    if (!refusal.empty())
      throw std::invalid_argument((jobs.size() > 1 ? j.stem + ": " : "") + refusal);
  }
}

}  // namespace

std::string EnergyPlusProfileClash(const std::vector<JobSweep>& jobs, const ExportInfo& info) {
  const auto text = [&](const Job& job) {
    const WindProfile p = SiteProfile(job, info.boundaryLayer);
    return "exponent " + NumberString(job.VeEXP) + ", boundary layer " +
           NumberString(static_cast<float>(p.boundaryLayer)) + " m";
  };
  for (const JobSweep& j : jobs) {
    const std::string first = text(jobs.front().job);
    if (text(j.job) == first) continue;
    return "The jobs " + jobs.front().stem + " and " + j.stem +
           " assume different site wind profiles (" + first + "; " + text(j.job) +
           "), but one EnergyPlus model has one: the Cp of the jobs whose profile the model "
           "does not have are referred to another wind than EnergyPlus gives them.";
  }
  return "";
}

std::string IdfNameClash(const std::vector<std::string>& stems) {
  for (std::size_t a = 0; a < stems.size(); ++a) {
    for (std::size_t b = a + 1; b < stems.size(); ++b) {
      if (SameIgnoringCase(IdfNamePrefix(stems[a]), IdfNamePrefix(stems[b]))) {
        return "the jobs '" + stems[a] + "' and '" + stems[b] +
               "' would give their elements the same EnergyPlus names; rename one job file";
      }
    }
  }
  return "";
}

std::string EnergyPlusFragment(const std::vector<JobSweep>& jobs, const ExportInfo& info,
                               const EnergyPlusSettings& settings) {
  if (jobs.empty()) throw std::invalid_argument("No job to write.");
  CheckSameDirections(jobs);
  if (settings.strict) RefuseImplausible(jobs);
  std::vector<std::string> stems;
  for (const JobSweep& j : jobs)
    stems.push_back(j.stem);
  if (const std::string clash = IdfNameClash(stems); !clash.empty())
    throw std::invalid_argument("In one EnergyPlus model " + clash + ".");
  std::string out;
  Header(out, jobs, info, settings);
  // The array only when a values object names it: a model's array no object uses is dead weight.
  if (AnyInForm(jobs, settings, false)) AppendDirectionArray(out, jobs.front().sweep);
  if (AnyInForm(jobs, settings, true)) AppendTableDirections(out, jobs.front().sweep);
  for (const JobSweep& j : jobs) {
    const std::string prefix = IdfNamePrefix(j.stem);
    for (std::size_t e = 0; e < j.sweep.elements.size(); ++e)
      AppendElement(out, j.sweep, j.job, e, prefix, settings);
  }
  return out;
}

}  // namespace ventora
