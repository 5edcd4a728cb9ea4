#pragma once
// ventora-run --from-idf MODEL.idf --pad P --sbh H: from an EnergyPlus model
// to its Cp. Fits the program's box to the model, places an element at every
// airflow-network opening, sweeps the wind round and writes, beside the
// model, the job, the sweep and the model with every opening's Cp linked.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli_options.h"

namespace ventora::cli {

// Takes --from-idf, --pad, --sbh and --veexp (each "--opt VALUE" or
// "--opt=VALUE") out of `args` into `options`; gives the other arguments.
// Sets `error` for a missing or unreadable value.
std::vector<std::string> TakeFromIdfOptions(const std::vector<std::string>& args,
                                            CliOptions& options, std::string& error);

// The line of the command line's refusal, or "" when --from-idf's options
// go together.
std::string CheckFromIdfOptions(const CliOptions& options);

// The files written beside `model`: the job, the sweep's CSV and the model
// with the Cp linked, in that order.
std::vector<std::filesystem::path> FromIdfOutputs(const std::string& model);

// Exit status as RunSweepFile's; nothing is written unless everything
// succeeds.
int RunFromIdf(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ventora::cli
