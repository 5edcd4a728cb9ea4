#include "output/sweep/sweep_failures.h"

#include <vector>

#include "output/sweep/export_text.h"

namespace ventora {

std::string StoppedDirectionList(const WindSweep& sweep) {
  std::vector<std::string> stopped;
  for (const SweepDirection& d : sweep.directions)
    if (!d.completed) stopped.push_back(NumberString(d.AnWind));
  std::string list;
  for (std::size_t i = 0; i < stopped.size(); ++i) {
    if (i > 0) list += i + 1 == stopped.size() ? " and " : ", ";
    list += stopped[i];
  }
  return list;
}

std::vector<std::string> StoppedDirectionNotes(const WindSweep& sweep, bool turned) {
  const std::string frame = turned ? " (building turned to azimuth 0)" : "";
  std::vector<std::string> notes;
  for (const SweepDirection& d : sweep.directions)
    if (!d.completed)
      notes.push_back("wind direction " + NumberString(d.AnWind) + " deg." + frame + ": " +
                      d.failure);
  return notes;
}

}  // namespace ventora
