#pragma once
// A message port for tests: records every message, question and beep, and answers questions
// from a queue (no when the queue is empty).

#include <deque>
#include <vector>

#include "shell/message_port.h"
#include "shell/mmodule.h"

namespace bw::test {

class RecordingMessagePort : public MessagePort {
  public:
    explicit RecordingMessagePort(MMODULE* mm = nullptr) : mm_(mm) {}

    void showMessage(int code) override {
        if (mm_) mm_->MessageCode = static_cast<std::int16_t>(code);
        messages.push_back(code);
    }
    bool askQuestion(int code) override {
        questions.push_back(code);
        bool yes = false;
        if (!answers.empty()) {
            yes = answers.front();
            answers.pop_front();
        }
        if (mm_) mm_->AnswerCode = static_cast<std::int16_t>(yes ? 6 : 0);
        return yes;
    }
    void beep() override { ++beeps; }

    std::vector<int> messages;
    std::vector<int> questions;
    std::deque<bool> answers;
    int beeps = 0;

  private:
    MMODULE* mm_;
};

}  // namespace bw::test
