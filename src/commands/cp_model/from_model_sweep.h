#pragma once
// The sweep of a planned Cp model and the text of its three files, nothing
// written yet: the job file, the sweep's CSV and the model with every
// opening linked to its Cp.

#include <string>
#include <vector>

#include "commands/cp_model/from_model.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

struct CpModelSettings {
  int step = 10;           // degrees between the wind directions
  bool allTables = false;  // every opening as a Table:Lookup
  bool strict = false;     // refuse a sweep with an implausible Cp
};

struct CpModelFiles {
  WindSweep sweep;                 // kept when a refusal stops the rest, for its stopped directions
  std::vector<std::string> names;  // each opening's curve, in the fit's order
  std::vector<std::string> warnings;  // the exponent's and the Cp's, each one line
  std::vector<std::string> notes;     // the plan's, and what writing the model added
  std::string jobText;
  std::string csv;
  std::string modelText;
};

// Fills `files` as far as it gets. Throws IdfError when the model cannot
// take the Cp, std::invalid_argument when the sweep does not suit the model
// (a direction that failed, or strict mode and an implausible Cp), Cancelled
// and std::runtime_error as RunWindSweep.
void SweepCpModel(const CpModelPlan& plan, const CpModelSettings& settings, const SweepSetup& setup,
                  CpModelFiles& files);

// Writes the three files to CpModelOutputs(model), each replaced whole and
// none before all are ready; throws std::runtime_error naming the file that
// failed, every old file then as it was.
void WriteCpModelFiles(const std::filesystem::path& model, const CpModelFiles& files);

}  // namespace ventora
