#include "core/parameter_table.h"

#include <array>
#include <charconv>

#include "core/portable_std.h"
#include "core/range_message.h"

namespace ventora::limits {
namespace {

// The shortest text that reads back as the same 32-bit value.
std::string Number(float v) {
  std::array<char, 32> buffer{};
  const auto end = portable::to_chars(buffer.data(), buffer.data() + buffer.size(), v).ptr;
  return std::string(buffer.data(), end);
}

struct Row {
  const char* name;
  const char* meaning;
  const char* unit;
  const ParameterLimits* limits;
  const char* section;  // the parameter's section in parameters.md
};

constexpr std::array<Row, 15> kRows{{
    {"AzB", "azimuth of the building", "deg", &kAzB, "building-azimuth-azb"},
    {"AnWind", "wind direction", "deg", &kAnWind, "wind-direction-anwind"},
    {"PAD", "plan area density of the surroundings", "%", &kPAD, "plan-area-density-pad"},
    {"SbH", "height of the surrounding buildings", "m", &kSbH,
     "height-of-the-surrounding-buildings-sbh"},
    {"Bdz", "height of the building", "m", &kBdz, "building-height-bdz"},
    {"BdX", "length of the building", "m", &kBdX, "building-length-bdx"},
    {"BdY", "width of the building", "m", &kBdY, "building-width-bdy"},
    {"VeEXP", "wind velocity profile exponent", "-", &kVeEXP,
     "wind-velocity-profile-exponent-veexp"},
    {"Phi", "roof tilt angle", "deg", &kPhi, "roof-tilt-angle-phi"},
    {"Islope", "roof type: 0 flat, 1 single slope, 2 double slope", "-", &kIslope,
     "roof-type-islope"},
    {"RbH", "relative building height Bdz / SbH", "-", &kRbH, "derived-ratios-rbh-far-sar"},
    {"FAR", "frontal aspect ratio: facade length / Bdz", "-", &kFAR, "derived-ratios-rbh-far-sar"},
    {"SAR", "side aspect ratio: adjacent facade length / Bdz", "-", &kSAR,
     "derived-ratios-rbh-far-sar"},
    {"XL", "element position along its facade, X / L", "-", &kXL, "element-positions-xl-and-zh"},
    {"ZH", "element position up its facade (across the roof), Z / H", "-", &kZH,
     "element-positions-xl-and-zh"},
}};

struct NamedRange {
  const char* value;
  const Range* range;
  const char* where;
};

constexpr std::array<NamedRange, 8> kNamedRanges{{
    {"PAD", &kPADIfRbHNot1, "checked before a run, and by the run, when RbH is not 1"},
    {"PAD", &kPADIfRatioNot1,
     "checked before a run, and by the run, when FAR or SAR is not 1 (whatever RbH)"},
    {"VeEXP", &kVeEXPFieldAccepted,
     "taken by the environment dialog's field; below 0.1 the check before a run refuses it"},
    {"Phi", &kPhiRunAccepted, "taken by the run itself (the dialog and the check stop below 50)"},
    {"RbH", &kRbHRunAccepted, "taken by the run itself (RbH 0 passes the check before a run)"},
    {"SAR", &kSARCheckConfidence, "confidence range of the warning before a run"},
    {"ZH", &kWallZHBand,
     "band of a wall's height where its profile is trusted; wall elements are computed at the "
     "nearest height within it, unless VeEXP is exactly 0.22"},
    {"ZH", &kZHModelBand,
     "band beyond which no wall element is computed; roof elements outside it get a warning"},
}};

std::string Cell(const Range& range, const std::string& name) {
  if (range.lowEnd == End::Unbounded && range.highEnd == End::Unbounded) return "none checked";
  return PlainRangeText(range, name);
}

}  // namespace

std::string ParameterTableMarkdown() {
  std::string md =
      "# Table of limits\n\n"
      "This page is written by the program itself (`ventora-limits-table`) from the table of\n"
      "limits that its checks read, so it always says what the program does. The meaning of\n"
      "each value and advice on choosing it are in [The ten parameters](parameters.md); what\n"
      "each message means is in [Messages](messages.md).\n\n"
      "**Accepted**: outside this range the value is refused (by the dialog, by the check\n"
      "before a run, or by the run). **Confidence**: inside it the model is trusted; outside\n"
      "it, within the accepted range, the program warns and computes anyway.\n\n"
      "| value | meaning | unit | accepted | confidence |\n"
      "|---|---|---|---|---|\n";
  for (const Row& row : kRows) {
    md += "| [" + std::string(row.name) + "](parameters.md#" + row.section + ") | " + row.meaning +
          " | " + row.unit + " | " + Cell(row.limits->accepted, row.name) + " | " +
          Cell(row.limits->confidence, row.name) + " |\n";
  }
  md +=
      "\n## Ranges that depend on the case\n\n"
      "| value | range | where it applies |\n"
      "|---|---|---|\n";
  for (const NamedRange& named : kNamedRanges)
    md += "| " + std::string(named.value) + " | " + Cell(*named.range, named.value) + " | " +
          named.where + " |\n";
  md += "\nA wall's height band does not apply when VeEXP is exactly " +
        Number(kExponentWithoutZHBand) + ".\n";
  return md;
}

const char* GuideSection(std::string_view name) {
  for (const Row& row : kRows)
    if (name == row.name) return row.section;
  return nullptr;
}

}  // namespace ventora::limits
