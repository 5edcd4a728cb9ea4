#pragma once
// Message boxes on the command line: "Title: text" on standard error, each
// box answered with its first (affirmative) button.

#include <ostream>

#include "core/messages.h"

namespace ventora::cli {

class StreamMessages : public MessageSink {
 public:
  explicit StreamMessages(std::ostream& out) : out_(out) {}
  MsgAnswer Show(const Message& message) override;

 private:
  std::ostream& out_;
};

}  // namespace ventora::cli
