#pragma once
// The model written back with the program's Cp: the airflow network set to
// take input coefficients referred to each external node's height, one
// external node per fitted opening naming its own curve, every opening's
// surface pointing at its node, and the old coefficient array, values and
// external nodes that nothing names any more taken out. Every other byte of
// the model stays as it was.

#include <string>
#include <vector>

#include "idf/box_fit.h"
#include "idf/idf_text.h"

namespace ventora::idf {

// "<curve>_Node": the external node of the opening whose curve is `curve`.
std::string NodeName(const std::string& curve);

// `curves` holds the new array and one curve (values or table) per opening,
// named `curveNames` in the order of fit.openings; `header` is comment text
// put before them. Throws IdfError when the model has no (or several)
// AirflowNetwork:SimulationControl, or when an external node that stays
// names a coefficient object that goes. An output request for an external
// node that goes is kept and said in `notes`.
std::string CpModelText(const IdfFile& file, const BoxFit& fit, const std::string& header,
                        const std::string& curves, const std::vector<std::string>& curveNames,
                        float nodeHeight, std::vector<std::string>* notes = nullptr);

}  // namespace ventora::idf
