#include "output/sweep/sweep_csv_export.h"

#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"

namespace ventora {
namespace {

constexpr const char* kPositionHeader =
    "Facade,Element,X (m),Z (wall) / Y (roof) (m),X/L,Z/H,Facade azimuth (deg)";

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

std::string SweepCsv(const WindSweep& sweep, const Job& job) {
  std::string out = kPositionHeader;
  for (const SweepDirection& d : sweep.directions) {
    out += ",Cp wind from ";
    AppendNumber(out, d.AnWind);
    out += " deg";
  }
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
  std::string out = kPositionHeader;
  out += ",Facade angle to the wind (deg),Cp wind from " + NumberString(job.AnWind) + " deg\r\n";
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
