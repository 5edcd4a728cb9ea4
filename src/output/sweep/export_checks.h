#pragma once
// The rules a sweep's options must keep for each export format, with the
// texts that explain them: ventora-run and the desktop program's Sweep
// dialog refuse the same steps with the same words.

#include <string>

namespace ventora {

// Why `step` (degrees) does not suit the format named `format`, or empty.
std::string ExportStepError(const std::string& format, int step);

// What a Modelica package name may be (IsModelicaIdentifier).
inline constexpr const char* kModelicaPackageRule =
    "a package name is a letter or '_' followed by letters, digits and '_'";

}  // namespace ventora
