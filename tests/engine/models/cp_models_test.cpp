// The windward, leeward and roof models: hand-worked Cp references, each
// model's range checks as one boundary table, what a Cp value can hide (band
// edges, reference states of exactly 1, a ratio row without a real value) and
// inputs no run would ever pass.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/models/leeward_model.h"
#include "engine/models/roof_model.h"
#include "engine/models/windward_model.h"
#include "recording_messages.h"

namespace ventora {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kUntouched = -12345.0f;  // a Cp the model must not write
const RunContext kQuiet{true, nullptr, nullptr};

const auto Above = [](float x) { return std::nextafter(x, 1e9f); };
const auto Below = [](float x) { return std::nextafter(x, -1e9f); };

// The models' input with values in the middle of every range; Islope and
// Phi are read by the roof model only.
struct Element {
  float VeEXP = 0.3f, PAD = 10.0f, RbH = 1.2f, FAR = 1.5f, SAR = 0.8f, angle = 20.0f, ZH = 0.5f,
        XL = 0.3f;
  std::int16_t Islope = 0;
  float Phi = 15.0f;
};

using Model = void (*)(const RunContext&, const ModelInput&, float& Cp, std::int16_t& err);
constexpr Model Windward = WindwardCp, Leeward = LeewardCp, Roof = RoofCp;

struct Outcome {
  float Cp = kUntouched;
  std::int16_t err = 0;
  testing::RecordingMessages boxes;
  testing::RecordingLines lines;
};

Outcome RunModel(Model model, const Element& e, bool quiet = false) {
  Outcome out;
  const ModelInput in{e.VeEXP, e.PAD, e.RbH, e.FAR, e.SAR, e.angle, e.ZH, e.XL, e.Islope, e.Phi};
  model(RunContext{quiet, &out.boxes, &out.lines}, in, out.Cp, out.err);
  return out;
}

// Values worked out independently of this code from the model's formulas and
// tables, with the same 32-bit storage of every factor; the tolerance is
// relative (windward) or half a unit of the sixth significant digit.
void ExpectWorked(Model model, const std::vector<std::pair<Element, double>>& cases,
                  bool six_digits = true) {
  for (const auto& [e, cp] : cases) {
    const Outcome out = RunModel(model, e);
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(cp))) - 5);
    EXPECT_NEAR(out.Cp, cp, six_digits ? unit / 2 : 5e-7 * std::fabs(cp)) << "code " << out.err;
  }
}

// One row of a boundary table: the code the run gives, the boxes it shows
// (none when quiet) and the report lines it writes.
struct Boundary {
  Element e;
  int err = 0;
  std::vector<std::string> boxes = {}, lines = {};
};

void CheckBoundaries(Model model, const std::vector<Boundary>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Boundary& b = rows[i];
    SCOPED_TRACE(::testing::Message() << "row " << i + 1);
    const Outcome out = RunModel(model, b.e), quiet = RunModel(model, b.e, true);
    EXPECT_EQ(out.err, b.err);
    EXPECT_EQ(out.Cp == kUntouched, b.err != 0);
    EXPECT_EQ(out.boxes.Texts(), b.boxes);
    EXPECT_EQ(out.lines.lines, b.lines);
    EXPECT_TRUE(quiet.err == b.err && quiet.boxes.shown.empty() && quiet.lines.lines == b.lines);
    for (const Message& m : out.boxes.shown)
      EXPECT_TRUE(m.title == "Ventora" && m.icon == MsgIcon::None && m.buttons == MsgButtons::Ok);
  }
}

TEST(WindwardModelTest, HandWorkedElements) {
  ExpectWorked(Windward,
               {// Interpolated everywhere; RbH divides by 1.5^0.6; SAR line below 1.
                {{0.3f, 8.0f, 1.5f, 2.5f, 0.8f, 20.0f, 0.45f, 0.3f}, 0.29846552},
                // On the VeEXP and RbH grids; mirrored angle; FAR exactly 1.
                {{0.14f, 0.0f, 0.8f, 1.0f, 1.6f, -40.0f, 0.7f, 0.25f}, 0.241729349},
                // Reference VeEXP and RbH; FAR capped at 6; last angle band at the edge.
                {{0.22f, 12.5f, 1.0f, 7.0f, 1.0f, 89.5f, 0.93f, 1.0f}, -0.180188775},
                // Special root rows at PAD 20: both ratio factors strongly negative.
                {{0.25f, 20.0f, 1.2f, 3.0f, 2.0f, 10.0f, 0.6f, 0.6f}, 0.84246242},
                // Dense surroundings: negative PAD factor, SAR capped at 4, last
                // angle band mirrored.
                {{0.4f, 33.0f, 0.6f, 0.7f, 5.0f, -85.0f, 0.15f, 0.9f}, 0.00887823105}},
               /*six_digits=*/false);
}

