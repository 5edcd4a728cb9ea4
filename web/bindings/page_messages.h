#pragma once
// The boxes a command shows, kept in order for the page, which shows each
// as the desktop's box and keeps it in its messages: [{title, text, icon,
// line}].
// Nothing the engine asks waits for a user: each is answered as ventora-run
// answers it. With them, how the command ended.

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "commands/run_outcome.h"
#include "core/messages.h"

namespace ventora::web {

class PageMessages : public MessageSink {
 public:
  MsgAnswer Show(const Message& message) override {
    shown_.push_back(message);
    return UnattendedAnswer(message.buttons);
  }

  emscripten::val ToPage() const {
    emscripten::val boxes = emscripten::val::array();
    for (const Message& m : shown_) {
      emscripten::val box = emscripten::val::object();
      box.set("title", m.title);
      box.set("text", m.text);
      box.set("icon", IconName(m.icon));
      box.set("line", MessageText(m));  // as ventora-run prints it
      boxes.call<void>("push", box);
    }
    return boxes;
  }

 private:
  static std::string IconName(MsgIcon icon) {
    switch (icon) {
      case MsgIcon::Critical:
        return "critical";
      case MsgIcon::Exclamation:
        return "warning";
      case MsgIcon::Question:
      case MsgIcon::Information:
        return "information";
      case MsgIcon::None:
        break;
    }
    return "";
  }

  std::vector<Message> shown_;
};

// How a command ended, for the page.
inline const char* OutcomeName(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Completed:
      return "completed";
    case RunOutcome::ValuesMissing:
      return "values-missing";
    case RunOutcome::Refused:
      return "refused";
    case RunOutcome::Stopped:
      return "stopped";
    case RunOutcome::SystemError:
      break;
  }
  return "error";
}

}  // namespace ventora::web
