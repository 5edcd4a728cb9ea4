#include "stderr_messages.h"

#include <string>

namespace ventora::cli {
namespace {

// A box's carriage return starts a new line; a terminal would overwrite it.
std::string TerminalText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      out += '\n';
    }
  }
  return out;
}

}  // namespace

MsgAnswer StreamMessages::Show(const Message& message) {
  out_ << message.title << ": " << TerminalText(message.text) << '\n' << std::flush;
  return UnattendedAnswer(message.buttons);
}

}  // namespace ventora::cli
