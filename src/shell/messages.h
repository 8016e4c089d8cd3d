#pragma once
// The numbered texts of the message dialog and the question dialog.

#include <string>

namespace bw {

// The program's message numbers. The texts stay in the one table of MessageText.
namespace Msg {
constexpr int NoDataToPrint = 1;       // "No data to print. Calculate."
constexpr int WrongEntry = 4;          // "Wrong entry, try again."
constexpr int YearsLimit = 5;          // "Wrong entry, 40 Years limit."
constexpr int NoDataToWorkWith = 7;    // "No Data to work with. Calculate."
constexpr int OldFormat = 9;           // "Wrong format, if in previous format will open it."
constexpr int BadDate = 10;            // "Not a valid date, try again."
constexpr int FileNotFound = 13;       // "File not found or wrong format. ..."
constexpr int BadMortgageName = 14;    // "Bad Filename. Must be in the form MYFILE.KMD"
constexpr int NoRecordsToSave = 15;    // "No Records to save."
constexpr int MonthsLimit = 16;        // "Wrong entry, 480 Month limit."
constexpr int DaysRange = 19;          // "Must be between 363 and 365.25 days"
constexpr int RowLimit = 22;           // "12 Row limit."
constexpr int BadLoanName = 25;        // "Bad filename, must be in the form MYFILE.KLD"
constexpr int BadComparisonName = 29;  // "Bad filename, must be in the form MYFILE.KCD"
constexpr int TermReset = 34;          // "Term now greater than the number of years ..."
}  // namespace Msg

// The program's question numbers.
namespace Question {
constexpr int ContinuePrintout = 1;  // " Continue with Printout."
constexpr int PrintInColor = 2;      // " Print in Color."
}  // namespace Question

// The text of message `code`; an unknown number gives an empty text.
std::string MessageText(int code);

// The text of question `code`; an unknown number gives an empty text.
std::string QuestionText(int code);

// The answer a question dialog leaves in AnswerCode for "&Yes".
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 0;

}  // namespace bw
