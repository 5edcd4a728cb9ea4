#include "site_query.h"

#include <algorithm>
#include <exception>

namespace ventora::site {

double AdvisedRadius(double buildingHeight, double surroundingHeight) {
  return std::max(50.0, 5 * std::max(buildingHeight, surroundingHeight));
}

SurroundingsAnswer FindSurroundings(const SurroundingsQuery& query) {
  SurroundingsAnswer answer;
  try {
    if (!query.radius && !(query.buildingHeight > 0))
      throw SiteError(
          "the radius is needed: give --radius R (m), or a job whose building height "
          "it follows from");
    if (!(query.storeyHeight > 0)) throw SiteError("the storey height must be above 0 m");
    const FootprintSet set =
        LoadFootprints(query.file, ReadRules{.storeyHeight = query.storeyHeight}, query.crs);
    SurroundingsRequest request{.site = query.site,
                                .radius = query.radius.value_or(0),
                                .sectors = query.sectors,
                                .defaultHeight = query.defaultHeight};
    if (!query.radius) {
      // SbH from a first pass at the building's own advice.
      request.radius = AdvisedRadius(query.buildingHeight, 0);
      const Surroundings first = set.Compute(request);
      request.radius = AdvisedRadius(query.buildingHeight, first.rows.front().sbh.value_or(0));
    }
    answer.values = set.Compute(request);
    answer.radius = request.radius;
    if (query.plan) answer.plan = set.Plan(request);
    answer.notes = set.notes();
    answer.notes.insert(answer.notes.end(), answer.values.notes.begin(), answer.values.notes.end());
  } catch (const std::exception& e) {
    answer.error = e.what();
  }
  return answer;
}

}  // namespace ventora::site
