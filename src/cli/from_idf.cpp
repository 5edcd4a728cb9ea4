#include "from_idf.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "core/ascii_case.h"
#include "core/job_file.h"
#include "engine/pre_run_checks.h"
#include "idf/box_fit.h"
#include "idf/cp_model_writer.h"
#include "idf/idf_geometry.h"
#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"
#include "output/sweep/sweep_csv_export.h"
#include "output/sweep/sweep_progress.h"
#include "run_job_file.h"
#include "stderr_messages.h"
#include "sweep_job_file.h"

namespace ventora::cli {
namespace {

namespace fs = std::filesystem;

bool ReadValue(const std::string& name, const std::string& text, std::optional<float>& target,
               std::string& error) {
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size()) {
    error = name + " needs a number, not '" + text + "' (see --help)";
    return false;
  }
  target = value;
  return true;
}

// EnergyPlus's own exponents for the Building object's terrains.
std::optional<float> TerrainExponent(const std::string& terrain) {
  static const std::pair<const char*, float> kTable[] = {
      {"Country", 0.14f}, {"Suburbs", 0.22f}, {"City", 0.33f}, {"Ocean", 0.10f}, {"Urban", 0.22f}};
  for (const auto& [name, exponent] : kTable)
    if (SameIgnoringCase(name, terrain)) return exponent;
  return std::nullopt;
}

std::string Fixed(double v, int decimals) {
  std::string text(32, '\0');
  text.resize(
      static_cast<std::size_t>(std::snprintf(text.data(), text.size(), "%.*f", decimals, v)));
  return text;
}

const char* RoofWord(std::int16_t Islope) {
  return Islope == 0 ? "flat" : Islope == 1 ? "single slope" : "double slope";
}

// The model's comment header before the new objects.
std::string Header(const Job& job, const std::string& stem, const std::string& warning) {
  std::string text =
      "! ---- Wind pressure coefficients of every airflow opening, by ventora-run "
      "--from-idf ----\n";
  for (const std::string& line : JobSummaryLines(job, stem))
    text += "! " + line + "\n";
  for (const std::string& line : ReferenceLines(job, CliExportInfo()))
    text += "! " + line + "\n";
  if (!warning.empty()) text += CommentLines(warning, "! ");
  return text + "\n";
}

void PrintSummary(std::ostream& out, const idf::BoxFit& fit, const Job& job, const WindSweep& sweep,
                  const std::vector<std::string>& names, const std::vector<std::string>& notes) {
  out << "Box: AzB " << Fixed(job.AzB, 2) << " deg., BdX " << Fixed(job.BdX, 3) << " m, BdY "
      << Fixed(job.BdY, 3) << " m, Bdz " << Fixed(job.Bdz, 3) << " m, " << RoofWord(job.Islope)
      << " roof";
  if (job.Islope != 0) out << " tilted " << Fixed(job.Phi, 2) << " deg.";
  out << "\n";
  for (int i = 1; i <= 4; ++i)
    out << "  wall " << i << " faces " << Fixed(WallAzimuth(job, i), 2) << " deg.\n";
  out << "Openings (" << fit.openings.size() << "):\n";
  for (std::size_t e = 0; e < fit.openings.size(); ++e) {
    const ElementResult& el = sweep.elements[e];
    float lo = 0;
    float hi = 0;
    bool first = true;
    for (const SweepDirection& d : sweep.directions) {
      if (!d.completed) continue;
      lo = first ? d.Cp[e] : std::min(lo, d.Cp[e]);
      hi = first ? d.Cp[e] : std::max(hi, d.Cp[e]);
      first = false;
    }
    out << "  " << fit.openings[e].surface << ": facade " << el.iface << ", element "
        << fit.openings[e].element << " (" << names[e] << "), X " << Fixed(el.X, 2) << " m, "
        << (el.iface == 5 ? "Y " : "Z ")
        << Fixed(job.ElmZ[static_cast<std::size_t>(el.iface)]
                         [static_cast<std::size_t>(fit.openings[e].element)],
                 2)
        << " m, Cp " << Fixed(lo, 3) << " .. " << Fixed(hi, 3) << "\n";
  }
  out << "Assumptions:\n";
  for (const std::string& note : notes)
    out << "  - " << note << "\n";
}

}  // namespace

std::vector<std::string> TakeFromIdfOptions(const std::vector<std::string>& args,
                                            CliOptions& options, std::string& error) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string name = arg.substr(0, arg.find('='));
    if (name != "--from-idf" && name != "--pad" && name != "--sbh" && name != "--veexp") {
      rest.push_back(arg);
      continue;
    }
    std::string value;
    if (name.size() < arg.size()) {
      value = arg.substr(name.size() + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      error = name + " needs a value (see --help)";
      return {};
    }
    if (name == "--from-idf") {
      options.fromIdf = value;
    } else if (!ReadValue(name, value,
                          name == "--pad"   ? options.pad
                          : name == "--sbh" ? options.sbh
                                            : options.veexp,
                          error)) {
      return {};
    }
  }
  return rest;
}

std::string CheckFromIdfOptions(const CliOptions& options) {
  if (!options.jobs.empty())
    return "--from-idf makes its own job; '" + options.jobs.front() +
           "' is not wanted (see --help)";
  if ((!options.pad || !options.sbh) && !options.surroundings.Given()) {
    return "--from-idf needs --pad (plan area density of the surrounding buildings, percent of the "
           "ground they cover) and --sbh (their mean height, m): the model does not describe the "
           "surroundings";
  }
  if (options.workbook || !options.mapFile.empty() || !options.format.empty() ||
      !options.output.empty() || !options.modelicaPackage.empty() || options.contamFirst != 1)
    return "--from-idf takes only --pad, --sbh, --veexp, --sweep=STEP and --tables=all (see "
           "--help)";
  return "";
}

