#include "engine/facade_geometry.h"

namespace ventora {
namespace {

float RelativeWindAngle(float AzB, float AnWind, int iface) {
  float azimuth = AzB + static_cast<float>((4 - iface) * 90);
  if (azimuth > 360) azimuth -= 360;  // once: 360 itself stays
  float angle = AnWind - azimuth;
  if (angle > 180) {
    angle -= 360;
  } else if (angle <= -180) {
    angle += 360;
  }
  return angle;
}

}  // namespace

FacadeGeometry DeriveFacadeGeometry(const Job& job) {
  FacadeGeometry g;
  g.RbH = job.Bdz / job.SbH;
  for (Facade wall : kWalls) {
    const int i = FacadeIndex(wall);
    g.FacadeAngle[i] = RelativeWindAngle(job.AzB, job.AnWind, i);
    g.FacadeFAR[i] = AlongLength(wall) ? job.BdX / job.Bdz : job.BdY / job.Bdz;
  }
  const int wall1 = FacadeIndex(Facade::Wall1);
  const int wall2 = FacadeIndex(Facade::Wall2);
  const int roof = FacadeIndex(Facade::Roof);
  const int floorFacade = FacadeIndex(Facade::Floor);
  g.FacadeAngle[roof] = g.FacadeAngle[floorFacade] = g.FacadeAngle[wall1];
  g.FacadeFAR[roof] = g.FacadeFAR[floorFacade] = g.FacadeFAR[wall1];
  for (int i = 1; i <= kFacadeCount; ++i) {
    // Round the building wall 1 follows wall 4: index 5 (the roof) holds
    // wall 1's FAR.
    const int next = IsWall(AsFacade(i)) ? i + 1 : wall2;
    g.FacadeSAR[i] = g.FacadeFAR[next];
  }
  return g;
}

}  // namespace ventora
