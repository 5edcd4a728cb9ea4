#pragma once
// What ventora-run --from-idf prints and the desktop's model dialog shows:
// the fitted box, every opening where it was placed (with its Cp range once
// swept) and the assumptions, one line each.

#include <string>
#include <vector>

#include "commands/cp_model/from_model.h"
#include "commands/cp_model/from_model_sweep.h"

namespace ventora {

// "Box: AzB 90.00 deg., BdX ...", then the direction each wall faces.
std::vector<std::string> BoxLines(const Job& job);

// Each opening's curve name, as the written model names it.
std::vector<std::string> OpeningNames(const CpModelPlan& plan);

// "Openings (n):", then a line per opening and its remarks, indented; each
// with its Cp range over the sweep when `sweep` is given.
std::vector<std::string> OpeningLines(const CpModelPlan& plan,
                                      const std::vector<std::string>& names,
                                      const WindSweep* sweep);

// The whole summary of a swept model, lines ending in "\n".
std::string CpModelSummary(const CpModelPlan& plan, const CpModelFiles& files);

}  // namespace ventora
