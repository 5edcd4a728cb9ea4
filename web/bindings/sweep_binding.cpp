// Sweep and export for the page: the desktop's Sweep… without files (the
// same checks, swept job, directions and exporters as ventora-run --sweep,
// so the text is its file byte for byte), with the values of Cp against the
// wind direction for the plot and the table.
#include <emscripten/bind.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "commands/sweep_export.h"
#include "core/cancellation.h"
#include "map/cpmap_model.h"
#include "output/sweep/export_checks.h"
#include "output/sweep/modelica_export.h"
#include "web/bindings/page_job.h"
#include "web/bindings/page_messages.h"

#ifndef VENTORA_VERSION
#define VENTORA_VERSION "unknown"
#endif

namespace ventora::web {
namespace {

using emscripten::val;

constexpr int kMostStep = 180;  // degrees between two directions
constexpr int kMostContamFirst = 1000000;

// A copy of `values` as a JavaScript typed array of the same element type.
template <typename T>
val TypedArray(const char* type, const std::vector<T>& values) {
  return val::global(type).new_(val(emscripten::typed_memory_view(values.size(), values.data())));
}

// {title, AzB, AnWind, directions, normals, stopped, and the elements in
// k order: ks, ifaces, places (one a line), and for element i the Cp at
// direction j as cp[i * directions + j], implausible alike}, in a few
// copies rather than one call a value. A Cp that is NaN has no value (its
// direction's run stopped), one of 10000 lies outside its facade.
val DirectionsToPage(const CpByDirection& d) {
  val plot = val::object();
  plot.set("title", d.title);
  plot.set("AzB", d.AzB);
  plot.set("AnWind", d.AnWind);
  plot.set("directions", TypedArray("Float32Array", d.directions));
  plot.set("normals",
           TypedArray("Float32Array", std::vector<float>(d.normals.begin(), d.normals.end())));
  val stopped = val::array();
  for (const std::string& s : d.stopped)
    stopped.call<void>("push", s);
  plot.set("stopped", stopped);
  std::vector<std::int16_t> ks, ifaces;
  std::vector<float> cp;
  std::vector<std::uint8_t> implausible;
  std::string places;
  for (const DirectionElement& e : d.elements) {
    ks.push_back(e.k);
    ifaces.push_back(e.iface);
    places += ElementPlace(e.iface, e.ielm, e.k) + '\n';
    cp.insert(cp.end(), e.Cp.begin(), e.Cp.end());
    implausible.insert(implausible.end(), e.implausible.begin(), e.implausible.end());
  }
  plot.set("ks", TypedArray("Int16Array", ks));
  plot.set("ifaces", TypedArray("Int16Array", ifaces));
  plot.set("places", places);
  plot.set("cp", TypedArray("Float32Array", cp));
  plot.set("implausible", TypedArray("Uint8Array", implausible));
  return plot;
}

// The surroundings the page took (the surroundings module's `sweep`), as
// ventora-run --surroundings gives them to its sweep; none when not given.
AppliedSurroundings SurroundingsOf(const val& options) {
  AppliedSurroundings applied;
  const val given = options["surroundings"];
  if (given.isUndefined() || given.isNull()) return applied;
  const val rows = given["rows"];
  for (unsigned i = 0; i < rows["length"].as<unsigned>(); ++i) {
    const val r = rows[i];
    applied.rows.push_back(
        {r["from"].as<double>(), r["to"].as<double>(), r["pad"].as<double>(),
         r["sbh"].isNull() ? std::nullopt : std::optional<double>(r["sbh"].as<double>()),
         r["buildings"].as<int>(), r["withoutHeight"].as<int>()});
  }
  applied.allRoundSbH = given["allRoundSbH"].as<float>();
  const val lines = given["headerLines"];
  for (unsigned i = 0; i < lines["length"].as<unsigned>(); ++i)
    applied.headerLines.push_back(lines[i].as<std::string>());
  return applied;
}

SweepRequest RequestOf(const val& page, const std::string& name, const val& options) {
  SweepRequest request;
  request.job = FromPage(page);
  request.jobName = name;
  request.format = options["format"].as<std::string>();
  request.settings.step = options["step"].as<int>();
  if (request.format == "contam") request.settings.contamFirst = options["contamFirst"].as<int>();
  if (request.format == "modelica")
    request.settings.modelicaPackage = options["modelicaPackage"].as<std::string>();
  request.settings.strict = options["strict"].as<bool>();
  request.settings.info = {.version = VENTORA_VERSION};
  request.allTables = request.format == "energyplus" && options["allTables"].as<bool>();
  request.checkFirst = true;
  request.locale = kPointDecimal;
  request.surroundings = SurroundingsOf(options);
  request.settings.info.notes = request.surroundings.headerLines;
  return request;
}

// Why the options cannot be swept, as the desktop's Sweep dialog says it
// (its fields hold the step from 1 to 180 and the first CONTAM profile
// from 1), or empty.
std::string SweepOptionsError(const val& options) {
  const std::string format = options["format"].as<std::string>();
  const double step = options["step"].as<double>();
  if (!(step >= 1 && step <= kMostStep && std::floor(step) == step))
    return "The step between wind directions is a whole number of degrees from 1 to 180.";
  if (std::string error = ExportStepError(format, static_cast<int>(step)); !error.empty())
    return error;
  const int sectors = static_cast<int>(SurroundingsOf(options).rows.size()) - 1;
  if (sectors > 1 && (format == "contam" || format == "modelica"))
    return "The surroundings' " + std::to_string(sectors) +
           " sectors go with CSV or EnergyPlus: the " + format +
           " profiles take angles from each facade, not from north (take the surroundings with "
           "1 sector for this format)";
  const double first = options["contamFirst"].as<double>();
  if (format == "contam" &&
      !(first >= 1 && first <= kMostContamFirst && std::floor(first) == first))
    return "The first profile number is a whole number from 1 to 1000000.";
  const std::string package = options["modelicaPackage"].as<std::string>();
  if (format == "modelica" && !package.empty() && !ModelicaPackageError(package).empty())
    return package + ": " + ModelicaPackageError(package);
  return "";
}

// The file ventora-run writes for these options beside the job `name`.
std::string ExportFileName(const std::string& name, const val& options) {
  const std::string format = options["format"].as<std::string>();
  const std::string package =
      format == "modelica" ? options["modelicaPackage"].as<std::string>() : "";
  return ExportPath(*FindExportFormat(format), name, package).filename().string();
}

// {outcome, text, file, warnings, notes, messages, plot}: the text empty
// and the plot null when nothing could be written or drawn.
val SweepJob(const val& page, const std::string& name, const val& options) {
  const SweepRequest request = RequestOf(page, name, options);
  PageMessages messages;
  SweepSetup setup;
  setup.messages = &messages;
  SweepExportMade made;
  try {
    made = MakeSweepExport(request, setup);
  } catch (const std::exception& e) {
    made.outcome.notes.push_back(e.what());
  }
  val out = val::object();
  out.set("outcome", std::string(OutcomeName(made.outcome.outcome)));
  out.set("text", made.text);
  out.set("file", ExportFileName(name, options));
  val notes = val::array();
  for (const std::string& note : made.outcome.notes)
    notes.call<void>("push", note);
  val warnings = val::array();
  for (const std::string& warning : made.warnings)
    warnings.call<void>("push", warning);
  out.set("warnings", warnings);
  out.set("notes", notes);
  out.set("messages", messages.ToPage());
  const auto& directions = made.outcome.directions;
  out.set("plot", directions ? DirectionsToPage(*directions) : val::null());
  return out;
}

int DefaultStep(const std::string& format) {
  return FindExportFormat(format)->defaultStep;
}

std::string DefaultPackage(const std::string& name) {
  return DefaultModelicaPackage(name);
}

}  // namespace

EMSCRIPTEN_BINDINGS(sweep) {
  emscripten::function("sweepOptionsError", &SweepOptionsError);
  emscripten::function("sweepJob", &SweepJob);
  emscripten::function("defaultModelicaPackage", &DefaultPackage);
  emscripten::function("defaultStep", &DefaultStep);
}

}  // namespace ventora::web
