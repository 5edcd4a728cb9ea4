#include "core/job.h"

namespace ventora {

FacadeExtents FacadeExtent(const Job& job, int iface) {
  switch (iface) {
    case 1:
    case 3:
      return {job.BdX, job.Bdz};
    case 2:
    case 4:
      return {job.BdY, job.Bdz};
    case 5:
    case 6:
      return {job.BdX, job.BdY};
    default:
      return {};
  }
}

}  // namespace ventora
