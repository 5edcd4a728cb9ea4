#include "collected_messages.h"

namespace ventora::python {

MsgAnswer CollectedMessages::Show(const Message& message) {
  messages_.push_back(message);
  switch (message.buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
      return MsgAnswer::Yes;
    default:
      return MsgAnswer::Ok;
  }
}

}  // namespace ventora::python
