#pragma once
// What the program says in a box, and where it says it. Nothing below the
// desktop program shows anything itself: boxes go through a MessageSink (a
// window, standard error, or a test's recorder), which returns the answer.

#include <string>

namespace ventora {

// The title of boxes that have none of their own.
inline constexpr const char* kAppTitle = "Ventora";

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

// The answer of a run that nobody watches (ventora-run, the Python module):
// Yes to a question, Ok to anything else, so nothing waits for a user.
inline MsgAnswer UnattendedAnswer(MsgButtons buttons) {
  return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                            : MsgAnswer::Ok;
}

}  // namespace ventora
