#include "shell/messages.h"

namespace bw {

std::string MessageText(int code) {
    switch (code) {
        case Msg::NoDataToPrint:
            return "No data to print. Calculate.";
        case Msg::WrongEntry:
            return "Wrong entry, try again.";
        case Msg::YearsLimit:
            return "Wrong entry, 40 Years limit.";
        case Msg::NoDataToWorkWith:
            return "No Data to work with. Calculate.";
        case Msg::OldFormat:
            return "Wrong format, if in previous format will open it.";
        case Msg::BadDate:
            return "Not a valid date, try again.";
        case Msg::FileNotFound:
            return "File not found or wrong format. Check Filename and/or Directory.";
        case Msg::BadMortgageName:
            return "Bad Filename. Must be in the form MYFILE.KMD";
        case Msg::NoRecordsToSave:
            return "No Records to save.";
        case Msg::MonthsLimit:
            return "Wrong entry, 480 Month limit.";
        case Msg::DaysRange:
            return "Must be between 363 and 365.25 days";
        case Msg::RowLimit:
            return "12 Row limit.";
        case Msg::BadLoanName:
            return "Bad filename, must be in the form MYFILE.KLD";
        case Msg::BadComparisonName:
            return "Bad filename, must be in the form MYFILE.KCD";
        case Msg::TermReset:
            return "Term now greater than the number of years to final payment. Term will be reset "
                   "to All Years.";
        default:
            return "";
    }
}

std::string QuestionText(int code) {
    switch (code) {
        case Question::ContinuePrintout:
            return " Continue with Printout.";
        case Question::PrintInColor:
            return " Print in Color.";
        default:
            return "";
    }
}

}  // namespace bw