// Where a model stores a 32-bit intermediate, each case here changes when the
// same formula is computed without the store, so a "simplification" to 64 bits
// shows. Leeward, grid point PAD 15, ZH 0.4, SAR 2 (row 33, an upper row): the
// row value is 20 minus the root of the 64-bit radicand, 0.43999577; taking
// the root's 32-bit value first gives -0.13898884 instead of -0.13898875
// (F1 -0.44854116, F3 0.58792555, F7 0.7320214: row 5 at x 0.5, times 0.73).
// Flat roof, theta 30, ZH 0.5, XL 0.3, VeEXP 0.25: the angle factor
// (0.5454535, row 3) times the VeEXP factor (0.8397436, row 8) is stored as
// one 32-bit factor before the product with the profile (-0.32999587) and the
// flat-roof factor (1.3681864, row 6); one 64-bit product gives one unit in
// the last place less (-0.20680363).
TEST(CpModelsTest, ModelsRoundWhereTheyStore) {
  EXPECT_EQ(RunModel(Leeward, {0.22f, 15, 1, 1, 2, 180, 0.4f, 0.5f}).Cp, -0x1.1ca622p-3f);
  EXPECT_EQ(RunModel(Roof, {0.25f, 0, 1, 1, 1, -30, 0.5f, 0.3f}).Cp, -0x1.a788aap-3f);
}

// Limits inclusive, NaN refused, the first failing check alone speaks. A
// ratio without a real value (here NaN) gives code 2, a box and a line.
TEST(WindwardModelTest, RangeChecksAtTheirBoundaries) {
  const std::string kVeEXP = "VeEXP out of range (0.10 - 0.45)", kPAD = "PAD out of range (0 - 50)",
                    kFAR = "FAR out of range (windward facade)",
                    kSAR = "SAR out of range (windward facade)";
  CheckBoundaries(Windward, {{{.VeEXP = 0.10f, .PAD = 0.0f}},
                             {{.VeEXP = 0.45f, .PAD = 50.0f}},
                             {{.VeEXP = Below(0.10f)}, 1, {kVeEXP}},
                             {{.VeEXP = Above(0.45f), .PAD = 60.0f}, 1, {kVeEXP}},
                             {{.VeEXP = kNaN}, 1, {kVeEXP}},
                             {{.PAD = Below(0.0f)}, 1, {kPAD}},
                             {{.PAD = Above(50.0f), .FAR = kNaN}, 1, {kPAD}},
                             {{.PAD = kNaN}, 1, {kPAD}},
                             {{.FAR = kNaN, .SAR = kNaN}, 2, {kFAR}, {kFAR}},
                             {{.SAR = kNaN}, 2, {kSAR}, {kSAR}}});
}

// Flat curves (line 1, root 1) but for row 8 (PAD 5, ZH 0.2), whose root form
// has no real value: it spoils every cell it belongs to, and only those.
TEST(WindwardModelTest, RatioRowWithoutRealValueSpoilsItsCells) {
  WindwardRatioTable bad{};
  for (auto& row : bad)
    row = {0.0f, 1.0f, 0.0f, 0.0f, 1.0f};
  bad[7][4] = -1.0f;
  for (auto [ZH, PAD, factor, code] : {std::tuple{0.2f, 5.0f, 10000.0f, 2},
                                       {0.3f, 6.0f, 10000.0f, 2},
                                       {0.1f, 3.0f, 10000.0f, 2},
                                       {0.5f, 8.0f, 1.0f, 0}}) {
    float f5 = 0, f6 = 0;
    std::int16_t err5 = 0, err6 = 0;
    WindwardFARFactor(kQuiet, ZH, 2.0f, PAD, f5, err5, bad);
    WindwardSARFactor(kQuiet, ZH, 2.0f, PAD, f6, err6, bad);
    EXPECT_TRUE(err5 == code && err6 == code && f5 == factor && f6 == factor) << ZH << " " << PAD;
  }
}

