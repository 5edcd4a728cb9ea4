#pragma once
// The check before a run says "Element out of facade!" once per element
// outside its facade; a job whose building was made smaller can have
// hundreds. The desktop program says it once, with the count, the first
// elements and how to put them right.

#include <string>

#include "core/job.h"
#include "core/messages.h"
#include "core/number_text.h"

namespace ventora {

inline constexpr const char* kElementOutOfFacade = "Element out of facade!";

// The one box's text for `job`: the message, the count of elements outside
// their facade, the first `listed` of them (facade, number, X, Z) and what
// to do.
std::string OutsideElementsText(const Job& job, const NumberText& numbers, int listed = 10);

// Passes every box on, except that the first "Element out of facade!" becomes
// the one box above and the rest of them are dropped.
class OutsideElementsGate : public MessageSink {
 public:
  OutsideElementsGate(MessageSink& inner, const Job& job, const NumberText& numbers)
      : inner_(inner), job_(job), numbers_(numbers) {}
  MsgAnswer Show(const Message& message) override;

 private:
  MessageSink& inner_;
  const Job& job_;
  const NumberText& numbers_;
  bool told_ = false;
};

}  // namespace ventora
