#include "ui/system_error_text.h"

namespace ventora {

std::string SystemErrorText(const std::error_code& ec) {
  if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
      ec == std::errc::read_only_file_system)
    return "Access denied.";
  if (ec == std::errc::no_space_on_device) return "Disk full.";
  return "Error no. " + std::to_string(ec.value()) + " (" + ec.message() + ")";
}

}  // namespace ventora
