#pragma once
// Where the model's fitted curves are known to misbehave: a scan of the
// windward wall's Cp with the wind head on, over PAD 0 to 35 and the
// confidence ranges of the profile exponent (in three slices) and of RbH,
// FAR and SAR, judged as the run judges every Cp
// (engine/cp_plausibility.h). The scan's findings are kept as a table
// (troubled_region_tables.h, written by ventora-troubled-region from
// troubled_region_scan.h); the run's warning names the part of it a job
// lies in, or says that the job lies where the scan found nothing, or where
// it did not look.

#include <functional>
#include <string>
#include <string_view>

#include "core/job.h"
#include "core/parameter_limits.h"
#include "engine/facade_geometry.h"

namespace ventora::troubled {

// The grid: slices of the profile exponent's confidence range, cells of
// RbH, FAR and SAR kCellWidth wide from kRatioLow, and PAD bands 1 wide from
// 0 to kPADBands.
inline constexpr int kExponentSlices = 3;
inline constexpr float kRatioLow = 0.5f;
inline constexpr float kCellWidth = 0.25f;
inline constexpr int kRatioCells = 14;  // up to 4
inline constexpr int kPADBands = 35;    // up to 35
inline constexpr int kCells = kExponentSlices * kRatioCells * kRatioCells * kRatioCells;

// What the scan found in one PAD band of a cell: nothing, a Cp below 0 on
// the wall above the surroundings (only there), a Cp beyond the windward
// wall's envelope, or both.
inline constexpr char kNothing = '.';
inline constexpr char kNegativeAbove = 'n';
inline constexpr char kBeyond = 'e';
inline constexpr char kBoth = 'b';

constexpr float SliceLow(int slice) {
  const limits::Range& r = limits::kVeEXP.confidence;
  return r.low + (r.high - r.low) * static_cast<float>(slice) / kExponentSlices;
}

constexpr float SliceHigh(int slice) {
  return slice + 1 == kExponentSlices ? limits::kVeEXP.confidence.high : SliceLow(slice + 1);
}

constexpr float CellLow(int cell) {
  return kRatioLow + kCellWidth * static_cast<float>(cell);
}

constexpr int CellIndex(int slice, int rbh, int far, int sar) {
  return ((slice * kRatioCells + rbh) * kRatioCells + far) * kRatioCells + sar;
}

// The findings of the cell holding VeEXP, RbH, FAR and SAR, one letter per
// PAD band; empty when a value lies outside the scanned ranges.
std::string_view CellFindings(float VeEXP, float RbH, float FAR, float SAR);

// The sentence the run's warning ends with: for each wall within 45 degrees
// of the wind, the part of the troubled region its RbH, FAR, SAR and the
// job's PAD and VeEXP lie in, or that they lie where the scan found nothing
// or did not look. `number` writes a value as the reader expects it.
std::string RegionSentence(const Job& job, const FacadeGeometry& geometry,
                           const std::function<std::string(float)>& number);

}  // namespace ventora::troubled
