#pragma once
// What every editing window works with: the job document it edits in place,
// the number text conversions of the user's locale, the message boxes, the
// picture window beside it, and the job's history that OK hands the
// window's changes to.

#include "core/job_document.h"
#include "core/messages.h"
#include "core/number_text.h"

class QUndoStack;

namespace ventora::ui {

class HelpSlate;

struct EditContext {
  JobDocument& doc;
  NumberText& numbers;
  MessageSink& messages;
  HelpSlate& slate;
  QUndoStack& history;
};

// An OK-only box without icon under the program's title.
inline void Tell(MessageSink& sink, const std::string& text) {
  sink.Show(Message{kAppTitle, text});
}

}  // namespace ventora::ui
