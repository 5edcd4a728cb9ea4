#pragma once
// Jobs built in code for the calculation tests: a 20 x 10 x 10 m block in
// 10 m surroundings, and elements added one at a time.

#include "core/job.h"

namespace ventora::testing {

// Wind exponent 0.25, plan area density 20 %; the wind angles are the
// test's to choose.
inline Job BlockJob(float AzB, float AnWind) {
  Job job;
  job.AzB = AzB;
  job.AnWind = AnWind;
  job.VeEXP = 0.25f;
  job.PAD = 20;
  job.SbH = 10;
  job.Bdz = 10;
  job.BdX = 20;
  job.BdY = 10;
  return job;
}

// Appends an element at (X, Z) to facade `iface` (elements count from 1).
inline void AddElement(Job& job, int iface, float X, float Z) {
  const int n = ++job.ElmCount[iface];
  job.ElmX[iface][n] = X;
  job.ElmZ[iface][n] = Z;
}

}  // namespace ventora::testing
