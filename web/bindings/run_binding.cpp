// Run for the page: the desktop's Run command without files (the checks,
// the run, its messages in the same words), the text report as ventora-run
// writes it, and the Cp map of what the run computed.
#include <emscripten/bind.h>

#include <string>

#include "commands/run_job.h"
#include "map/cpmap_model.h"
#include "output/report_date.h"
#include "web/bindings/cpmap_binding.h"
#include "web/bindings/page_job.h"
#include "web/bindings/page_messages.h"

namespace ventora::web {
namespace {

using emscripten::val;

// {outcome, report, messages, job, map}: the report is empty and the map
// null when the run did not start; the job holds the checks' changes.
val RunJob(const val& page, const std::string& name) {
  Job job = FromPage(page);
  PageMessages messages;
  RunCommandSetup setup;
  setup.jobName = name;
  setup.locale = kPointDecimal;
  setup.now = LocalNow();
  std::string report;
  const RunCommandResult result = RunJobToText(job, messages, setup, report);
  val out = val::object();
  out.set("outcome", std::string(OutcomeName(result.outcome)));
  out.set("report", report);
  out.set("messages", messages.ToPage());
  out.set("job", ToPage(job));
  // A run stopped part-way is drawn too, its elements without a value hollow.
  const bool drawn = result.run.verdict == RunVerdict::Completed || !result.run.elements.empty();
  out.set("map", drawn ? CpMapToPage(BuildCpMapModel(job, result.run, name)) : val::null());
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(run) {
  emscripten::function("runJob", &RunJob);
}

}  // namespace ventora::web
