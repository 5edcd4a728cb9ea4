#include "ui/app/number_format_check.h"

namespace ventora {

bool NumberFormatUsable(NumberText& numbers, MessageSink& messages) {
  if (numbers.DetectNumberFormat() != NumberFormatCheck::SeparatorsEqual) return true;
  messages.Show(Message{"Error", kSeparatorsEqualMessage, MsgIcon::Critical});
  return false;
}

}  // namespace ventora
