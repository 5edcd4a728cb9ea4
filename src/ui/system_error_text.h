#pragma once
// The user's words for a file system fault met by a command.

#include <string>
#include <system_error>

namespace ventora {

// "Access denied." and "Disk full." for the two faults users can act on,
// otherwise "Error no. " with the system's number and its description.
std::string SystemErrorText(const std::error_code& ec);

}  // namespace ventora
