#include "engine/prepared_elements.h"

#include "engine/speedups/element_memo.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "core/parameter_limits.h"
#include "core/portable_std.h"
#include "job_builders.h"

namespace ventora {
namespace {

using testing::AddElement;
using testing::BlockJob;

// Bit for bit: the run writes these numbers.
auto Bits(const PreparedElement& e) {
  return std::tuple{e.iface,
                    e.outside,
                    e.lastOfFacade,
                    e.heightClamped,
                    portable::bit_cast<std::uint32_t>(e.XL),
                    portable::bit_cast<std::uint32_t>(e.ZH),
                    portable::bit_cast<std::uint32_t>(e.X),
                    portable::bit_cast<std::uint32_t>(e.Z)};
}

void ExpectSame(const std::vector<PreparedElement>& got, const std::vector<PreparedElement>& want,
                const std::string& what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  for (std::size_t i = 0; i < got.size(); ++i)
    EXPECT_EQ(Bits(got[i]), Bits(want[i])) << what << ", element " << i + 1;
}

Job TwoFacadeJob() {
  Job job = BlockJob(0, 270);   // walls 20 and 10 m long, 10 m high; roof 20 x 10 m
  AddElement(job, 1, 5, 0.5f);  // below the wall band: computed at ZH 0.1
  AddElement(job, 1, 15, 5);
  AddElement(job, 1, 25, 5);     // beyond the facade's end
  AddElement(job, 5, 10, 0.5f);  // the roof keeps its ZH
  return job;
}

TEST(PrepareElements, AFacadeCountBeyondItsRangeThrows) {
  Job job = TwoFacadeJob();
  job.ElmCount[2] = kMaxElements + 1;
  EXPECT_THROW(PrepareElements(job), std::runtime_error);
  ElementMemo memo;
  EXPECT_THROW(memo.For(job), std::runtime_error);
  job.ElmCount[2] = 0;
  ExpectSame(memo.For(job), PrepareElements(job), "after the refusal");
}

// Whatever a caller changes between two runs, the memo gives the elements of
// the job it is handed now.
TEST(ElementMemo, PreparesAgainWhenTheValuesItWasMadeFromChange) {
  const std::vector<std::pair<std::string, std::function<void(Job&)>>> changes = {
      {"nothing", [](Job&) {}},
      {"the wind", [](Job& j) { j.AnWind = 90; }},
      {"an element along", [](Job& j) { j.ElmX[1][2] = 16; }},
      {"an element's height", [](Job& j) { j.ElmZ[5][1] = 1; }},
      {"an element added", [](Job& j) { AddElement(j, 2, 5, 5); }},
      {"the length", [](Job& j) { j.BdX = 30; }},
      {"the width", [](Job& j) { j.BdY = 20; }},
      {"the height", [](Job& j) { j.Bdz = 20; }},
      {"the exponent without a height band",
       [](Job& j) { j.VeEXP = limits::kExponentWithoutZHBand; }},
  };
  for (const auto& [what, change] : changes) {
    ElementMemo memo;
    Job job = TwoFacadeJob();
    ExpectSame(memo.For(job), PrepareElements(job), what + ", first run");
    change(job);
    ExpectSame(memo.For(job), PrepareElements(job), what);
  }
}

}  // namespace
}  // namespace ventora
