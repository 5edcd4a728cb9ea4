#pragma once
// The job's parameters in a few lines, for the comment headers of the
// exported files, so a file says which job and building it belongs to, which
// wind speed its Cp are referred to and which program made it.

#include <optional>
#include <string>
#include <vector>

#include "core/job.h"

namespace ventora {

// What every export's header says besides the job; the version comes from
// the program that writes the file.
struct ExportInfo {
  std::string version;
  // The site profile's boundary layer thickness delta in m; without it, that
  // of EnergyPlus's terrain class nearest VeEXP (reference_wind.h).
  std::optional<double> boundaryLayer = std::nullopt;
};

// Lines without comment marks or line ends; `jobLabel` names the job.
std::vector<std::string> JobSummaryLines(const Job& job, const std::string& jobLabel);

// The program and version, and the wind speed the Cp are referred to: the
// wind at the building's height BdZ in the site's undisturbed profile, with
// the profile and its ratio to the weather data's wind.
std::vector<std::string> ReferenceLines(const Job& job, const ExportInfo& info);

// The reference lines, then the summary lines, as comment lines that start
// with `mark` and end with CR LF.
std::string CommentedJobHeader(const Job& job, const std::string& jobLabel, const ExportInfo& info,
                               const std::string& mark);

// Azimuth of wall `iface` (1..4) in degrees, [0, 360): the direction its
// outward normal points to; a wind from there meets it head on.
float WallAzimuth(const Job& job, int iface);

// The azimuth a facade's Cp are measured from: its own for walls 1..4, wall
// 1's for the roof and the floor (they take facade 1's angle to the wind).
float FacadeAzimuth(const Job& job, int iface);

}  // namespace ventora
