#pragma once
// ventora-run --sweep --format=energyplus JOB...: sweeps every job and
// writes one EnergyPlus fragment for all of them (one direction array, every
// job's elements), as one model takes them. One job's fragment goes beside
// it as JOB.sweep.idf; several jobs' to --output=FILE, or beside the first
// job as FIRST.sweeps.idf. Nothing is written unless every job sweeps
// completely.

#include <filesystem>
#include <ostream>

#include "cli_options.h"

namespace ventora::cli {

std::filesystem::path EnergyPlusOutputPath(const CliOptions& options);

// Exit status as RunSweepFile's; with several jobs the first that fails
// decides it.
int RunEnergyPlusSweeps(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
