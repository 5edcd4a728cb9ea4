#include "engine/run_calculation.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

#include "engine/prepared_elements.h"
#include "engine/run_limits.h"
#include "engine/speedups/speedups.h"

namespace ventora {
namespace {

void ShowAll(const RunContext& ctx, const std::vector<std::string>& texts) {
  if (ctx.messages == nullptr) return;
  for (const std::string& text : texts)
    ctx.messages->Show(Message{kAppTitle, text});
}

// Walks the prepared elements; returns the run's error code (0: all done).
class ElementWalk {
 public:
  ElementWalk(const Job& job, const RunContext& ctx, const RunSetup& setup, Speedups& speedups,
              ReportWriter& report, RunResult& result)
      : ctx_(ctx),
        setup_(setup),
        report_(report),
        result_(result),
        input_{.geometry = result.geometry,
               .PAD = job.PAD,
               .VeEXP = job.VeEXP,
               .Islope = job.Islope,
               .Phi = job.Phi,
               .speedups = &speedups} {
    speedups.StartWalk(job);
  }

  std::int16_t Run(const std::vector<PreparedElement>& elements) {
    result_.elements.reserve(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i)
      if (!Element(static_cast<std::int16_t>(i + 1), elements[i])) break;
    return runError_;
  }

 private:
  // False when the run stops at this element.
  bool Element(std::int16_t k, const PreparedElement& e) {
    float Cp = kNotComputedCp;  // an element outside its facade
    if (e.outside) {
      runError_ = 1;
    } else {
      // Only the element's own values change from one element to the next.
      input_.facade = AsFacade(e.iface);
      input_.XL = e.XL;
      input_.ZH = e.ZH;
      input_.carried = {Cp, runError_};
      const FacadeCpResult r = setup_.facadeCp(ctx_, input_);
      Cp = r.cp;
      runError_ = r.err;
      sum_ += Cp;
      ++count_;
      if (runError_ != 0) return false;
    }
    const ElementResult line{e.iface, k, e.X, e.Z, e.XL, e.ZH, Cp};
    report_.WriteElement(line);
    result_.elements.push_back(line);
    if (e.lastOfFacade) EndFacade(e.iface);
    return true;
  }

  // A facade none of whose elements was computed has no average to show.
  void EndFacade(std::int16_t iface) {
    if (count_ > 0) {
      const float average = sum_ / static_cast<float>(count_);
      report_.WriteAverage(iface, average);
      result_.averages.push_back({iface, average});
    }
    sum_ = 0;
    count_ = 0;
  }

  const RunContext& ctx_;
  const RunSetup& setup_;
  ReportWriter& report_;
  RunResult& result_;
  FacadeCpInput input_;
  std::int16_t runError_ = 0;
  float sum_ = 0;
  std::int16_t count_ = 0;
};

// The elements the run walks: its own (kept in `own`) or the memo's.
struct WalkedElements {
  std::vector<PreparedElement> own;
  std::span<const PreparedElement> walked;
};

// Steps after the report is open; returns the run's error code.
std::int16_t CheckAndWalk(const Job& job, RunContext& ctx, const RunSetup& setup,
                          Speedups& speedups, ReportWriter& report, RunResult& result,
                          WalkedElements& walked) {
  if (!ParametersWithinLimits(job)) return 1;
  ShowAll(ctx, ParameterConfidenceWarnings(job));
  report.WriteHeader(job, setup.jobName, setup.dateText);
  const std::vector<PreparedElement>& elements =
      setup.speedups != nullptr ? speedups.Elements(job) : (walked.own = PrepareElements(job));
  walked.walked = elements;
  result.geometry = DeriveFacadeGeometry(job);
  if (!DerivedWithinLimits(job, result.geometry)) return 1;
  ShowAll(ctx, DerivedConfidenceWarnings(result.geometry));
  report.WriteColumnHeader();
  return ElementWalk(job, ctx, setup, speedups, report, result).Run(elements);
}

// Keeps ctx.report pointing at the open report only while the run lasts.
class ReportAttachment {
 public:
  ReportAttachment(RunContext& ctx, ReportWriter& report) : ctx_(ctx) { ctx_.report = &report; }
  ~ReportAttachment() { ctx_.report = nullptr; }
  ReportAttachment(const ReportAttachment&) = delete;
  ReportAttachment& operator=(const ReportAttachment&) = delete;

 private:
  RunContext& ctx_;
};

}  // namespace

void SetQuietMode(RunContext& ctx) {
  ctx.quiet = true;
}

RunResult RunCalculation(const Job& job, RunContext& ctx, const RunSetup& setup) {
  SetQuietMode(ctx);
  RunResult result;
  std::unique_ptr<ReportWriter> report = setup.openReport();
  if (!report) throw std::runtime_error("No report could be opened for the run.");
  std::int16_t runError = 0;
  WalkedElements walked;
  {
    std::unique_ptr<Speedups> own;
    if (setup.speedups == nullptr) own = std::make_unique<Speedups>();
    ReportAttachment attached(ctx, *report);
    runError = CheckAndWalk(job, ctx, setup, setup.speedups != nullptr ? *setup.speedups : *own,
                            *report, result, walked);
  }
  result.status = JudgeElements(job, result.geometry, result.elements, walked.walked);
  // The report is in place before the verdict says so: a run that returns
  // never points at a half-written report.
  report->Close();
  result.verdict = runError == 0 ? RunVerdict::Completed : RunVerdict::Stopped;
  return result;
}

}  // namespace ventora
