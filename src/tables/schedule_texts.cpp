#include "tables/schedule_texts.h"

#include <QDate>
#include <algorithm>

#include "shell/dates.h"
#include "shell/number_format.h"

namespace bw {
namespace {

// A result box's text right-aligned in its field; an amount longer than the field (a total of a
// million or more) is shown whole rather than cut to the field's first characters.
std::string BoxText(const std::string& text, int width) {
    return TextLength(text) > static_cast<std::size_t>(width) ? text : RightAlign(text, width);
}

}  // namespace

const std::array<std::string, kGridColumns> kGridHeadings = {"",
                                                             "Interest Payment",
                                                             "Principal Payment",
                                                             "Remaining Balance",
                                                             "Cumulative Interest",
                                                             "Cumulative Principal"};

std::string LoadHeading0(std::int16_t tableMode) {
    return tableMode == 2 ? " Year Number" : "  Payment   No.  Year";
}

std::string Heading0(std::int16_t rowView, std::int16_t dateMode) {
    if (rowView == 2) return dateMode == 1 ? " Payment  Date" : "  Payment   No.  Year";
    return " Payment  Year";
}

std::string GridAmount(Money value) {
    return FormatNumber(value, "####,,###.00");
}

std::string EndMortYearLabel(std::int16_t tableMode) {
    return tableMode == 2 ? " No. months to   final payment." : " No. of years to  final payment.";
}

std::string AllPaymentsLabel(std::int16_t tableMode) {
    return tableMode == 2 ? " Total paid over   life of the loan."
                          : " Total paid over   life of mortgage";
}

namespace {

// Row r of the schedule; a row the table does not have reads as zeros.
const ScheduleRow& RowOrZero(const AmortizationResult& result, int r) {
    static const ScheduleRow kZero{};
    if (r < 0 || static_cast<std::size_t>(r) >= result.schedule.size()) return kZero;
    return result.schedule[static_cast<std::size_t>(r)];
}

}  // namespace

std::array<std::string, kGridColumns> RowCells(const AmortizationResult& result, int r,
                                               const ScheduleView& view) {
    std::array<std::string, kGridColumns> cells;
    const ScheduleRow& row = RowOrZero(result, r);
    if (view.dateMode == 1) {
        const long long serial = row[7].ticks() / Money::kScale;
        cells[0] = ShortDateText(DateFromSerial(serial));
    } else if (view.rowView != 2) {
        cells[0] = RightAlign(FormatNumber(row[1], "####"), 4);
    } else {
        cells[0] = RightAlign(FormatNumber(row[1], "####"), 4) +
                   RightAlign(FormatNumber(row[0], "###"), 8);
    }
    for (int col = 1; col <= 5; ++col) cells[col] = GridAmount(row[col + 1]);
    return cells;
}

ScheduleTexts MakeScheduleTexts(const AmortizationResult& result, const ScheduleView& view,
                                bool rows) {
    ScheduleTexts t;
    const int gridRows = result.gridRows;
    int count = gridRows + 4;
    if (view.prePayCount >= 1) count += view.prePayCount + 4;
    if (count < 23) count = 23;
    t.heading0 = Heading0(view.rowView, view.dateMode);
    if (rows)
        for (int r = 1; r <= gridRows; ++r) t.rows.push_back(RowCells(result, r, view));

    const int ppy = result.paymentsPerYear;
    const int T = result.displayTerm == 0
                      ? gridRows
                      : (view.rowView == 1 ? result.displayTerm : result.displayTerm * ppy);
    t.totalsRow = T + 2;
    t.totals[0] =
        result.displayTerm == 0 ? "Total:" : std::to_string(result.displayTerm) + " Yr. Term";
    const ScheduleRow& end = RowOrZero(result, T);
    for (int col = 3; col <= 5; ++col)
        t.totals[col] = view.currencySymbol + GridAmount(end[col + 1]);

    // Result boxes
    ResultBoxes& b = t.boxes;
    if (ppy == 12 || ppy == 24) {
        b.InDays = RightAlign("Normal", 12);
    } else {
        const std::string plain = PlainNumber(view.daysInYear);
        b.InDays = plain.find('.') == 3 ? RightAlign(FormatNumber(view.daysInYear, "###.##"), 12)
                                        : FormatNumber(view.daysInYear, "###");
    }
    b.PeriodicR = FormatNumber(result.periodicRate, "0.########");
    b.NumPmtsYear = RightAlign(FormatNumber(static_cast<double>(ppy), "###"), 12);
    b.InMonthPI = BoxText(view.currencySymbol + FormatNumber(result.payment, "###,,###.00"), 12);
    double final = static_cast<double>(result.payments) / ppy;
    if (view.tableMode == 2) final *= 12;
    b.EndMortYear = BoxText(FormatNumber(final, "###.00"), 12);
    b.AllPayments =
        BoxText(view.currencySymbol + FormatNumber(result.totalPaid, "###,,###.00"), 12);
    b.TotSavd = BoxText(view.currencySymbol + FormatNumber(result.savings, "###,,###.00"), 12);

    std::int16_t rrc = 0;
    if (view.rowView == 2)
        rrc = static_cast<std::int16_t>(gridRows + 1);
    else
        ToInt16(static_cast<double>(result.retiredYears), rrc);
    t.resultRowCount = rrc;
    t.graphTitle = view.tableMode == 2 ? "Personal Loan balance at start of each Year"
                                       : "Mortgage balance at start of each Year";

    // The list of applied additional payments
    if (view.prePayCount != 0) {
        t.listCells.push_back({T + 4, 0, "Additional "});
        t.listCells.push_back({T + 4, 1, "Payments  "});
        t.listCells.push_back({T + 4, 2, "Applied  "});
        t.printText = "Additional  Payments     Applied\r\n\r\n";
        std::int16_t years = 0;
        ToInt16(static_cast<double>(result.retiredYears) + 0.49, years);
        int listed = 0;
        int nextRow = T + 6;
        for (int y = 1; y <= years && y <= kYearLastRow; ++y) {
            if (listed == result.appliedCount) break;
            const auto& entry = view.prePayTable[static_cast<std::size_t>(y)];
            if (!(entry[2] > Money())) continue;
            // Only amounts the calculation actually paid are listed as applied.
            if (std::none_of(result.applied.begin(), result.applied.end(),
                             [y](const auto& a) { return a.year == y; }))
                continue;
            const int month = view.prePayMonth == 12 ? 1 : view.prePayMonth + 1;
            // Column 1 holds the year number; a table filled without it still names the year.
            const Money year = entry[1] > Money() ? entry[1] : Money::fromTicks(y * Money::kScale);
            const std::string yearText = RightAlign(FormatNumber(year, "###"), 3);
            const std::string monthText = RightAlign(FormatNumber(double(month), "###"), 3);
            const std::string amount = FormatNumber(entry[2], "###,,###.00");
            t.listCells.push_back({nextRow, 0, "Year  " + yearText});
            t.listCells.push_back({nextRow, 1, " Month " + monthText});
            t.listCells.push_back({nextRow, 2, amount});
            t.printText +=
                " Year " + yearText + "    Month" + monthText + RightAlign(amount, 12) + "\r\n";
            t.applied.push_back({static_cast<int>(year.ticks() / Money::kScale), month, entry[2]});
            ++nextRow;
            ++listed;
        }
    }
    t.gridRowCount = count;
    return t;
}

}  // namespace bw
