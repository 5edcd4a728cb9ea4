#pragma once
// A question about a site answered from any footprint set, the native
// program's or the browser edition's: the radius the query gives, or the
// one the guide advises from a first pass, and the notes of the set and
// the site.

#include <functional>
#include <string>
#include <vector>

#include "site_query.h"

namespace ventora::site {

using ComputeValues = std::function<Surroundings(const SurroundingsRequest&)>;

// Throws SiteError when the query gives neither a radius nor a building
// height, or the radius advised for the building is outside its range.
void CheckQuery(const SurroundingsQuery& query);

// Throws SiteError for a storey height outside its range.
void CheckStoreyHeight(double storeyHeight);

// The values of `query` from a set whose values `compute` gives and whose
// reading left `setNotes`; throws as `compute` does.
SurroundingsAnswer Answer(const SurroundingsQuery& query, const std::vector<std::string>& setNotes,
                          const ComputeValues& compute);

// What `find` answers; a failure becomes the answer's error, a stop its
// `cancelled`.
SurroundingsAnswer Answered(const std::function<SurroundingsAnswer()>& find);

}  // namespace ventora::site
