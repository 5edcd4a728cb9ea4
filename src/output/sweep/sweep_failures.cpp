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

}  // namespace ventora
