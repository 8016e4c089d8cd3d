#include "shell/messages.h"

namespace bw {

std::string MessageText(int code) {
    switch (code) {
        case 1:
            return "No data to print. Calculate.";
        case 4:
            return "Wrong entry, try again.";
        case 5:
            return "Wrong entry, 40 Years limit.";
        case 7:
            return "No Data to work with. Calculate.";
        case 9:
            return "Wrong format, if in previous format will open it.";
        case 10:
            return "Not a valid date, try again.";
        case 13:
            return "File not found or wrong format. Check Filename and/or Directory.";
        case 14:
            return "Bad Filename. Must be in the form MYFILE.KMD";
        case 15:
            return "No Records to save.";
        case 16:
            return "Wrong entry, 480 Month limit.";
        case 19:
            return "Must be between 363 and 365.25 days";
        case 22:
            return "12 Row limit.";
        case 25:
            return "Bad filename, must be in the form MYFILE.KLD";
        case 29:
            return "Bad filename, must be in the form MYFILE.KCD";
        case 34:
            return "Term now greater than the number of years to final payment. Term will be reset "
                   "to All Years.";
        default:
            return "";
    }
}

std::string QuestionText(int code) {
    switch (code) {
        case 1:
            return " Continue with Printout.";
        case 2:
            return " Print in Color.";
        default:
            return "";
    }
}

}  // namespace bw
