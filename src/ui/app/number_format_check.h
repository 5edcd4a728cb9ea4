#pragma once
// The program cannot read numbers when the user's thousands and decimal
// separators are the same character: it says so and does not start.

#include "core/messages.h"
#include "core/number_text.h"

namespace ventora {

// Learns the user's number format; false (after an "Error" box) when the
// program cannot work with it.
bool NumberFormatUsable(NumberText& numbers, MessageSink& messages);

}  // namespace ventora
