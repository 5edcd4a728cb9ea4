#include "engine/troubled_region.h"

#include <cmath>
#include <vector>

#include "core/cp_envelope.h"
#include "engine/troubled_region_tables.h"

namespace ventora::troubled {
namespace {

constexpr float kRatioHigh = kRatioLow + kCellWidth * kRatioCells;

// The cell holding `value`, or -1 outside the scanned range; the top edge
// belongs to the last cell.
int CellOf(float value) {
  if (!(value >= kRatioLow && value <= kRatioHigh)) return -1;
  const int cell = static_cast<int>(std::floor((value - kRatioLow) / kCellWidth));
  return cell < kRatioCells ? cell : kRatioCells - 1;
}

// The slice holding the exponent, or -1 outside its confidence range.
int SliceOf(float VeEXP) {
  if (!limits::kVeEXP.confidence.Contains(VeEXP)) return -1;
  int slice = 0;
  while (slice + 1 < kExponentSlices && VeEXP >= SliceLow(slice + 1))
    ++slice;
  return slice;
}

std::string Joined(const std::vector<std::string>& parts, const char* last) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += i + 1 == parts.size() ? last : "; ";
    text += parts[i];
  }
  return text;
}

bool Holds(std::string_view bands, char found) {
  return bands.find(found) != std::string_view::npos;
}

// What the scan found over a run of PAD bands.
std::string KindText(bool negativeAbove, bool beyond) {
  if (!beyond) return "a Cp below 0 above the surroundings";
  return negativeAbove ? "Cp beyond the windward wall's envelope or below 0 above the surroundings"
                       : "Cp beyond the windward wall's envelope";
}

struct Wall {
  int facade;
  float FAR;
  float SAR;
};

class Sentence {
 public:
  Sentence(const Job& job, const FacadeGeometry& g, const std::function<std::string(float)>& number)
      : job_(job), g_(g), number_(number), slice_(SliceOf(job.VeEXP)) {}

  void Add(const Wall& w) {
    const std::string_view found = CellFindings(job_.VeEXP, g_.RbH, w.FAR, w.SAR);
    if (found.empty() || !(job_.PAD >= 0 && job_.PAD <= kPADBands)) {
      unscanned_.push_back("facade " + std::to_string(w.facade) + " (" + Values(w) + ")");
      return;
    }
    const int band = std::min(static_cast<int>(job_.PAD), kPADBands - 1);
    if (found[band] == kNothing) {
      clean_.push_back("facade " + std::to_string(w.facade) + " (" + Values(w) + ")");
      return;
    }
    // The troubled PAD bands round the job's, and what the scan found there.
    int low = band;
    int high = band + 1;
    while (low > 0 && found[low - 1] != kNothing)
      --low;
    while (high < kPADBands && found[high] != kNothing)
      ++high;
    const std::string_view run =
        found.substr(static_cast<std::size_t>(low), static_cast<std::size_t>(high - low));
    const bool negativeAbove = Holds(run, kNegativeAbove) || Holds(run, kBoth);
    const bool beyond = Holds(run, kBeyond) || Holds(run, kBoth);
    const int cells[] = {CellOf(g_.RbH), CellOf(w.FAR), CellOf(w.SAR)};
    troubled_.push_back(KindText(negativeAbove, beyond) + " for PAD " + Number(low) + " to " +
                        Number(high) + " with RbH " + Span(cells[0]) + ", FAR " + Span(cells[1]) +
                        " and SAR " + Span(cells[2]) + ", where facade " +
                        std::to_string(w.facade) + " lies (" + Values(w) + ")");
  }

  std::string Text() const {
    std::string text;
    if (!troubled_.empty())
      text +=
          "The inputs lie where the model's fitted curves misbehave: with the wind head on "
          "and a profile exponent from " +
          Exponents(slice_) + ", a scan of the model finds " + Joined(troubled_, "; and ") + ".";
    if (!clean_.empty())
      text += std::string(text.empty() ? "" : " ") +
              "A scan of the model with the wind head on and a profile exponent from " +
              Exponents(slice_) + " finds nothing amiss where " + Joined(clean_, " and ") +
              Lie(clean_) +
              (troubled_.empty() ? ": the implausible values come from a wind off the wall's "
                                   "normal, another facade, or inputs between the scan's samples."
                                 : ".");
    if (!unscanned_.empty()) {
      // Starting the warning's last part, "Facade 1 ..." takes a capital.
      std::string walls = Joined(unscanned_, " and ");
      if (text.empty()) walls[0] = 'F';
      text += std::string(text.empty() ? "" : " ") + walls + Lie(unscanned_) +
              " beyond the scan of the model (PAD 0 to " + Number(kPADBands) +
              ", profile exponent " + number_(limits::kVeEXP.confidence.low) + " to " +
              number_(limits::kVeEXP.confidence.high) + ", RbH, FAR and SAR " + number_(kRatioLow) +
              " to " + number_(kRatioHigh) +
              "): nothing is known there of how its fitted curves behave.";
    }
    return text;
  }

 private:
  static const char* Lie(const std::vector<std::string>& walls) {
    return walls.size() == 1 ? " lies" : " lie";
  }
  std::string Exponents(int slice) const {
    return number_(SliceLow(slice)) + " to " + number_(SliceHigh(slice));
  }
  std::string Number(int value) const { return number_(static_cast<float>(value)); }
  std::string Span(int cell) const {
    return number_(CellLow(cell)) + " to " + number_(CellLow(cell + 1));
  }
  std::string Values(const Wall& w) const {
    return "PAD " + number_(job_.PAD) + ", RbH " + number_(g_.RbH) + ", FAR " + number_(w.FAR) +
           ", SAR " + number_(w.SAR);
  }

  const Job& job_;
  const FacadeGeometry& g_;
  const std::function<std::string(float)>& number_;
  int slice_;  // of the job's exponent; -1 outside the scan
  std::vector<std::string> troubled_;
  std::vector<std::string> clean_;
  std::vector<std::string> unscanned_;
};

}  // namespace

std::string_view CellFindings(float VeEXP, float RbH, float FAR, float SAR) {
  const int slice = SliceOf(VeEXP);
  const int rbh = CellOf(RbH);
  const int far = CellOf(FAR);
  const int sar = CellOf(SAR);
  if (slice < 0 || rbh < 0 || far < 0 || sar < 0) return {};
  return kTroubledCells[static_cast<std::size_t>(CellIndex(slice, rbh, far, sar))];
}

std::string RegionSentence(const Job& job, const FacadeGeometry& geometry,
                           const std::function<std::string(float)>& number) {
  Sentence sentence(job, geometry, number);
  for (const Facade wall : kWalls) {
    const int i = FacadeIndex(wall);
    if (limits::WallRole(geometry.FacadeAngle[i], false) == limits::CpRole::WindwardWall)
      sentence.Add({i, geometry.FacadeFAR[i], geometry.FacadeSAR[i]});
  }
  return sentence.Text();
}

}  // namespace ventora::troubled
