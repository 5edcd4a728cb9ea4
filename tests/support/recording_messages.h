#pragma once
// Test doubles for the message and report-line seams: record every box and
// line, and answer boxes from a script (OK / the first answer by default).

#include <deque>
#include <string>
#include <vector>

#include "engine/run_context.h"

namespace ventora::testing {

class RecordingMessages : public MessageSink {
 public:
  std::vector<Message> shown;
  std::deque<MsgAnswer> answers;  // consumed in order; empty: default answer

  MsgAnswer Show(const Message& message) override {
    shown.push_back(message);
    if (!answers.empty()) {
      MsgAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return UnattendedAnswer(message.buttons);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& m : shown)
      t.push_back(m.text);
    return t;
  }
};

class RecordingLines : public ReportLineSink {
 public:
  std::vector<std::string> lines;
  void WriteLine(const std::string& line) override { lines.push_back(line); }
};

}  // namespace ventora::testing
