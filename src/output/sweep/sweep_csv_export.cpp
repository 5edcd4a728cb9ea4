#include "output/sweep/sweep_csv_export.h"

#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"

namespace ventora {
namespace {

constexpr const char* kPositionColumns[] = {
    "Facade", "Element", "X (m)", "Z (wall) / Y (roof) (m)", "X/L", "Z/H", "Facade azimuth (deg)"};

std::string PositionHeader() {
  std::string header;
  for (const char* name : kPositionColumns)
    header.append(header.empty() ? "" : ",").append(name);
  return header;
}

std::string CpColumn(float AnWind) {
  return "Cp wind from " + NumberString(AnWind) + " deg";
}

void AppendPosition(std::string& out, const ElementResult& e, const Job& job) {
  out += std::to_string(e.iface);
  out += ',';
  out += std::to_string(e.k);
  for (float value : {e.X, e.Z, e.XL, e.ZH, FacadeAzimuth(job, e.iface)}) {
    out += ',';
    AppendNumber(out, value);
  }
}

}  // namespace

std::vector<std::string> SweepCsvColumns(const std::vector<float>& directions) {
  std::vector<std::string> names(std::begin(kPositionColumns), std::end(kPositionColumns));
  for (float AnWind : directions)
    names.push_back(CpColumn(AnWind));
  return names;
}

std::string SweepCsv(const WindSweep& sweep, const Job& job) {
  std::string out = PositionHeader();
  for (const SweepDirection& d : sweep.directions)
    out += "," + CpColumn(d.AnWind);
  out += "\r\n";
  out.reserve(out.size() + sweep.elements.size() * (48 + 10 * sweep.directions.size()));
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    AppendPosition(out, sweep.elements[e], job);
    for (const SweepDirection& d : sweep.directions) {
      out += ',';
      if (d.completed) AppendNumber(out, d.Cp[e]);
    }
    out += "\r\n";
  }
  return out;
}

std::string RunCsv(const RunResult& result, const Job& job) {
  std::string out = PositionHeader();
  out += ",Facade angle to the wind (deg)," + CpColumn(job.AnWind) + "\r\n";
  for (const ElementResult& e : result.elements) {
    AppendPosition(out, e, job);
    out += ',';
    AppendNumber(out, result.geometry.FacadeAngle[static_cast<std::size_t>(e.iface)]);
    out += ',';
    AppendNumber(out, e.Cp);
    out += "\r\n";
  }
  return out;
}

}  // namespace ventora