TEST(LeewardModelTest, HandWorkedElements) {
  ExpectWorked(Leeward, {// Off-grid in PAD for RbH (6.25..12.5), on the FAR grid at PAD 10,
                         // angle between 110 and 130. F1 -0.454243, F2 0.870888, F3 0.636012,
                         // F4 1.12962, F5 0.684030, F6 0.846500, F7 1.33392 (band 0.73).
                         {{0.25f, 10.0f, 1.5f, 2.0f, 0.5f, 120.0f, 0.5f, 0.3f}, -0.290129},
                         // SAR between the plain root at PAD 12.5 and 20 minus the root at
                         // 15, negative angle (x = 1 - XL), top ZH band. F1 -0.410625,
                         // F2 1.27621, F3 0.507523, F4 0.821082, F5 0.585308, F6 0.262619,
                         // F7 1.04149.
                         {{0.14f, 13.75f, 0.8f, 0.7f, 1.8f, -150.0f, 0.85f, 0.2f}, -0.0964264},
                         // Every reference state: only the profile and the angle factor remain.
                         {{0.22f, 0.0f, 1.0f, 1.0f, 1.0f, 180.0f, 0.3f, 0.5f}, -0.361130}});
}

// Limits inclusive, NaN refused, the first failing check alone speaks (the
// messages keep their blanks). The PAD 35 limit binds only a ratio that is not
// 1; a ratio without a real value (here NaN) gives code 2 and a line, no box.
TEST(LeewardModelTest, RangeChecksAtTheirBoundaries) {
  const std::string kXL = " XL out of range (0 - 1)", kZH = "ZH out of range (0 - 1) ",
                    kVeEXP = " VeEXP out of range (0.10 - 0.45) ",
                    kPAD = "PAD out of range (0 - 50) ", kFARPAD = "PAD out of range (0 - 35)",
                    kSARPAD = "PAD out of range (0 - 35) ";
  CheckBoundaries(Leeward,
                  {{{.ZH = 0.0f, .XL = 0.0f}},
                   {{.VeEXP = 0.10f, .ZH = 1.0f, .XL = 1.0f}},
                   {{.VeEXP = 0.45f, .PAD = 35.0f}},
                   {{.PAD = 50.0f, .FAR = 1.0f, .SAR = 1.0f}},
                   {{.VeEXP = 0.5f, .ZH = 2.0f, .XL = -0.01f}, 1, {kXL}},
                   {{.XL = kNaN}, 1, {kXL}},
                   {{.VeEXP = 0.5f, .ZH = Above(1.0f)}, 1, {kZH}},
                   {{.ZH = kNaN}, 1, {kZH}},
                   {{.VeEXP = Below(0.10f), .PAD = 60.0f}, 1, {kVeEXP}},
                   {{.VeEXP = Above(0.45f)}, 1, {kVeEXP}},
                   {{.VeEXP = kNaN}, 1, {kVeEXP}},
                   {{.PAD = Above(50.0f), .FAR = 3.0f}, 1, {kPAD}},
                   {{.PAD = Below(0.0f)}, 1, {kPAD}},
                   {{.PAD = Above(35.0f)}, 1, {kFARPAD}},
                   {{.PAD = Above(35.0f), .FAR = 1.0f, .SAR = 2.0f}, 1, {kSARPAD}},
                   {{.FAR = kNaN, .SAR = kNaN}, 2, {}, {"FAR out of range (leeward facade)"}},
                   {{.SAR = kNaN}, 2, {}, {"SAR out of range (leeward facade)"}}});
}

TEST(LeewardModelTest, BandMultiplierBandsIncludeTheirLowerBound) {
  const std::pair<float, double> cases[] = {
      {0.0f, 0.86}, {Below(0.2f), 0.86}, {0.2f, 0.83}, {Below(0.4f), 0.83},
      {0.4f, 0.73}, {Below(0.6f), 0.73}, {0.6f, 0.64}, {Below(0.8f), 0.64},
      {0.8f, 0.61}, {1.0f, 0.61}};
  for (auto [ZH, multiplier] : cases)
    EXPECT_EQ(LeewardBandMultiplier(ZH), multiplier) << ZH;
}

