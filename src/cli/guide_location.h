#pragma once
// Where the user guide is: installed beside the program's folder, or in the
// source tree of a build.

#include <string>

namespace ventora::cli {

// The guide's first page: PREFIX/share/doc/.../guide/index.md next to the
// running program when installed, else the source tree's docs/guide.
std::string GuideLocation();

// The closing line of --help.
std::string GuideLine();

}  // namespace ventora::cli
