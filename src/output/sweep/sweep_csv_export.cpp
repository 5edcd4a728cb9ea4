#include "output/sweep/sweep_csv_export.h"

#include <vector>

#include "core/shortest_float.h"
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
  // The Cp columns of a row are written into one buffer and appended once:
  // a sweep writes tens of thousands of numbers.
  std::vector<char> cps(sweep.directions.size() * 17 + 2);
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    AppendPosition(out, sweep.elements[e], job);
    char* end = cps.data();
    for (const SweepDirection& d : sweep.directions) {
      *end++ = ',';
      if (d.completed) end = WriteShortestFloat(end, d.Cp[e]);
    }
    *end++ = '\r';
    *end++ = '\n';
    out.append(cps.data(), end);
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
