#include "ui_fakes.h"

namespace ventora::testing {

ScratchFolder::ScratchFolder() : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(folder_.path());
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
}

}  // namespace ventora::testing
