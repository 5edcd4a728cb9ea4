#include "core/job.h"

namespace ventora {

FacadeExtents FacadeExtent(const Job& job, int iface) {
  if (iface < 1 || iface > kFacadeCount) return {};
  const Facade facade = AsFacade(iface);
  if (!IsWall(facade)) return {job.BdX, job.BdY};
  return {AlongLength(facade) ? job.BdX : job.BdY, job.Bdz};
}

}  // namespace ventora