// A row without a real value spoils its cells; from row 31 on the SAR factor
// gives 20 minus the root, but must not turn 1000 into -980.
TEST(LeewardModelTest, UpperSARRowWithoutRealValueStillFails) {
  constexpr std::array<float, 6> pad{0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f};
  constexpr std::array<float, 6> zh{0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
  CoefTable<36, 5> rows{};
  for (auto& row : rows)
    row = {0.5f, 0.5f, 0.0f, 0.0f, 1.0f};
  rows[30] = {0.5f, 0.5f, -1.0f, 0.0f, 0.0f};  // row 31: PAD 5, ZH 0.1
  for (auto [ZH, factor, code] :
       {std::tuple{0.2f, 19.0f, 0}, {0.1f, 10000.0f, 2}, {0.15f, 10000.0f, 2}}) {
    float f = 0;
    std::int16_t err = 0;
    LeewardSARFactor(kQuiet, ZH, 2.0f, 5.0f, f, err, {rows, pad, zh});
    EXPECT_TRUE(f == factor && err == code) << ZH;
  }
}

TEST(RoofModelTest, HandWorkedElementsOfEveryRoofType) {
  ExpectWorked(Roof, {// flat: reference state, then off-grid in ZH and angle with each
                      // RbH curve
                      {{0.22f, 0, 1, 1, 1, 0, 0.3f, 0.2f, 0, 0}, -0.636557},
                      {{0.3f, 10, 1.5f, 2, 1.5f, 30, 0.3f, 0.2f, 0, 0}, -0.0188746},
                      {{0.28f, 8, 1, 1.6f, 0.8f, -40, 0.35f, 0.3f, 0, 0}, -0.0120112},
                      // (this one reads flat row 10 with its corrected c3; -0.101356
                      // with the sign as listed)
                      {{0.18f, 4, 0.7f, 1.25f, 3, 135, 0.15f, 0.85f, 0, 0}, -0.106810},
                      // single slope: general and mid-line
                      {{0.3f, 10, 0.8f, 2, 1.5f, -120, 0.6f, 0.7f, 1, 15}, -0.0146341},
                      {{0.25f, 3, 1, 1.3f, 2.2f, 75, 0.4f, 0.5f, 1, 10}, -0.0239995},
                      // double slope: mid-line, general with wind from behind, any
                      // other Islope
                      {{0.15f, 20, 1.2f, 0.7f, 2.5f, 45, 0.9f, 0.5f, 2, 20}, -0.0143077},
                      {{0.35f, 15, 2.0f, 1.8f, 1.2f, 150, 0.66f, 0.15f, 2, 25}, -0.00834072},
                      {{0.4f, 0, 1, 2.5f, 0.5f, -10, 0.2f, 0.9f, 3, 35}, 0.0539453}});
}

// Limits inclusive, NaN refused, the first failing check alone speaks. RbH of
// exactly 1 takes the PAD factor (PAD up to 50) instead of the RbH factor (up
// to 40); FAR not 1 binds PAD to 35; the SAR factor has no PAD limit.
TEST(RoofModelTest, RangeChecksAtTheirBoundaries) {
  const std::string kXL = "XL out of range (0 - 1) ", kZH = "ZH out of range (0 - 1) ",
                    kVeEXP = " VeEXP out of range (0.10 - 0.45)",
                    kPAD50 = "PAD out of range (0 - 50) ", kPAD40 = "PAD out of range (0 - 40)",
                    kPAD35 = "PAD out of range (0 - 35)";
  CheckBoundaries(Roof, {{{.ZH = 0.0f, .XL = 0.0f}},
                         {{.VeEXP = 0.10f, .ZH = 1.0f, .XL = 1.0f}},
                         {{.VeEXP = 0.45f, .PAD = 35.0f}},
                         {{.PAD = 40.0f, .FAR = 1.0f, .SAR = 2.0f}},
                         {{.PAD = 50.0f, .RbH = 1.0f, .FAR = 1.0f, .SAR = 2.0f}},
                         {{.VeEXP = 0.5f, .ZH = 1.5f, .XL = -0.1f}, 1, {kXL}},
                         {{.XL = kNaN}, 1, {kXL}},
                         {{.VeEXP = 0.5f, .ZH = Above(1.0f)}, 1, {kZH}},
                         {{.ZH = kNaN}, 1, {kZH}},
                         {{.VeEXP = Below(0.10f), .PAD = 60.0f}, 1, {kVeEXP}},
                         {{.VeEXP = Above(0.45f)}, 1, {kVeEXP}},
                         {{.VeEXP = kNaN}, 1, {kVeEXP}},
                         {{.PAD = Above(50.0f), .RbH = 1.0f}, 1, {kPAD50}},
                         {{.PAD = Below(0.0f), .RbH = 1.0f}, 1, {kPAD50}},
                         {{.PAD = 60.0f, .FAR = 1.0f}, 1, {kPAD40}},
                         {{.PAD = Above(40.0f)}, 1, {kPAD40}},
                         {{.PAD = Above(35.0f)}, 1, {kPAD35}},
                         {{.PAD = 45.0f, .RbH = 1.0f}, 1, {kPAD35}}});
}

// The angle and VeEXP factors jump at their band edges, each band including
// its lower edge; ZH 1 stays in the top band. The roof-type factors give
// exactly 1 in their reference states.
TEST(RoofModelTest, FactorBandsAndReferenceStates) {
  auto veexp = [](float ZH, float theta) {
    float f = 0;
    std::int16_t status = 0;
    RoofVeEXPFactor(kQuiet, ZH, 0.3f, theta, f, status);
    return f;
  };
  auto expect_edge = [](auto f, float edge, float step) {
    EXPECT_EQ(f(edge), f(edge + step)) << edge;
    EXPECT_EQ(f(Below(edge)), f(edge - step)) << edge;
    EXPECT_NE(f(edge), f(edge - step)) << edge;
  };
  for (float edge : {0.2f, 0.4f, 0.6f, 0.8f}) {
    expect_edge([](float ZH) { return RoofAngleFactor(ZH, 40.0f); }, edge, 0.05f);
    expect_edge([&](float ZH) { return veexp(ZH, 10.0f); }, edge, 0.05f);
  }
  for (float edge : {22.5f, 45.0f, 67.5f})
    expect_edge([&](float theta) { return veexp(0.1f, theta); }, edge, 5.0f);
  EXPECT_EQ(RoofAngleFactor(1.0f, 140.0f), RoofAngleFactor(0.9f, 140.0f));
  // On a flat roof's mid-line and on a roof without slope: not merely the
  // value their curves come close to.
  EXPECT_EQ(RoofFlatFactor(0.3f, 40.0f, 0.5f), 1.0f);
  EXPECT_EQ(RoofSingleSlopeFactor(0.3f, 40.0f, 0.0f, 0.2f), 1.0f);
  EXPECT_EQ(RoofDoubleSlopeFactor(0.3f, 40.0f, 0.0f, 0.2f), 1.0f);
}

// Every pair of arguments takes every pair of wild values: the run refuses
// (Cp untouched) or computes. Run under the sanitizer build to catch any read
// outside a table.
TEST(CpModelsTest, WildInputsStayInsideTheTables) {
  const float wild[] = {-kInf, -1e30f, -1, 0, 0.07f, 0.5f, 1, 3, 95, 1e30f, kInf, kNaN};
  float Element::*const fields[] = {&Element::VeEXP, &Element::PAD, &Element::angle,
                                    &Element::RbH,   &Element::FAR, &Element::SAR,
                                    &Element::ZH,    &Element::XL,  &Element::Phi};
  const std::pair<Model, Element> bases[] = {
      {Windward, {}},         {Leeward, {}},         {Leeward, {.PAD = 35.0f, .angle = 150.0f}},
      {Roof, {.Islope = -1}}, {Roof, {.Islope = 0}}, {Roof, {.Islope = 1}},
      {Roof, {.Islope = 2}},  {Roof, {.Islope = 7}}};
  for (const auto& [model, base] : bases)
    for (int i = 0; i < 9; ++i)
      for (int j = i + 1; j < 9; ++j)
        for (float a : wild)
          for (float b : wild) {
            Element e = base;
            e.*fields[i] = a;
            e.*fields[j] = b;
            const Outcome out = RunModel(model, e, true);
            EXPECT_TRUE(out.err == 0 || ((out.err == 1 || out.err == 2) && out.Cp == kUntouched))
                << i << " " << j;
          }
}

}  // namespace
}  // namespace ventora
