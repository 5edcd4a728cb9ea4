#pragma once
// A window's status line, where a file written is confirmed: the user sees
// where it went without a box to close.

#include <QStatusBar>
#include <string>
#include <vector>

namespace ventora::ui {

// A status bar named "StatusBar" for the foot of `window`'s layout.
QStatusBar* NewStatusBar(QWidget* window);

// "Written: " the first file's full path, then the others' names (they lie
// beside it), until the next message.
void SayWritten(QStatusBar& bar, const std::vector<std::string>& files);

}  // namespace ventora::ui
