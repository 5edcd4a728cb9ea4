#include "from_idf.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "core/job_file.h"
#include "engine/pre_run_checks.h"
#include "idf/box_fit.h"
#include "idf/cp_model_writer.h"
#include "idf/idf_geometry.h"
#include "output/sweep/cp_beyond_one.h"
#include "output/sweep/cp_status.h"
#include "output/sweep/energyplus_export.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/export_text.h"
#include "output/sweep/reference_wind.h"
#include "output/sweep/sweep_csv_export.h"
#include "output/sweep/sweep_progress.h"
#include "run_job_file.h"
#include "stderr_messages.h"
#include "sweep_job_file.h"
#include "valued_options.h"

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

// The wind profile the model gives EnergyPlus, and where it comes from:
// Site:HeightVariation's, else its Building Terrain's; none for an unknown
// terrain.
struct ModelProfile {
  WindProfile profile;
  std::string source;
};
std::optional<ModelProfile> ModelWindProfile(const idf::IdfGeometry& geometry) {
  if (geometry.windExponent)
    return ModelProfile{{*geometry.windExponent, geometry.boundaryLayer.value_or(370)},
                        "Site:HeightVariation"};
  if (const Terrain* t = FindTerrain(geometry.terrain))
    return ModelProfile{t->profile, "Building Terrain " + geometry.terrain};
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

// Sets --fit or --zones; the error line, or "".
std::string TakeFitOption(const std::string& name, const std::string& value, CliOptions& options) {
  if (name == "--fit") {
    if (value != "box" && value != "enclosing")
      return "--fit takes box or enclosing, not '" + value + "' (see --help)";
    options.fit = value;
    return "";
  }
  options.zones.clear();
  for (std::size_t at = 0; at <= value.size();) {
    const std::size_t comma = std::min(value.find(',', at), value.size());
    const std::size_t b = value.find_first_not_of(" \t", at);
    const std::size_t e = value.find_last_not_of(" \t", comma == 0 ? 0 : comma - 1);
    if (b >= comma || e == std::string::npos || e < b)
      return "--zones takes zone names separated by commas, not '" + value + "' (see --help)";
    options.zones.push_back(value.substr(b, e - b + 1));
    at = comma + 1;
  }
  return "";
}

std::string Metres(double v) {
  return Fixed(v, 2) + " m";
}

// How far the opening's wall stands from its facade of the fitted
// rectangle, and whether that makes it set back.
std::string WallDistance(const idf::FittedOpening& o) {
  if (!o.onWall) return "";
  if (o.setBack < -idf::kPlaneTolerance)
    return ", wall " + Metres(-o.setBack) + " in front of the face";
  std::string text = ", wall " + Metres(std::max(0.0, o.setBack)) + " behind the face";
  if (o.setBack > idf::kSetBackLimit)
    text += " (set back more than " + Metres(idf::kSetBackLimit) +
            ": in the lee of the building's own wing, where the flat facade's Cp is only "
            "an estimate)";
  return text;
}

// The model's comment header before the new objects.
std::string Header(const Job& job, const std::string& stem, const ExportInfo& info,
                   const std::string& warning) {
  std::string text =
      "! ---- Wind pressure coefficients of every airflow opening, by ventora-run "
      "--from-idf ----\n";
  for (const std::string& line : JobSummaryLines(job, stem))
    text += "! " + line + "\n";
  for (const std::string& line : ReferenceLines(job, info))
    text += "! " + line + "\n";
  text += "! " + EnergyPlusSiteLine(job, info) + "\n";
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
        << " m, Cp " << Fixed(lo, 3) << " .. " << Fixed(hi, 3) << WallDistance(fit.openings[e])
        << "\n";
    for (const std::string& remark : fit.openings[e].remarks)
      out << "      " << remark << "\n";
  }
  out << "Assumptions:\n";
  for (const std::string& note : notes)
    out << "  - " << note << "\n";
}

}  // namespace

std::vector<std::string> TakeFromIdfOptions(const std::vector<std::string>& args,
                                            CliOptions& options, std::string& error) {
  const auto owns = [](const std::string& name) {
    return name == "--from-idf" || name == "--pad" || name == "--sbh" || name == "--veexp" ||
           name == "--fit" || name == "--zones";
  };
  const auto take = [&options](const std::string& name, const std::string& value) {
    if (name == "--from-idf") {
      options.fromIdf = value;
      return std::string();
    }
    if (name == "--fit" || name == "--zones") return TakeFitOption(name, value, options);
    std::string why;
    ReadValue(name, value,
              name == "--pad"   ? options.pad
              : name == "--sbh" ? options.sbh
                                : options.veexp,
              why);
    return why;
  };
  return TakeValuedOptions(args, owns, take, error);
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
    return "--from-idf takes only --pad, --sbh, --veexp, --fit, --zones, --sweep=STEP, "
           "--tables=all, --boundary-layer and --strict (see --help)";
  return "";
}

