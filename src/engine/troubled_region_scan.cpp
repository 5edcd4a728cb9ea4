#include "engine/troubled_region_scan.h"

#include <array>

#include "core/cp_envelope.h"
#include "core/number_locale.h"
#include "engine/facade_cp.h"
#include "engine/pre_run_checks.h"
#include "engine/run_limits.h"
#include "engine/speedups/speedups.h"
#include "engine/troubled_region.h"

namespace ventora::troubled {
namespace {

// Samples per cell and ratio, and per PAD band, beyond the first: the edges
// of every cell and band are sampled, so a finding on an edge marks both
// sides.
constexpr int kRatioSteps = 2;
constexpr int kPADSteps = 4;
constexpr float kHeight = 20;  // m: the ratios are what counts
// Both edges and the middle: the factor along the wall is lowest near its
// edges and highest in its middle.
constexpr std::array<float, 3> kXL{0.1f, 0.5f, 0.9f};
// The element's own heights, ZH 0.1 to 1 by 0.05: up to the eaves, where an
// element is computed at the top of the wall band but stands at its own height.
constexpr int kHeights = 19;

constexpr int kNegativeAboveBit = 1;
constexpr int kBeyondBit = 2;

class Silent : public MessageSink {
 public:
  MsgAnswer Show(const Message&) override { return MsgAnswer::Ok; }
};

// The element's own heights, and the heights the run computes them at.
struct Heights {
  explicit Heights(float VeEXP) {
    for (int h = 0; h < kHeights; ++h) {
      own[h] = 0.1f + 0.05f * static_cast<float>(h);
      computed[h] = ClampedZH(Facade::Wall1, own[h], VeEXP);
    }
  }
  std::array<float, kHeights> own{};
  std::array<float, kHeights> computed{};
};

// Wall 1 head on (it faces 270 at AzB 0): what the run would find over its
// face, as bits; 0 where the job is refused.
int Finding(float PAD, float RbH, float FAR, float SAR, float VeEXP) {
  Job job;
  job.AnWind = 270;
  job.PAD = PAD;
  job.Bdz = kHeight;
  job.SbH = kHeight / RbH;
  job.BdX = FAR * kHeight;
  job.BdY = SAR * kHeight;
  job.VeEXP = VeEXP;
  Silent silent;
  if (CheckJobData(job, silent, kPointDecimal) != 0 || !ParametersWithinLimits(job)) return 0;
  const FacadeGeometry geometry = DeriveFacadeGeometry(job);
  if (!DerivedWithinLimits(job, geometry)) return 0;
  const Heights heights(VeEXP);
  // Row by row, upwards: each row's height part is evaluated once.
  Speedups speedups;
  speedups.StartWalk(job);
  const RunContext ctx{true, nullptr, nullptr};
  const limits::CpEnvelope& windward = limits::EnvelopeOf(limits::CpRole::WindwardWall);
  int found = 0;
  for (int h = 0; h < kHeights; ++h) {
    const limits::CpEnvelope& own = limits::EnvelopeOf(
        limits::WallRole(geometry.FacadeAngle[1], heights.own[h] * job.Bdz > job.SbH));
    for (const float XL : kXL) {
      const FacadeCpResult r = FacadeCp(ctx, {.geometry = geometry,
                                              .PAD = job.PAD,
                                              .VeEXP = job.VeEXP,
                                              .facade = Facade::Wall1,
                                              .XL = XL,
                                              .ZH = heights.computed[h],
                                              .carried = {0, 0},
                                              .speedups = &speedups});
      if (r.err != 0) continue;
      if (!(r.cp >= windward.low.value && r.cp <= windward.high.value))
        found |= kBeyondBit;
      else if (!(r.cp >= own.low.value && r.cp <= own.high.value))
        found |= kNegativeAboveBit;
    }
  }
  return found;
}

constexpr char kLetters[] = {kNothing, kNegativeAbove, kBeyond, kBoth};

}  // namespace

std::string ScanCell(int slice, int rbh, int far, int sar) {
  // The exponent scales a windward Cp (by a factor of two and more over its
  // confidence range) without turning its sign: each slice's ends and
  // middle are scanned, and a finding at any of them counts.
  const std::array<float, 3> exponents{SliceLow(slice), (SliceLow(slice) + SliceHigh(slice)) / 2,
                                       SliceHigh(slice)};
  std::array<int, kPADBands> bands{};
  const float step = kCellWidth / kRatioSteps;
  for (int i = 0; i <= kRatioSteps; ++i)
    for (int j = 0; j <= kRatioSteps; ++j)
      for (int k = 0; k <= kRatioSteps; ++k) {
        const float RbH = CellLow(rbh) + step * static_cast<float>(i);
        const float FAR = CellLow(far) + step * static_cast<float>(j);
        const float SAR = CellLow(sar) + step * static_cast<float>(k);
        for (int p = 0; p <= kPADBands * kPADSteps; ++p) {
          int found = 0;
          for (const float VeEXP : exponents)
            found |= Finding(static_cast<float>(p) / kPADSteps, RbH, FAR, SAR, VeEXP);
          if (found == 0) continue;
          const int band = p / kPADSteps;
          if (band < kPADBands) bands[band] |= found;
          if (p % kPADSteps == 0 && band > 0) bands[band - 1] |= found;
        }
      }
  std::string letters;
  for (const int found : bands)
    letters += kLetters[found];
  return letters;
}

}  // namespace ventora::troubled
