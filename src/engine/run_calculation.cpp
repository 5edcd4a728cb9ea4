#include "engine/run_calculation.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

#include "engine/models/row_memo.h"
#include "engine/prepared_elements.h"
#include "engine/run_limits.h"

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
  ElementWalk(const Job& job, const RunContext& ctx, const RunSetup& setup, ReportWriter& report,
              RunResult& result)
      : ctx_(ctx),
        setup_(setup),
        report_(report),
        result_(result),
        input_{.geometry = result.geometry,
               .PAD = job.PAD,
               .VeEXP = job.VeEXP,
               .Islope = job.Islope,
               .Phi = job.Phi,
               .heights = &heights_,
               .plans = setup.plans != nullptr ? setup.plans : &ownPlans_,
               .alongs = setup.alongs != nullptr ? setup.alongs : &ownAlongs_} {
    for (int iface = 1; iface <= kFacadeCount; ++iface) {
      const auto count =
          static_cast<std::size_t>(std::clamp<int>(job.ElmCount[iface], 0, kMaxElements));
      heights_.Expect(iface,
                      std::span(job.ElmZ[static_cast<std::size_t>(iface)]).subspan(1, count));
    }
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
  HeightPartCache heights_;
  FacadePlans ownPlans_;
  AlongFactorCache ownAlongs_;
  FacadeCpInput input_;  // after the caches and plans, which it points to
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
                          ReportWriter& report, RunResult& result, WalkedElements& walked) {
  if (!ParametersWithinLimits(job)) return 1;
  ShowAll(ctx, ParameterConfidenceWarnings(job));
  report.WriteHeader(job, setup.jobName, setup.dateText);
  const std::vector<PreparedElement>& elements =
      setup.elements != nullptr ? setup.elements->For(job) : (walked.own = PrepareElements(job));
  walked.walked = elements;
  result.geometry = DeriveFacadeGeometry(job);
  if (!DerivedWithinLimits(job, result.geometry)) return 1;
  ShowAll(ctx, DerivedConfidenceWarnings(result.geometry));
  report.WriteColumnHeader();
  return ElementWalk(job, ctx, setup, report, result).Run(elements);
}

// Keeps ctx.report pointing at the open report, and ctx.rows at the run's
// curve values, only while the run lasts.
class ReportAttachment {
 public:
  ReportAttachment(RunContext& ctx, ReportWriter& report, RowMemo& rows) : ctx_(ctx) {
    ctx_.report = &report;
    ctx_.rows = &rows;
  }
  ~ReportAttachment() {
    ctx_.report = nullptr;
    ctx_.rows = nullptr;
  }
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
    std::unique_ptr<RowMemo> ownRows;
    if (setup.rows == nullptr) ownRows = std::make_unique<RowMemo>();
    ReportAttachment attached(ctx, *report, setup.rows != nullptr ? *setup.rows : *ownRows);
    runError = CheckAndWalk(job, ctx, setup, *report, result, walked);
  }
  result.status = JudgeElements(job, result.geometry, result.elements, walked.walked);
  // The report is in place before the verdict says so: a run that returns
  // never points at a half-written report.
  report->Close();
  result.verdict = runError == 0 ? RunVerdict::Completed : RunVerdict::Stopped;
  return result;
}

}  // namespace ventora