int RunFromIdf(const CliOptions& options, std::ostream& out, std::ostream& err) {
  const int step = options.sweepStep > 0 ? options.sweepStep : static_cast<int>(kDefaultSweepStep);
  const fs::path model = fs::absolute(options.fromIdf);
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
  ExportInfo info = CliExportInfo(options);
  std::string profileWarning;
  idf::BoxFit fit;
  std::string modelText;
  std::string csv;
  WindSweep sweep;
  std::vector<std::string> names;
  try {
    const idf::IdfGeometry geometry = idf::ReadGeometry(file);
    fit = idf::FitBox(
        file, geometry,
        {options.fit == "enclosing" ? idf::FitMode::Enclosing : idf::FitMode::Box, options.zones});
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
    const std::optional<ModelProfile> own = ModelWindProfile(geometry);
    if (options.veexp) {
      job.VeEXP = *options.veexp;
      notes.push_back("VeEXP " + Fixed(job.VeEXP, 3) + " from --veexp");
      if (own && static_cast<float>(own->profile.exponent) != job.VeEXP) {
        profileWarning = "--veexp " + NumberString(job.VeEXP) +
                         " differs from the model's own wind profile exponent " +
                         NumberString(static_cast<float>(own->profile.exponent)) + " (" +
                         own->source +
                         "): EnergyPlus computes the wind at the openings with the model's, so "
                         "the Cp are referred to another wind than the model gives them; set "
                         "the model's Site:HeightVariation to match, or leave --veexp out.";
      }
    } else if (own) {
      job.VeEXP = static_cast<float>(own->profile.exponent);
      if (!info.boundaryLayer) info.boundaryLayer = own->profile.boundaryLayer;
      notes.push_back("VeEXP " + Fixed(job.VeEXP, 3) + " from " + own->source);
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
    if (options.strict && AnyImplausible(sweep))
      throw std::invalid_argument(StrictRefusal(sweep, "EnergyPlus model"));
    if (sweep.elements.size() != fit.openings.size())
      throw std::runtime_error("element count mismatch");
    // The model's names number the elements on each facade, as the summary does.
    for (std::size_t e = 0; e < sweep.elements.size(); ++e)
      sweep.elements[e].k = static_cast<std::int16_t>(fit.openings[e].element);
    EnergyPlusSettings settings{options.allTables};
    const std::string prefix = IdfNamePrefix(stem);
    std::string curves;
    bool anyTable = false;
    bool anyValues = false;
    for (std::size_t e = 0; e < sweep.elements.size(); ++e)
      (EnergyPlusTableForm(sweep, e, settings) ? anyTable : anyValues) = true;
    if (anyValues) AppendDirectionArray(curves, sweep);
    if (anyTable) AppendTableDirections(curves, sweep);
    for (std::size_t e = 0; e < sweep.elements.size(); ++e) {
      AppendElement(curves, sweep, job, e, prefix, settings);
      names.push_back(IdfElementName(prefix, sweep.elements[e]));
    }
    const std::string warning = EnergyPlusCpWarning(sweep, settings);
    std::string headerWarning;
    for (const std::string& w : {profileWarning, warning}) {
      if (w.empty()) continue;
      err << "ventora-run: warning: " << w << "\n";
      headerWarning += (headerWarning.empty() ? "Warning: " : " ") + w;
    }
    modelText = idf::CpModelText(file, fit, Header(job, stem, info, headerWarning), curves, names,
                                 job.Bdz, &notes);
    // The same "#" header as every sweep CSV.
    csv = CommentedJobHeader(job, stem, info, "# ") + SweepCsv(sweep, job);
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
  const std::vector<fs::path> outputs = FromIdfOutputs(options.fromIdf);
  try {
    WriteExportFile(outputs[0], JobFileText(job));
    WriteExportFile(outputs[1], csv);
    WriteExportFile(outputs[2], modelText);
  } catch (const std::exception& e) {
    err << "ventora-run: " << e.what() << "\n";
    return kExitSystemError;
  }
  for (const fs::path& path : outputs)
    out << path.string() << "\n";
  return kExitCompleted;
}

std::vector<fs::path> FromIdfOutputs(const std::string& model) {
  const fs::path absolute = fs::absolute(model);
  const std::string base = (absolute.parent_path() / absolute.stem()).string();
  return {base + ".ventora.in", base + ".ventora.sweep.csv", base + ".cp.idf"};
}

}  // namespace ventora::cli