int RunFromIdf(const CliOptions& options, std::ostream& out, std::ostream& err) {
  const int step = options.sweepStep > 0 ? options.sweepStep : static_cast<int>(kDefaultSweepStep);
  const fs::path model = fs::absolute(options.fromIdf);
  const std::string base = (model.parent_path() / model.stem()).string();
  const std::string stem = model.stem().string();
  std::vector<std::string> notes;
  idf::IdfFile file;
  try {
    file = idf::ReadIdfFile(model.string());
  } catch (const idf::IdfError& e) {
    err << "ventora-run: " << e.what() << "\n";
    return kExitSystemError;
  }
  Job job;
  idf::BoxFit fit;
  std::string modelText;
  std::string csv;
  WindSweep sweep;
  std::vector<std::string> names;
  try {
    const idf::IdfGeometry geometry = idf::ReadGeometry(file);
    fit = idf::FitBox(file, geometry);
    job = fit.job;
    if (options.surroundings.Given()) {
      job.SbH = job.Bdz;  // when no building round the site has a height
      if (!ApplySurroundings(options.surroundings, job, err)) return kExitSystemError;
      notes.push_back("PAD " + Fixed(job.PAD, 2) + " % and SbH " + Fixed(job.SbH, 2) + " m from " +
                      options.surroundings.file);
    } else {
      job.PAD = *options.pad;
      job.SbH = *options.sbh;
      notes.push_back("PAD " + Fixed(job.PAD, 2) + " % and SbH " + Fixed(job.SbH, 2) +
                      " m from the command line");
    }
    if (options.veexp) {
      job.VeEXP = *options.veexp;
      notes.push_back("VeEXP " + Fixed(job.VeEXP, 3) + " from --veexp");
    } else if (geometry.windExponent) {
      job.VeEXP = static_cast<float>(*geometry.windExponent);
      notes.push_back("VeEXP " + Fixed(job.VeEXP, 3) + " from Site:HeightVariation");
    } else if (const auto e = TerrainExponent(geometry.terrain)) {
      job.VeEXP = *e;
      notes.push_back("VeEXP " + Fixed(job.VeEXP, 3) + " from Building Terrain " +
                      geometry.terrain);
    } else {
      throw idf::IdfError(file.path + ": Building Terrain '" + geometry.terrain +
                          "' is none of EnergyPlus's; give --veexp");
    }
    notes.insert(notes.end(), fit.notes.begin(), fit.notes.end());
    if (fit.interiorSurfaces > 0) {
      notes.push_back(std::to_string(fit.interiorSurfaces) +
                      " airflow surfaces between zones have no external node and stay as they are");
    }
    notes.push_back("external nodes at the height the Cp are referred to, Bdz = " +
                    Fixed(job.Bdz, 3) + " m, with absolute wind angles");
  } catch (const idf::IdfError& e) {
    err << "ventora-run: " << e.what() << "\nNothing was written.\n";
    return kExitStopped;
  }
  StreamMessages messages(err);
  if (CheckJobData(job, messages, NumberLocale{}) != 0 || CheckElements(job, messages) != 0) {
    messages.Show(Message{"Error", kOutOfLimitsText});
    err << "ventora-run: nothing was written\n";
    return kExitStopped;
  }
  try {
    SweepSetup setup;
    setup.messages = &messages;
    setup.progress = SweepProgress(err);
    sweep = RunWindSweep(job, SweepDirections(static_cast<float>(step)), setup);
    CheckEnergyPlusSweep(sweep);
    if (sweep.elements.size() != fit.openings.size())
      throw std::runtime_error("element count mismatch");
    EnergyPlusSettings settings{options.allTables};
    const std::string prefix = IdfNamePrefix(stem);
    std::string curves;
    AppendDirectionArray(curves, sweep);
    bool anyTable = false;
    for (std::size_t e = 0; e < sweep.elements.size(); ++e)
      anyTable |= EnergyPlusTableForm(sweep, e, settings);
    if (anyTable) AppendTableDirections(curves, sweep);
    for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
      AppendElement(curves, sweep, job, e, prefix, settings);
      names.push_back(IdfElementName(prefix, sweep.elements[e]));
    }
    const std::string warning = EnergyPlusCpWarning(sweep, settings);
    if (!warning.empty()) err << "ventora-run: warning: " << warning << "\n";
    modelText = idf::CpModelText(file, fit, Header(job, stem, warning), curves, names, job.Bdz);
    csv = SweepCsv(sweep, job);
  } catch (const idf::IdfError& e) {
    err << "ventora-run: " << e.what() << "\nNothing was written.\n";
    return kExitStopped;
  } catch (const std::invalid_argument& e) {
    for (const SweepDirection& d : sweep.directions)
      if (!d.completed)
        err << "ventora-run: wind direction " << NumberString(d.AnWind) << " deg.: " << d.failure
            << "\n";
    err << "ventora-run: " << e.what() << "\nNothing was written.\n";
    return kExitStopped;
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << "\n";
    return kExitSystemError;
  }
  PrintSummary(out, fit, job, sweep, names, notes);
  try {
    WriteExportFile(base + ".ventora.in", JobFileText(job));
    WriteExportFile(base + ".ventora.sweep.csv", csv);
    WriteExportFile(base + ".cp.idf", modelText);
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << "\n";
    return kExitSystemError;
  }
  out << base << ".ventora.in\n" << base << ".ventora.sweep.csv\n" << base << ".cp.idf\n";
  return kExitCompleted;
}

}  // namespace ventora::cli
