#include "site_query.h"

#include "site_answer.h"

namespace ventora::site {
namespace {

SurroundingsAnswer AnswerWithPlan(const FootprintSet& set, const SurroundingsQuery& query) {
  SurroundingsAnswer answer = Answer(
      query, set.notes(), [&](const SurroundingsRequest& request) { return set.Compute(request); });
  if (query.plan)
    answer.plan = set.Plan({.site = query.site,
                            .radius = answer.radius,
                            .sectors = query.sectors,
                            .defaultHeight = query.defaultHeight,
                            .cancel = query.cancel});
  return answer;
}

}  // namespace

SurroundingsAnswer FindSurroundings(const SurroundingsQuery& query) {
  return Answered([&] {
    CheckQuery(query);
    CheckStoreyHeight(query.storeyHeight);
    const FootprintSet set = LoadFootprints(
        query.file, ReadRules{.storeyHeight = query.storeyHeight, .cancel = query.cancel},
        query.crs);
    return AnswerWithPlan(set, query);
  });
}

SurroundingsAnswer FindSurroundings(const FootprintSet& set, const SurroundingsQuery& query) {
  return Answered([&] {
    CheckQuery(query);
    return AnswerWithPlan(set, query);
  });
}

}  // namespace ventora::site
