#include "output/sweep/sweep_csv_export.h"

#include <charconv>
#include <vector>

#include "core/shortest_float.h"
#include "output/sweep/cp_status.h"
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

// A row's position is seven numbers: two integers and five floats.
constexpr std::size_t kPositionRoom = 2 * 8 + 5 * 17;

// Written into one buffer and appended once.
void AppendPosition(std::string& out, const ElementResult& e, const Job& job) {
  char text[kPositionRoom + 16];
  char* at = std::to_chars(text, text + 8, e.iface).ptr;
  *at++ = ',';
  at = std::to_chars(at, at + 8, e.k).ptr;
  for (float value : {e.X, e.Z, e.XL, e.ZH, FacadeAzimuth(job, e.iface)}) {
    *at++ = ',';
    at = WriteShortestFloat(at, value);
  }
  out.append(text, at);
}

// The status text as one CSV field: quoted, as it may hold commas.
void AppendStatus(std::string& out, const std::string& status) {
  out += ",\"" + status + "\"\r\n";
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
  out += ",Cp status\r\n";
  // Room for the longest numbers and a status of a few words: a string that
  // grows copies all the rows written so far.
  out.reserve(out.size() +
              sweep.elements.size() * (kPositionRoom + 64 + 17 * sweep.directions.size()));
  // The Cp columns of a row are written into one buffer and appended once:
  // a sweep writes tens of thousands of numbers.
  std::vector<char> cps(sweep.directions.size() * 17);
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    AppendPosition(out, sweep.elements[e], job);
    char* end = cps.data();
    for (const SweepDirection& d : sweep.directions) {
      *end++ = ',';
      if (d.completed) end = WriteShortestFloat(end, d.Cp[e]);
    }
    out.append(cps.data(), end);
    AppendStatus(out, SweptStatusText(sweep, e));
  }
  return out;
}

std::string RunCsv(const RunResult& result, const Job& job) {
  std::string out = PositionHeader();
  out += ",Facade angle to the wind (deg)," + CpColumn(job.AnWind) + ",Cp status\r\n";
  for (std::size_t i = 0; i < result.elements.size(); ++i) {
    const ElementResult& e = result.elements[i];
    AppendPosition(out, e, job);
    out += ',';
    AppendNumber(out, result.geometry.FacadeAngle[static_cast<std::size_t>(e.iface)]);
    out += ',';
    AppendNumber(out, e.Cp);
    AppendStatus(out, i < result.status.size() ? StatusText(result.status[i]) : "not computed");
  }
  return out;
}

}  // namespace ventora
