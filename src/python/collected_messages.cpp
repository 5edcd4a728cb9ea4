#include "collected_messages.h"

namespace ventora::python {

MsgAnswer CollectedMessages::Show(const Message& message) {
  messages_.push_back(message);
  return UnattendedAnswer(message.buttons);
}

}  // namespace ventora::python
