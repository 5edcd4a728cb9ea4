#pragma once
// What a calculation may say to the outside world, and where it says it.
// The calculation never shows anything itself: boxes go through a
// MessageSink (a window, standard error, or a test's recorder), and a wall
// model's failure line goes to the report of the run under way through a
// ReportLineSink. The quiet flag travels in the RunContext, not in a global.

#include <string>

namespace ventora {

// The title of boxes that have none of their own.
inline constexpr const char* kAppTitle = "VENTORA";

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct Message {
  std::string title = kAppTitle;
  std::string text;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows the box and returns the user's answer.
  virtual MsgAnswer Show(const Message& message) = 0;
};

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
