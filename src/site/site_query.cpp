#include "site_query.h"

#include <algorithm>
#include <exception>

namespace ventora::site {

double AdvisedRadius(double buildingHeight, double surroundingHeight) {
  return std::max(50.0, 5 * std::max(buildingHeight, surroundingHeight));
}

namespace {

void CheckQuery(const SurroundingsQuery& query) {
  if (!query.radius && !(query.buildingHeight > 0))
    throw SiteError(
        "the radius is needed: give --radius R (m), or a job whose building height "
        "it follows from");
}

SurroundingsAnswer Answer(const FootprintSet& set, const SurroundingsQuery& query) {
  SurroundingsAnswer answer;
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
  return answer;
}

}  // namespace

SurroundingsAnswer FindSurroundings(const SurroundingsQuery& query) {
  try {
    CheckQuery(query);
    if (!(query.storeyHeight > 0)) throw SiteError("the storey height must be above 0 m");
    const FootprintSet set =
        LoadFootprints(query.file, ReadRules{.storeyHeight = query.storeyHeight}, query.crs);
    return Answer(set, query);
  } catch (const std::exception& e) {
    SurroundingsAnswer answer;
    answer.error = e.what();
    return answer;
  }
}

SurroundingsAnswer FindSurroundings(const FootprintSet& set, const SurroundingsQuery& query) {
  try {
    CheckQuery(query);
    return Answer(set, query);
  } catch (const std::exception& e) {
    SurroundingsAnswer answer;
    answer.error = e.what();
    return answer;
  }
}

}  // namespace ventora::site
