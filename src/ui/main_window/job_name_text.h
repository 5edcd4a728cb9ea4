#pragma once
// How a job's name appears in the main window: the label under the buttons
// and the window caption.

#include <string>

namespace ventora {

inline constexpr const char* kMainTitle = "Ventora - Wind Pressure on Buildings";
inline constexpr std::size_t kJobNameLabelMax = 62;

// `jobName` itself, or, when longer than 62 characters, its root ("/", or a
// drive such as "C:\" on Windows), "..." and a separator, then its file name.
std::string JobNameLabelText(const std::string& jobName);

// The file name of `path` (the text after its last separator, or all of it)
// followed by " - " and the program's title.
std::string MainCaption(const std::string& path);

}  // namespace ventora
