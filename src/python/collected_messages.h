#pragma once
// The message sink of the Python module: every box a run or a check would
// show is kept, in order, and handed to the caller as data. Questions get the
// answer ventora-run gives them (Yes), so a script never waits for a user.

#include <vector>

#include "core/messages.h"

namespace ventora::python {

class CollectedMessages : public MessageSink {
 public:
  MsgAnswer Show(const Message& message) override;
  const std::vector<Message>& messages() const { return messages_; }

 private:
  std::vector<Message> messages_;
};

}  // namespace ventora::python
