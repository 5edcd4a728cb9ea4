#include "ui/main_window/cpmap_last_run.h"

#include <exception>
#include <memory>

#include "engine/pre_run_checks.h"

namespace ventora {
namespace {

// The boxes of the checks were shown at the real run.
class SilentMessages : public MessageSink {
 public:
  MsgAnswer Show(const Message&) override { return MsgAnswer::Ok; }
};

}  // namespace

std::optional<RunResult> RecomputeRun(Job job, const NumberLocale& locale) {
  SilentMessages silent;
  if (CheckJobData(job, silent, locale) != 0 || CheckElements(job, silent) != 0)
    return std::nullopt;
  RunContext ctx;
  RunSetup setup;
  setup.openReport = [] { return std::make_unique<NoReport>(); };
  try {
    return RunCalculation(job, ctx, setup);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace ventora
