#include "core/program_library.h"

#include <dlfcn.h>

#include <stdexcept>
#include <system_error>

namespace ventora {

std::filesystem::path ProgramLibraryFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) throw std::runtime_error("Cannot find the program's own file: " + error.message());
  const std::filesystem::path prefix = program.parent_path().parent_path();
  // A Debian install puts them in the multiarch folder (lib/x86_64-linux-gnu);
  // a build and a plain install in lib.
  const std::filesystem::path installed = prefix / VENTORA_INSTALLED_LIBRARY_FOLDER;
  return std::filesystem::is_directory(installed, error) ? installed : prefix / "lib" / "ventora";
}

void* ProgramLibrarySymbol(const std::string& fileName, const char* symbol) {
  const std::filesystem::path file = ProgramLibraryFolder() / fileName;
  void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::error_code ignored;
    const bool missing = !std::filesystem::exists(file, ignored);
    throw std::runtime_error("Cannot load the program's library \"" + file.string() +
                             "\": " + (missing ? "the file is missing" : dlerror()));
  }
  void* address = dlsym(library, symbol);
  if (address == nullptr)
    throw std::runtime_error("The program's library \"" + file.string() + "\" lacks " + symbol +
                             ": it belongs to another version");
  return address;
}

}  // namespace ventora
