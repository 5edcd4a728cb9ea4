#include "map/cpmap_model.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/job_file.h"
#include "core/roof_layout.h"
#include "output/format_right.h"

namespace ventora {
namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? text : text.substr(first);
}

CpMarker MarkerOf(const Job& job, std::int16_t iface, std::int16_t ielm, std::int16_t k,
                  const std::map<int, std::size_t>& lines, const RunResult& run) {
  CpMarker m;
  m.iface = iface;
  m.ielm = ielm;
  m.k = k;
  m.X = job.ElmX[iface][ielm];
  m.Z = job.ElmZ[iface][ielm];
  m.computedZ = m.Z;
  const auto line = lines.find(k);
  if (line == lines.end()) return m;  // no report line: never computed
  const ElementResult& e = run.elements[line->second];
  m.Cp = e.Cp;
  m.computedZ = e.Z;
  m.state = m.Cp == kNotComputedCp ? MarkerState::OutsideFacade : MarkerState::Computed;
  m.implausible = line->second < run.status.size() &&
                  run.status[line->second].plausibility == CpPlausibility::Implausible;
  return m;
}

CpMapFacade FacadeOf(const Job& job, const RunResult& run, std::int16_t iface) {
  const FacadeExtents ext = FacadeExtent(job, iface);
  CpMapFacade f;
  f.iface = iface;
  f.L = ext.L;
  f.H = ext.H;
  f.angle = run.geometry.FacadeAngle[iface];
  for (const FacadeAverage& a : run.averages)
    if (a.iface == iface) f.average = a.average;
  return f;
}

// The scale follows the plausible values, so that a few implausible ones do
// not leave the rest pale; those beyond it are ringed. Values all
// implausible set it themselves.
float LargestMagnitude(const CpMapModel& model) {
  float plausible = 0;
  float all = 0;
  for (const CpMapFacade& f : model.facades)
    for (const CpMarker& m : f.markers)
      if (m.state == MarkerState::Computed && std::isfinite(m.Cp)) {
        all = std::max(all, std::fabs(m.Cp));
        if (!m.implausible) plausible = std::max(plausible, std::fabs(m.Cp));
      }
  return plausible > 0 ? plausible : all;
}

std::string FacadeName(std::int16_t iface) {
  if (AsFacade(iface) == Facade::Roof) return "Roof (facade 5)";
  if (AsFacade(iface) == Facade::Floor) return "Floor (facade 6)";
  return "Facade " + std::to_string(iface);
}

}  // namespace

std::string FacadeTitle(const CpMapFacade& f, std::int16_t Islope) {
  std::string name = FacadeName(f.iface);
  if (Islope == 2 && IsGableWall(AsFacade(f.iface), Islope)) name += ", gable";
  return name;
}

CpMapModel BuildCpMapModel(const Job& job, const RunResult& run, const std::string& jobName) {
  CpMapModel model;
  model.title = FileNameOf(jobName);
  model.AzB = job.AzB;
  model.AnWind = job.AnWind;
  model.Islope = job.Islope;
  std::map<int, std::size_t> lines;  // k to the index of its report line
  for (std::size_t i = 0; i < run.elements.size(); ++i)
    lines[run.elements[i].k] = i;
  std::int16_t k = 0;
  for (std::int16_t iface = 1; iface <= kFacadeCount; ++iface) {
    if (iface <= kMapFacades) model.facades[iface - 1] = FacadeOf(job, run, iface);
    const int count = std::clamp<int>(job.ElmCount[iface], 0, kMaxElements);
    for (std::int16_t ielm = 1; ielm <= count; ++ielm) {
      const CpMarker m = MarkerOf(job, iface, ielm, ++k, lines, run);
      model.anyImplausible |= m.implausible;
      if (iface <= kMapFacades) model.facades[iface - 1].markers.push_back(m);
      if (m.state != MarkerState::Computed) model.hollow.push_back(m);
    }
  }
  model.scale.bound = LegendBound(LargestMagnitude(model));
  return model;
}

std::string CpText(float value, char decimal) {
  std::string text = Trimmed(FormatRight(value, "##0.000", std::string(1, decimal)));
  if (text.starts_with('-') && text.find_first_of("123456789") == std::string::npos)
    text.erase(0, 1);
  return text;
}

std::string AngleText(float degrees, char decimal) {
  return Trimmed(FormatRight(degrees, "##0.0", std::string(1, decimal))) + "\u00b0";
}

// The run takes the windward model strictly within 90 degrees of the wind
// and the leeward one from 90 degrees on.
std::string FacadeWindText(const CpMapFacade& f, char decimal) {
  std::string text = "wind " + AngleText(f.angle, decimal);
  if (AsFacade(f.iface) == Facade::Roof) return text;
  // The model's own rule, by the 90° line: the run's note on implausible
  // values judges walls by another (facing the wind within 45°).
  if (std::fabs(f.angle) == 90.0f) return text + ", side wall: leeward model";
  return text + (f.angle > -90.0f && f.angle < 90.0f ? ", windward model" : ", leeward model");
}

std::string ElementPlace(std::int16_t iface, std::int16_t ielm, std::int16_t k) {
  return FacadeName(iface) + ", element " + std::to_string(ielm) + " (no. " + std::to_string(k) +
         ")";
}

std::string MarkerPlace(const CpMarker& m) {
  return ElementPlace(m.iface, m.ielm, m.k);
}

std::string MarkerText(const CpMarker& m, char decimal) {
  const std::string where = MarkerPlace(m);
  switch (m.state) {
    case MarkerState::Computed:
      return where + ": Cp " + CpText(m.Cp, decimal);
    case MarkerState::OutsideFacade:
      return where + ": outside the facade";
    case MarkerState::NotComputed:
      break;
  }
  return where + ": not computed";
}

}  // namespace ventora
