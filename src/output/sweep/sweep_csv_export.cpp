#include "output/sweep/sweep_csv_export.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/portable_std.h"
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

std::string CpColumn(float AnWind, const char* which = "Cp") {
  return std::string(which) + " wind from " + NumberString(AnWind) + " deg";
}

// A cell of the spread: empty where the element has no Cp.
void AppendSpreadCell(std::string& out, float value) {
  out += ',';
  if (std::isfinite(value)) AppendNumber(out, value);
}

// A row's position is seven numbers: two integers and five floats.
constexpr std::size_t kPositionRoom = 2 * 8 + 5 * 17;

// The text of the value written last, kept for the next row: the elements
// of a facade's row share their height, and all of a facade's elements its
// azimuth.
class KeptText {
 public:
  // As WriteShortestFloat: 16 characters from `at` may be overwritten.
  char* Write(char* at, float value) {
    const auto bits = portable::bit_cast<std::uint32_t>(value);
    if (!kept_ || bits != bits_) {
      kept_ = true;
      bits_ = bits;
      length_ = WriteShortestFloat(text_, value) - text_;
    }
    std::memcpy(at, text_, sizeof text_);
    return at + length_;
  }

 private:
  bool kept_ = false;
  std::uint32_t bits_ = 0;
  char text_[16] = {};
  std::ptrdiff_t length_ = 0;
};

// The position columns of the rows, one after the other: the elements come
// facade by facade, so each one's number on its facade is counted here.
class PositionWriter {
 public:
  explicit PositionWriter(const Job& job) : job_(job) {}

  // Written into one buffer and appended once.
  void Append(std::string& out, const ElementResult& e) {
    number_ = e.iface == iface_ ? number_ + 1 : 1;
    iface_ = e.iface;
    char text[kPositionRoom + 16];
    char* at = std::to_chars(text, text + 8, e.iface).ptr;
    *at++ = ',';
    at = std::to_chars(at, at + 8, number_).ptr;
    *at++ = ',';
    at = WriteShortestFloat(at, e.X);
    *at++ = ',';
    at = Z_.Write(at, e.Z);
    *at++ = ',';
    at = WriteShortestFloat(at, e.XL);
    *at++ = ',';
    at = ZH_.Write(at, e.ZH);
    *at++ = ',';
    at = azimuth_.Write(at, FacadeAzimuth(job_, e.iface));
    out.append(text, at);
  }

 private:
  const Job& job_;
  std::int16_t iface_ = 0;
  int number_ = 0;
  KeptText Z_;
  KeptText ZH_;
  KeptText azimuth_;
};

// The status text as one CSV field: quoted, as it may hold commas.
void AppendStatus(std::string& out, const std::string& status) {
  out.append(",\"").append(status).append("\"\r\n");
}

// Everything a status's text is made of.
bool SameText(const SweptStatus& a, const SweptStatus& b) {
  return a.worst.plausibility == b.worst.plausibility && a.worst.role == b.worst.role &&
         a.worst.outside == b.worst.outside && a.worst.belowLow == b.worst.belowLow &&
         portable::bit_cast<std::uint32_t>(a.extreme) ==
             portable::bit_cast<std::uint32_t>(b.extreme) &&
         a.directions == b.directions;
}

}  // namespace

std::vector<std::string> SweepCsvColumns(const std::vector<float>& directions, bool spread) {
  std::vector<std::string> names(std::begin(kPositionColumns), std::end(kPositionColumns));
  for (const char* which : {"Cp", "Cp low", "Cp high"}) {
    for (float AnWind : directions)
      names.push_back(CpColumn(AnWind, which));
    if (!spread) break;
  }
  return names;
}

std::string SweepCsv(const WindSweep& sweep, const Job& job,
                     const std::vector<DirectionSpread>* spread) {
  std::vector<float> directions;
  for (const SweepDirection& d : sweep.directions)
    directions.push_back(d.AnWind);
  std::string out = PositionHeader();
  const std::vector<std::string> names = SweepCsvColumns(directions, spread != nullptr);
  for (std::size_t c = std::size(kPositionColumns); c < names.size(); ++c)
    out += "," + names[c];
  out += ",Cp status\r\n";
  // Room for the longest numbers and a status of a few words: a string that
  // grows copies all the rows written so far.
  out.reserve(out.size() +
              sweep.elements.size() * (kPositionRoom + 64 + 17 * sweep.directions.size()));
  // The Cp columns of a row are written into one buffer and appended once:
  // a sweep writes tens of thousands of numbers.
  std::vector<char> cps(sweep.directions.size() * 17);
  // Each direction's Cp, null where its run stopped.
  std::vector<const float*> columns;
  for (const SweepDirection& d : sweep.directions)
    columns.push_back(d.completed ? d.Cp.data() : nullptr);
  const std::vector<SweptStatus> statuses = SweptStatuses(sweep);
  // The elements of a facade mostly share their status: its text is kept.
  const SweptStatus* shown = nullptr;
  std::string statusText;
  PositionWriter position(job);
  for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
    position.Append(out, sweep.elements[e]);
    char* end = cps.data();
    for (const float* column : columns) {
      *end++ = ',';
      if (column != nullptr) end = WriteShortestFloat(end, column[e]);
    }
    out.append(cps.data(), end);
    if (shown == nullptr || !SameText(*shown, statuses[e])) {
      shown = &statuses[e];
      statusText = SweptStatusText(*shown);
    }
    if (spread == nullptr) {
      AppendStatus(out, statusText);
      continue;
    }
    for (const DirectionSpread& d : *spread)
      AppendSpreadCell(out, e < d.elements.size() ? d.elements[e].low : std::nanf(""));
    for (const DirectionSpread& d : *spread)
      AppendSpreadCell(out, e < d.elements.size() ? d.elements[e].high : std::nanf(""));
    AppendStatus(out, WithSpread(statusText, SweptSpreadText(*spread, e)));
  }
  return out;
}

std::string RunCsv(const RunResult& result, const Job& job,
                   const std::vector<ElementSpread>* spread) {
  std::string out = PositionHeader();
  out += ",Facade angle to the wind (deg)," + CpColumn(job.AnWind) +
         (spread != nullptr ? ",Cp low,Cp high" : "") + ",Cp status\r\n";
  PositionWriter position(job);
  for (std::size_t i = 0; i < result.elements.size(); ++i) {
    const ElementResult& e = result.elements[i];
    position.Append(out, e);
    out += ',';
    AppendNumber(out, result.geometry.FacadeAngle[static_cast<std::size_t>(e.iface)]);
    out += ',';
    AppendNumber(out, e.Cp);
    std::string status = i < result.status.size() ? StatusText(result.status[i]) : "not computed";
    if (spread != nullptr && i < spread->size()) {
      AppendSpreadCell(out, (*spread)[i].low);
      AppendSpreadCell(out, (*spread)[i].high);
      status = WithSpread(status, SpreadText((*spread)[i]));
    } else if (spread != nullptr) {
      out += ",,";
    }
    AppendStatus(out, status);
  }
  return out;
}

}  // namespace ventora
