#pragma once
// How windows show the program's numbered messages and ask its yes/no questions. The desktop
// program shows AMsgbox and AllYesNo; tests record the numbers and answer the questions.

namespace bw {

class MessagePort {
  public:
    virtual ~MessagePort() = default;
    // Sets MessageCode and shows message `code` modally; returns when it is closed.
    virtual void showMessage(int code) = 0;
    // Sets AnswerCode to `code`, asks the question modally and returns true for "&Yes". A dialog
    // closed without an answer leaves AnswerCode at the question number: a no.
    virtual bool askQuestion(int code) = 0;
    // The system beep of a refused key.
    virtual void beep() = 0;
};

}  // namespace bw
