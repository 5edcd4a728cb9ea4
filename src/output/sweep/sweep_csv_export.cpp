#include "output/sweep/sweep_csv_export.h"

#include "output/sweep/export_text.h"

namespace ventora {
namespace {

constexpr const char* kPositionHeader = "Facade,Element,X,Z or Y,X/L,Z/H";

void AppendPosition(std::string& out, const ElementResult& e) {
  out += std::to_string(e.iface);
  out += ',';
  out += std::to_string(e.k);
  for (float value : {e.X, e.Z, e.XL, e.ZH}) {
    out += ',';
    AppendNumber(out, value);
  }
}

}  // namespace

std::string SweepCsv(const WindSweep& sweep) {
  std::string out = kPositionHeader;
  for (const SweepDirection& d : sweep.directions) {
    out += ",Cp ";
    AppendNumber(out, d.AnWind);
  }
  out += "\r\n";
  out.reserve(out.size() + sweep.elements.size() * (40 + 10 * sweep.directions.size()));
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    AppendPosition(out, sweep.elements[e]);
    for (const SweepDirection& d : sweep.directions) {
      out += ',';
      if (d.completed) AppendNumber(out, d.Cp[e]);
    }
    out += "\r\n";
  }
  return out;
}

std::string RunCsv(const RunResult& result) {
  std::string out = kPositionHeader;
  out += ",Cp\r\n";
  for (const ElementResult& e : result.elements) {
    AppendPosition(out, e);
    out += ',';
    AppendNumber(out, e.Cp);
    out += "\r\n";
  }
  return out;
}

}  // namespace ventora
