#pragma once
// A site's surroundings (PAD and SbH from building footprints) put into a
// job: the all-round values for a run, each sector's for a sweep's wind
// directions, and the lines that say where they come from. The footprints
// are read by the face's own way to the site room; this takes its answer.

#include <string>
#include <vector>

#include "core/job.h"
#include "site/site_query.h"

namespace ventora {

// What a job took from the surroundings, for a sweep by sectors and the
// exports' headers.
struct AppliedSurroundings {
  std::vector<site::SectorValues> rows;  // all round, then each sector
  float allRoundSbH = 0;                 // m, as the job took it
  std::vector<std::string> headerLines;
};

struct SurroundingsSource {
  std::string file;     // the footprints, as the user named them
  double x = 0, y = 0;  // the site, in the file's coordinates
  // How the face lets its user give buildings without a height one
  // ("--default-height H"), for the note that says none has one.
  std::string defaultHeightWords = "a default height";
};

struct SurroundingsForJob {
  bool applied = false;  // false: `lines` holds the one line that says why not
  // What the user is told, in order, each a line of its own: the values
  // taken, the notes of the file and the site, the PAD above the limit.
  std::vector<std::string> lines;
  AppliedSurroundings surroundings;
};

// Puts the all-round PAD and SbH of `answer` into `job`; a job whose
// surroundings have no height keeps its SbH.
SurroundingsForJob ApplySurroundings(const site::SurroundingsAnswer& answer,
                                     const SurroundingsSource& source, Job& job);

// The PAD and SbH of the sector the job's wind (AnWind) blows from; a
// sector without buildings takes SbH = Bdz, one whose buildings have no
// height the all-round SbH.
void SetSectorValues(const AppliedSurroundings& applied, Job& job);

}  // namespace ventora
