#pragma once
// The numbered texts of the message dialog and the question dialog.

#include <string>

namespace bw {

// The text of message `code`; an unknown number gives an empty text.
std::string MessageText(int code);

// The text of question `code`; an unknown number gives an empty text.
std::string QuestionText(int code);

// The answer a question dialog leaves in AnswerCode for "&Yes".
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 0;

}  // namespace bw
