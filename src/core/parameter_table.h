#pragma once
// The user guide's table of limits, written from the one table of limits so
// that the guide cannot disagree with the checks. `ventora-limits-table`
// prints it; docs/guide/limits.md is its output.

#include <string>
#include <string_view>

#include "core/parameter_limits.h"

namespace ventora::limits {

// The whole page, Markdown.
std::string ParameterTableMarkdown();

// The section of parameters.md that explains the parameter `name` ("AzB",
// "SbH" ...), as an anchor; null for a name not in the table.
const char* GuideSection(std::string_view name);

}  // namespace ventora::limits
