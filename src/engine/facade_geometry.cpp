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
  for (int i = 1; i <= 4; ++i) {
    g.FacadeAngle[i] = RelativeWindAngle(job.AzB, job.AnWind, i);
    const bool alongLength = (i % 2) == 1;
    g.FacadeFAR[i] = alongLength ? job.BdX / job.Bdz : job.BdY / job.Bdz;
  }
  g.FacadeAngle[5] = g.FacadeAngle[6] = g.FacadeAngle[1];
  g.FacadeFAR[5] = g.FacadeFAR[6] = g.FacadeFAR[1];
  for (int i = 1; i <= kFacadeCount; ++i) {
    const int next = (i + 1 > 5) ? 2 : i + 1;
    g.FacadeSAR[i] = g.FacadeFAR[next];
  }
  return g;
}

}  // namespace ventora
