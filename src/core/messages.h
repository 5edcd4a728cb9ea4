#pragma once
// What the program says in a box, and where it says it. Nothing below the
// desktop program shows anything itself: boxes go through a MessageSink (a
// window, standard error, or a test's recorder), which returns the answer.

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

}  // namespace ventora
