#include "commands/surroundings_for_job.h"

#include <cmath>
#include <sstream>

#include "commands/fixed_text.h"
#include "site/pad_limit_note.h"

namespace ventora {
namespace {

using site::SectorValues;
using site::SurroundingsAnswer;

std::string RowText(const SectorValues& row, float fallbackSbH) {
  return "PAD " + Fixed(row.pad, 2) + " %, SbH " +
         (row.sbh ? Fixed(*row.sbh, 2) + " m" : Fixed(fallbackSbH, 2) + " m (none in the data)") +
         ", " + std::to_string(row.buildings) + " buildings (" + std::to_string(row.withoutHeight) +
         " without a height)";
}

AppliedSurroundings Applied(const SurroundingsSource& source, const SurroundingsAnswer& answer,
                            float allRoundSbH) {
  AppliedSurroundings applied{answer.values.rows, allRoundSbH, {}};
  std::ostringstream site;
  site.precision(10);
  site << source.x << "," << source.y;
  applied.headerLines.push_back("Surroundings from " + source.file + " round the site " +
                                site.str() + " within " + Fixed(answer.radius, 1) + " m: " +
                                RowText(answer.values.rows.front(), allRoundSbH) + " all round.");
  if (answer.values.rows.size() > 1)
    applied.headerLines.push_back(
        "Each wind direction takes the PAD and SbH of the sector it "
        "blows from:");
  for (std::size_t i = 1; i < answer.values.rows.size(); ++i) {
    const SectorValues& row = answer.values.rows[i];
    applied.headerLines.push_back("  wind from " + Fixed(row.from, 1) + " to " + Fixed(row.to, 1) +
                                  " deg.: " + RowText(row, allRoundSbH));
  }
  return applied;
}

}  // namespace

void SetSectorValues(const AppliedSurroundings& applied, Job& job) {
  const int sectors = static_cast<int>(applied.rows.size()) - 1;
  if (sectors < 1) return;
  const double width = 360.0 / sectors;
  const double bearing = std::fmod(std::fmod(job.AnWind, 360.0) + 360.0, 360.0);
  const int k = static_cast<int>(std::floor((bearing + width / 2) / width)) % sectors;
  const SectorValues& row = applied.rows[static_cast<std::size_t>(k) + 1];
  job.PAD = static_cast<float>(row.pad);
  job.SbH = row.sbh ? static_cast<float>(*row.sbh) : row.pad == 0 ? job.Bdz : applied.allRoundSbH;
}

SurroundingsForJob ApplySurroundings(const SurroundingsAnswer& answer,
                                     const SurroundingsSource& source, Job& job) {
  SurroundingsForJob out;
  if (!answer.error.empty()) {
    out.lines.push_back(answer.error);
    return out;
  }
  const SectorValues& all = answer.values.rows.front();
  job.PAD = static_cast<float>(all.pad);
  if (all.sbh) job.SbH = static_cast<float>(*all.sbh);
  out.lines.push_back("PAD " + Fixed(all.pad, 2) + " %" +
                      (all.sbh ? " and SbH " + Fixed(*all.sbh, 2) + " m" : "") + " from \"" +
                      source.file + "\", " + std::to_string(all.buildings) + " buildings (" +
                      std::to_string(all.withoutHeight) + " without a height) within " +
                      Fixed(answer.radius, 1) + " m of the site");
  if (!all.sbh)
    out.lines.push_back("note: no building round the site has a height: the job's SbH (" +
                        Fixed(job.SbH, 2) + " m) is kept; " + source.defaultHeightWords +
                        " gives them one");
  for (const std::string& note : answer.notes)
    out.lines.push_back("note: " + note);
  out.surroundings = Applied(source, answer, job.SbH);
  if (const std::string above = site::PadAboveLimitText(job); !above.empty())
    out.lines.push_back(above);
  out.applied = true;
  return out;
}

}  // namespace ventora
