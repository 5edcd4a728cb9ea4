#pragma once
// The process's current directory follows the user's job folder: choosing a
// file in a file dialog makes its folder current, so the next file dialog
// and the remembered last directory start beside the job.

#include <string>

namespace ventora {

// Makes the folder of `filePath` the current directory. Returns false (and
// changes nothing) when the folder cannot be entered.
bool MakeFolderCurrent(const std::string& filePath);

std::string CurrentDirectory();

}  // namespace ventora
