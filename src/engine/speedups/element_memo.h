#pragma once
// The elements an earlier run of the same job prepared, kept for the next:
// none of them depends on the wind direction.

#include <vector>

#include "core/job.h"
#include "engine/prepared_elements.h"

namespace ventora {

// The elements an earlier run of the same job prepared, kept with the values
// they were made from (the elements' places, the building's size, VeEXP) and
// made again when one of those changes, so a caller that changes the job
// between runs still gets its own elements.
class ElementMemo {
 public:
  const std::vector<PreparedElement>& For(const Job& job);

 private:
  bool SameSource(const Job& job) const;

  bool made_ = false;
  Job source_;  // the values the elements were made from
  std::vector<PreparedElement> elements_;
};

}  // namespace ventora
