#include "valued_options.h"

namespace ventora::cli {

std::vector<std::string> TakeValuedOptions(
    const std::vector<std::string>& args, const std::function<bool(const std::string&)>& owns,
    const std::function<std::string(const std::string& name, const std::string& value)>& take,
    std::string& error) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::string name = arg.substr(0, arg.find('='));
    if (!owns(name)) {
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
    if (error = take(name, value); !error.empty()) return {};
  }
  return rest;
}

}  // namespace ventora::cli
