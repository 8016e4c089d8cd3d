// The numbered texts of the message dialog and the question dialog.

#include <gtest/gtest.h>

#include "shell/messages.h"

namespace bw {
namespace {

TEST(MessageText, EveryNumberedMessage) {
    const std::pair<int, const char*> table[] = {
        {1, "No data to print. Calculate."},
        {4, "Wrong entry, try again."},
        {5, "Wrong entry, 40 Years limit."},
        {7, "No Data to work with. Calculate."},
        {9, "Wrong format, if in previous format will open it."},
        {10, "Not a valid date, try again."},
        {13, "File not found or wrong format. Check Filename and/or Directory."},
        {14, "Bad Filename. Must be in the form MYFILE.KMD"},
        {15, "No Records to save."},
        {16, "Wrong entry, 480 Month limit."},
        {19, "Must be between 363 and 365.25 days"},
        {22, "12 Row limit."},
        {25, "Bad filename, must be in the form MYFILE.KLD"},
        {29, "Bad filename, must be in the form MYFILE.KCD"},
        {34,
         "Term now greater than the number of years to final payment. Term will be reset to "
         "All Years."}};
    for (const auto& [code, text] : table) EXPECT_EQ(MessageText(code), text) << code;
    for (int code : {0, 2, 3, 6, 8, 11, 33, 35, -1, 32767})
        EXPECT_EQ(MessageText(code), "") << code;
}

TEST(QuestionText, QuestionsBeginWithABlank) {
    EXPECT_EQ(std::tuple(QuestionText(0), QuestionText(1), QuestionText(2), QuestionText(3)),
              std::tuple("", " Continue with Printout.", " Print in Color.", ""));
    EXPECT_EQ(std::pair(kAnswerYes, kAnswerNo), std::pair(6, 0));
}

}  // namespace
}  // namespace bw
