#include "memory_run.h"

#include <cmath>
#include <exception>
#include <limits>
#include <memory>

#include "collected_messages.h"
#include "commands/cp_spread.h"
#include "commands/implausible_message.h"

namespace ventora::python {
namespace {

void RunChecked(MemoryRun& out, MessageSink& messages, const std::string& jobName) {
  RunContext ctx;
  ctx.messages = &messages;
  RunSetup setup;
  setup.openReport = [] { return std::make_unique<NoReport>(); };
  setup.jobName = jobName;
  try {
    out.run = RunCalculation(out.job, ctx, setup);
  } catch (const std::exception& e) {
    messages.Show(Message{"Error", e.what(), MsgIcon::Critical});
    out.outcome = RunOutcome::SystemError;
    return;
  }
  out.outcome = TakeRunVerdict(out.run.verdict, messages);
  ShowImplausible(out.job, out.run, kPointDecimal, messages);
}

}  // namespace

MemoryRun RunInMemory(const Job& job, const std::string& jobName) {
  CollectedMessages messages;
  MemoryRun out;
  out.job = job;
  if (PassesPreRunChecks(out.job, messages, kPointDecimal)) {
    RunChecked(out, messages, jobName);
  } else {
    out.outcome = RunOutcome::Refused;
  }
  out.messages = messages.messages();
  return out;
}

ElementTable TabulateElements(const MemoryRun& run) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ElementTable t;
  std::size_t k = 0;  // index into the report's lines
  for (int iface = 1; iface <= kFacadeCount; ++iface) {
    const FacadeExtents ext = FacadeExtent(run.job, iface);
    for (int ielm = 1; ielm <= run.job.ElmCount[iface]; ++ielm, ++k) {
      t.facade.push_back(iface);
      t.number.push_back(ielm);
      if (k < run.run.elements.size()) {
        const ElementResult& e = run.run.elements[k];
        t.x.push_back(e.X);
        t.z.push_back(e.Z);
        t.x_rel.push_back(e.XL);
        t.z_rel.push_back(e.ZH);
        t.cp.push_back(e.Cp == kNotComputedCp ? nan : e.Cp);
        const ElementStatus& s = run.run.status[k];
        t.status.emplace_back(StatusWord(s.plausibility));
        t.status_detail.push_back(StatusText(s));
      } else {
        const float X = run.job.ElmX[iface][ielm];
        const float Z = run.job.ElmZ[iface][ielm];
        t.x.push_back(X);
        t.z.push_back(Z);
        t.x_rel.push_back(X / ext.L);
        t.z_rel.push_back(Z / ext.H);
        t.cp.push_back(nan);
        t.status.emplace_back(StatusWord(CpPlausibility::NotComputed));
        t.status_detail.emplace_back("not computed");
      }
    }
  }
  return t;
}

void AddSpread(const MemoryRun& run, ElementTable& t) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  t.cp_low.assign(t.cp.size(), nan);
  t.cp_high.assign(t.cp.size(), nan);
  if (run.run.elements.empty()) return;
  const CpSpread spread = SpreadAround(run.job, {run.job.AnWind});
  const std::vector<ElementSpread>& elements = spread.directions.front().elements;
  for (std::size_t k = 0; k < elements.size() && k < run.run.elements.size(); ++k) {
    if (std::isnan(t.cp[k])) continue;
    t.cp_low[k] = elements[k].low;
    t.cp_high[k] = elements[k].high;
    t.status_detail[k] = WithSpread(t.status_detail[k], SpreadText(elements[k]));
  }
}

}  // namespace ventora::python
