#include "stderr_messages.h"

#include <string>

namespace ventora::cli {
MsgAnswer StreamMessages::Show(const Message& message) {
  out_ << MessageText(message) << '\n' << std::flush;
  return UnattendedAnswer(message.buttons);
}

}  // namespace ventora::cli
