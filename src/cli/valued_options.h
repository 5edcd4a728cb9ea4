#pragma once
// Options that take a value, given as "--name=value" or "--name value", taken
// out of the arguments by the part of ventora-run that owns them.

#include <functional>
#include <string>
#include <vector>

namespace ventora::cli {

// The arguments that are none of `owns`'s, in order. Each owned option's name
// and value go to `take`, which returns an error line or "". On an error (an
// option without its value, or take's) `error` says it and nothing is
// returned.
std::vector<std::string> TakeValuedOptions(
    const std::vector<std::string>& args, const std::function<bool(const std::string&)>& owns,
    const std::function<std::string(const std::string& name, const std::string& value)>& take,
    std::string& error);

}  // namespace ventora::cli
