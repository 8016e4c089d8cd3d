#pragma once
// The shared state of the program: one instance for the whole run, owned by the application and
// passed by reference to every window. Tables are created by the window that loads and discarded
// by its exit.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/money.h"

namespace bw {

constexpr int kScheduleLastRow = 2100;  // ScheduleTable rows 0..2100
constexpr int kYearLastRow = 45;        // YearTotals and PrePayTable rows 0..45

using ScheduleRow = std::array<Money, 8>;
using ScheduleTableData = std::vector<ScheduleRow>;  // kScheduleLastRow + 1 rows when created
using YearTotalsData = std::array<std::array<Money, 8>, kYearLastRow + 1>;
using PrePayTableData = std::array<std::array<Money, 3>, kYearLastRow + 1>;

// The list texts of the compounding and payment-frequency lists; engines compare whole texts.
namespace lists {
inline const std::array<std::string, 5> kCompounding = {
    "      Monthly", "    Bimonthly", "    Quarterly", "   Semiannual", "       Annual"};
inline const std::array<std::string, 6> kFrequency = {"      Monthly",  "  Semimonthly",
                                                      "      2 Weeks",  "      1 Week",
                                                      " Biweekly(Acc)", "   Weekly(Acc)"};
}  // namespace lists

struct MMODULE {
    // Settings
    std::int16_t PrinterFontChoice = 0;
    std::string UserName;
    std::string CurrencySymbol;
    std::int16_t DefaultCompounding = 0;

    // Frame
    std::int32_t FrameClass = 6810;
    std::int16_t TableMode = 1;  // 1 mortgage tables, 2 personal loan tables

    // Input protocol
    std::int16_t TypingFlag = 0;
    std::int16_t HelpShown = 0;
    std::string KeyBoxText;
    std::int16_t DecimalsAllowed = 0;

    // Dialog hand-over
    std::int16_t MessageCode = 0;
    std::int16_t AnswerCode = 0;
    std::int16_t FileKind = 0;
    std::string DialogFileName;
    std::string DialogFolder;
    std::string PrintHeader;
    std::int16_t LinesPerPage = 0;

    // Inputs and schedule
    std::array<double, 6> LoanInputs{};
    ScheduleTableData ScheduleTable;
    YearTotalsData YearTotals{};
    float RetiredYears = 0;
    std::int16_t FrequencyKind = 0;
    std::int16_t PaymentsPerYear = 12;
    std::int16_t RowView = 2;
    std::int16_t GridRows = 26;

    // Results shared with print, graph and files
    std::int16_t ResultRowCount = 0;
    std::vector<Money> GraphValues;
    // Column 1 of GraphValues where it holds a text (the comparison rows' labels "Row  1"), by row.
    std::vector<std::string> GraphLabels;
    std::string GraphTitle;
    std::int16_t GraphCaller = 0;
    std::vector<std::string> PrintLines;  // entry 1 = text appended to the printout

    // Additional payments
    PrePayTableData PrePayTable{};
    std::int16_t PrePayYears = 0;
    std::int16_t PrePayCount = 0;
    std::int16_t PrePayMonth = 12;

    // Days in year
    std::int16_t DaysOption = 1;
    float DaysInYear = 365.0f;
    double BiWeeklyPeriods = 26.07142857;
    double WeeklyPeriods = 52.14285714;

    // Term and dates
    std::int16_t DisplayTerm = 0;
    std::int16_t DateMode = 0;
    std::string FirstPayDate;

    // Files
    std::string LastMortgageFile;
    std::string LastLoanFile;
    std::string LastCompareFile;

    // The program's folder (settings file, help file, default folder of the file dialog).
    std::string ProgramFolder;
};

}  // namespace bw
