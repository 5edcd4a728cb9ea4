#pragma once
// Where a calculation says what it has to say while it runs: boxes go
// through the MessageSink, and a wall model's failure line goes to the report
// of the run under way through a ReportLineSink. The quiet flag travels in
// the RunContext, not in a global.

#include <string>

#include "core/messages.h"

namespace ventora {

class ReportLineSink {
 public:
  virtual ~ReportLineSink() = default;
  // One line of text at the current place of the report (no line ending).
  virtual void WriteLine(const std::string& line) = 0;
};

struct RunContext {
  bool quiet = false;                // suppresses the models' range boxes
  MessageSink* messages = nullptr;   // may be null: nothing is shown
  ReportLineSink* report = nullptr;  // may be null: no report is open

  // An OK-only box with the program's title and no icon, unless quiet.
  void RangeMessage(const std::string& text) const {
    if (!quiet && messages != nullptr) messages->Show(Message{kAppTitle, text});
  }
  void ReportLine(const std::string& line) const {
    if (report != nullptr) report->WriteLine(line);
  }
};

}  // namespace ventora
