#include "site_answer.h"

#include <algorithm>
#include <exception>
#include <sstream>

#include "core/cancellation.h"
#include "surroundings_limits.h"

namespace ventora::site {
namespace {

std::string Text(double value) {
  std::ostringstream text;
  text.precision(10);
  text << value;
  return text.str();
}

// The second pass's radius, from the neighbours' height as well.
double SecondRadius(const SurroundingsQuery& query, const Surroundings& first) {
  const double sbh = first.rows.front().sbh.value_or(0);
  const double radius = AdvisedRadius(query.buildingHeight, sbh);
  if (!Within(radius, kRadiusLimit.range))
    throw SiteError("the radius advised for these surroundings, 5 x their height " + Text(sbh) +
                    " m, is outside the range " + RangeText(kRadiusLimit) +
                    ": give --radius R (m)");
  return radius;
}

}  // namespace

double AdvisedRadius(double buildingHeight, double surroundingHeight) {
  return std::max(50.0, 5 * std::max(buildingHeight, surroundingHeight));
}

void CheckQuery(const SurroundingsQuery& query) {
  if (!query.radius && !(query.buildingHeight > 0))
    throw SiteError(
        "the radius is needed: give --radius R (m), or a job whose building height "
        "it follows from");
  if (!query.radius && !Within(AdvisedRadius(query.buildingHeight, 0), kRadiusLimit.range))
    throw SiteError("the radius advised for a building " + Text(query.buildingHeight) +
                    " m high, 5 x its height, is outside the range " + RangeText(kRadiusLimit) +
                    ": give --radius R (m)");
}

void CheckStoreyHeight(double storeyHeight) {
  if (!Within(storeyHeight, kStoreyHeightLimit.range))
    throw SiteError("the storey height " + Text(storeyHeight) + " m is outside its range " +
                    RangeText(kStoreyHeightLimit));
}

SurroundingsAnswer Answer(const SurroundingsQuery& query, const std::vector<std::string>& setNotes,
                          const ComputeValues& compute) {
  SurroundingsAnswer answer;
  SurroundingsRequest request{.site = query.site,
                              .radius = query.radius.value_or(0),
                              .sectors = query.sectors,
                              .defaultHeight = query.defaultHeight,
                              .cancel = query.cancel};
  if (!query.radius) {
    // SbH from a first pass at the building's own advice.
    request.radius = AdvisedRadius(query.buildingHeight, 0);
    request.radius = SecondRadius(query, compute(request));
  }
  answer.values = compute(request);
  answer.radius = request.radius;
  answer.notes = setNotes;
  answer.notes.insert(answer.notes.end(), answer.values.notes.begin(), answer.values.notes.end());
  return answer;
}

SurroundingsAnswer Answered(const std::function<SurroundingsAnswer()>& find) {
  SurroundingsAnswer answer;
  try {
    return find();
  } catch (const Cancelled&) {
    answer.cancelled = true;
  } catch (const std::exception& e) {
    answer.error = e.what();
  }
  return answer;
}

}  // namespace ventora::site
