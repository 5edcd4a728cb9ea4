#include "output/compare/peer_comparison.h"

#include <cmath>

#include "engine/peers/en1991_walls.h"
#include "engine/peers/swami_chandra.h"
#include "engine/peers/wind_angle.h"
#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/export_text.h"

namespace ventora {
namespace {

constexpr const char* kColumns =
    "Facade,Wind from (deg),Ventora mean,Swami-Chandra,AIVC,EN 1991-1-4\r\n";

// The width of wall `facade` and of the walls beside it.
float WallWidth(const Job& job, int facade) {
  return AlongLength(AsFacade(facade)) ? job.BdX : job.BdY;
}
float SideWidth(const Job& job, int facade) {
  return AlongLength(AsFacade(facade)) ? job.BdY : job.BdX;
}

// Zone D, E or the side walls' mean where the wind is normal to a wall.
std::optional<double> En1991At(const Job& job, int facade, double angle) {
  const double h = job.Bdz;
  const double a = std::abs(angle);
  if (a == 0) return peers::En1991ZoneCp(peers::En1991Zone::D, h / SideWidth(job, facade));
  if (a == 180) return peers::En1991ZoneCp(peers::En1991Zone::E, h / SideWidth(job, facade));
  if (a == 90) return peers::En1991SideWallMean(h, SideWidth(job, facade), WallWidth(job, facade));
  return std::nullopt;
}

void AppendCell(std::string& out, double value) {
  out += ',';
  if (std::isfinite(value)) AppendNumber(out, static_cast<float>(value));
}

}  // namespace

MethodsAtDirection PeerMethodsAt(const Job& job, peers::AivcExposure exposure, int facade,
                                 float windFrom) {
  MethodsAtDirection m;
  m.facade = facade;
  m.windFrom = windFrom;
  m.ventora = std::nanf("");
  const double angle =
      peers::AngleFromNormal(static_cast<double>(windFrom) - WallAzimuth(job, facade));
  m.swamiChandra =
      peers::SwamiChandraWallCp(angle, static_cast<double>(WallWidth(job, facade)) /
                                           static_cast<double>(SideWidth(job, facade)));
  m.aivc = peers::AivcWallCp(exposure, angle);
  m.en1991 = En1991At(job, facade, angle);
  return m;
}

std::vector<std::string> PeerComparisonNotes(const PeerComparison& c) {
  const Job& job = c.job;
  return {
      "Each wall's Cp against the wind direction by four methods. Only Ventora sees this job's "
      "surroundings as they are; none of the others sees a wall's position among them.",
      "Ventora mean: the mean Cp the model gives " +
          std::to_string(kMeanMeshColumns * kMeanMeshRows) +
          " points of an even mesh on the wall (" + std::to_string(kMeanMeshColumns) +
          " along it, " + std::to_string(kMeanMeshRows) +
          " up at Z/H 0.1 to 0.9), for this building among its surroundings (PAD " +
          NumberString(job.PAD) + " %, SbH " + NumberString(job.SbH) +
          " m), referred to the wind at the building's height (see above).",
      "Swami-Chandra: the surface-average Cp of a low-rise wall by M. V. Swami and S. Chandra, "
      "Procedures for calculating natural ventilation airflow rates in buildings, ASHRAE "
      "RP-448, FSEC-CR-163-86, 1987, as EnergyPlus's airflow network computes it by default: "
      "the wall's width over the adjacent wall's held within 0.25 to 4, evaluated here at each "
      "direction (EnergyPlus takes it every 30 degrees and interpolates between). Scope: "
      "low-rise buildings in open country. It cannot see the surroundings nor a position on "
      "the wall.",
      "AIVC: M. W. Liddament, A Guide to Energy Efficient Ventilation, AIVC, 1996, Table 2.2, "
      "low-rise walls of a square plan, class " +
          peers::AivcExposureName(c.exposure) + " (the nearest to PAD " + NumberString(job.PAD) +
          " % and SbH/Bdz " + NumberString(job.SbH / job.Bdz) +
          "), linear between its 45-degree points. Scope: buildings of up to three storeys. It "
          "sees the surroundings only as one of three classes and cannot see the plan's "
          "proportions nor a position on the wall.",
      "EN 1991-1-4: Eurocode 1, wind actions, Table 7.1, cpe,10 at this building's h/d: zone D "
      "on the windward wall, zone E on the leeward wall, the mean of zones A to C weighted by "
      "their widths on the side walls; given only where the wind is normal to a wall. Scope: "
      "design loads, referred to the peak velocity pressure at the building's height. It "
      "cannot see the surroundings (only the terrain through that pressure) nor a position "
      "on the windward and leeward walls.",
  };
}

std::string PeerComparisonCsv(const PeerComparison& c, const std::string& jobLabel,
                              const ExportInfo& info) {
  std::string out = CommentedJobHeader(c.job, jobLabel, info, "# ");
  for (const std::string& note : PeerComparisonNotes(c))
    out += CommentLines(note, "# ");
  for (const std::string& stop : c.stopped)
    out += CommentLines("No Ventora mean at " + stop, "# ");
  out += kColumns;
  for (const MethodsAtDirection& m : c.rows) {
    out += std::to_string(m.facade) + ',';
    AppendNumber(out, m.windFrom);
    AppendCell(out, m.ventora);
    AppendCell(out, m.swamiChandra);
    AppendCell(out, m.aivc);
    AppendCell(out, m.en1991.value_or(std::nan("")));
    out += "\r\n";
  }
  return out;
}

}  // namespace ventora
