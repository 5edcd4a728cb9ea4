#include "core/job.h"

namespace ventora {

FacadeExtents FacadeExtent(const Job& job, int iface) {
  if (iface < 1 || iface > kFacadeCount) return {};
  const Facade facade = AsFacade(iface);
  if (!IsWall(facade)) return {job.BdX, job.BdY};
  const bool alongLength = facade == Facade::Wall1 || facade == Facade::Wall3;
  return {alongLength ? job.BdX : job.BdY, job.Bdz};
}

}  // namespace ventora
