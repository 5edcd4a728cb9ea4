#pragma once
// The program's own loadable libraries (the workbook writer, the Cp map):
// opened on first use, so that a run that needs neither never loads them
// nor what they link (libgsf, Qt).
//
// They live in the folder "../lib/ventora" from the folder of the running
// program: <prefix>/bin/ventora-run and <prefix>/lib/ventora/ when
// installed, build/<preset>/src/cli/ventora-run and
// build/<preset>/src/lib/ventora/ in a build. An install whose library
// folder is another (Debian's lib/<multiarch>) puts them in
// "../<libdir>/ventora", which is tried first.

#include <filesystem>
#include <string>

namespace ventora {

// The folder of the program's libraries, from /proc/self/exe.
std::filesystem::path ProgramLibraryFolder();

// The address of `symbol` in the program's library `fileName`, opened the
// first time (the dynamic loader keeps it open for the process; a second
// call finds it there). Throws std::runtime_error naming the file looked for
// and why it could not be used.
void* ProgramLibrarySymbol(const std::string& fileName, const char* symbol);

}  // namespace ventora
