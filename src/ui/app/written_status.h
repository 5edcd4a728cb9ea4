#pragma once
// A window's status line, where a file written is confirmed: the user sees
// where it went without a box to close.

#include <QStatusBar>
#include <QString>
#include <string>
#include <vector>

#include "core/messages.h"

namespace ventora::ui {

// A status bar named "StatusBar" for the foot of `window`'s layout.
QStatusBar* NewStatusBar(QWidget* window);

// "Written: " the first file's full path, then the others' names (they lie
// beside it), until the next message.
void SayWritten(QStatusBar& bar, const std::vector<std::string>& files);

// A picture window's Save picture...: `path` written, said on `bar`, or
// `error` (the writer's reason, empty when it wrote) shown as a box.
// True when written.
bool SayPictureSaved(QStatusBar& bar, MessageSink& messages, const QString& path,
                     const QString& error);

}  // namespace ventora::ui
