#pragma once
// The desktop names its own controls: the messages the rooms below share
// with ventora-run speak of its options ("--fit=enclosing", "--sweep=5"),
// which this table turns into the desktop's words before they are shown.

#include <string>

namespace ventora::ui {

std::string DesktopWords(std::string text);

}  // namespace ventora::ui
