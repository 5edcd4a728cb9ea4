#pragma once
// A sweep as a Modelica package holding, per element, the parameters of the
// Modelica Buildings library's Buildings.Fluid.Sources.Outside_CpData (the
// same model as AixLib's and the IBPSA library's): the incidence angles
// incAngSurNor relative to the surface normal (radians, first 0, last below
// 2 pi, shared by every element), the element's Cp at those angles and the
// surface azimuth azi in that library's convention (South 0, West pi/2);
// and the speed modifier Cs that makes the model's wind the one the Cp are
// referred to. The file is named after the package (P.mo), as Modelica
// tools look for a package on MODELICAPATH.

#include <string>

#include "core/job.h"
#include "output/sweep/export_job_summary.h"
#include "output/sweep/wind_sweep.h"

namespace ventora {

// True for a Modelica identifier: a letter or '_', then letters, digits, '_',
// and no reserved word.
bool IsModelicaIdentifier(const std::string& name);
bool IsModelicaKeyword(const std::string& name);

// Why `name` cannot name the package, or empty: no identifier, a keyword,
// a predefined type's name (Real, Integer, Boolean, String), which Modelica
// reserves, or a name the package's own text uses.
std::string ModelicaPackageError(const std::string& name);

// "Ventora_office_block": the default package name of a job.
std::string DefaultModelicaPackage(const std::string& jobStem);

// `sweep` comes from ProfileSweepJob(job) over ProfileDirections(step);
// `job` is the user's job. Throws std::invalid_argument (with a message for
// the user) when a direction has no values.
std::string ModelicaPackage(const WindSweep& sweep, const Job& job, const std::string& jobStem,
                            const ExportInfo& info, const std::string& package, int step);

// The warning about Cp beyond -1..1, or empty.
std::string ModelicaCpWarning(const WindSweep& sweep);

}  // namespace ventora
