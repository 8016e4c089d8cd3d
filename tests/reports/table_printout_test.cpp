// The table printout, line by line, for the default mortgage (100,000.00 at 10.125% over 25 years,
// monthly compounding and payments) and variations. The figures of year 1 (interest 10,082.74,
// principal 927.59, balance 99,072.41) and the payment 917.53 were checked by an independent
// calculation: A = P r / (1 - (1 + r)^-300) with r = 0.10125 / 12, and twelve steps of
// interest = balance * r.

#include <gtest/gtest.h>

#include "reports/table_printout.h"
#include "reports/text_backend.h"
#include "shell/dates.h"

namespace bw {
namespace {

const std::string kRule = " " + std::string(75, '_');
const std::string kHead1 =
    "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative";
const std::string kHeadTail = "Payment     Payment       Balance      Interest      Principal";
const std::string kHeadYear = "   Year       " + kHeadTail,
                  kHeadNumber = " No. Year     " + kHeadTail,
                  kHeadDate = "    Date      " + kHeadTail;

// A calculated table as the tables window leaves it in the shared state, printed into pages of
// text lines.
std::vector<std::vector<std::string>> Print(const AmortizationInput& in, std::int16_t font = 0,
                                            std::int16_t prePayCount = 0) {
    const AmortizationResult r = CalculateSchedule(in);
    EXPECT_EQ(r.outcome, EngineOutcome::Completed);
    const ScheduleView view{in.tableMode, in.rowView,     in.dateMode, "$",
                            365.0f,       in.prePayTable, prePayCount, in.prePayMonth};
    MMODULE mm;
    std::tie(mm.PrinterFontChoice, mm.CurrencySymbol, mm.PrintHeader) =
        std::tuple(font, "$", "Smith residence, 12 Elm Street");
    TableWindowTexts texts;
    StoreCalculationForPrint(mm, texts, in, r, MakeScheduleTexts(r, view));
    Printout printer;
    PrintTable(printer, mm, texts);
    EXPECT_TRUE(printer.ended());
    std::vector<std::vector<std::string>> pages;
    for (const PrintPage& page : printer.pages()) pages.push_back(RenderPageLines(page));
    return pages;
}

AmortizationInput Mortgage(std::int16_t rowView) {
    AmortizationInput in;
    in.rowView = rowView;
    return in;
}

// The row number printed at the start of a schedule line ("   1  1" -> 1), 0 when none.
int RowNumber(const std::string& line) {
    return line.size() < 8 || line[0] != ' ' ? 0 : std::atoi(line.substr(0, 7).c_str());
}

TEST(TablePrintout, FirstPageBlockOfTheDefaultMortgageLineByLine) {
    const auto pages = Print(Mortgage(1));
    ASSERT_EQ(pages.size(), 1u);
    const auto& p = pages[0];
    const std::vector<std::string> expected = {
        "",
        " Smith residence, 12 Elm Street",
        "",
        std::string(31, ' ') + " Mortgage Table",
        kRule,
        "",
        " Principal      Annual        Amortization   Interest           Frequency",
        " amount of      interest      period in      compounding        and type of",
        " mortgage.      rate(%).      years.         periods in year.   each payment",
        "",
        " $100,000.00    10.125%       25                Monthly              Monthly",
        kRule,
        "",
        " Days   Interest    No. of     No. years  Principal   Total paid    Total of",
        " in     rate        payments   to final   + Interest  over life     interest",
        " year   factor      each year  payment    payment     of mortgage   savings",
        "",
        " Normal  0.0084375  12.00      25.00      $917.53    $275,258.20        $.00",
        kRule,
        "",
        kHead1,
        kHeadYear,
        kRule,
        "",
        "     1      10,082.74      927.59     99,072.41     10,082.74         927.59",
    };
    // Rows 1 to 25, the rule, an empty line and the total line; nothing after.
    ASSERT_EQ(p.size(), 24u + 25u + 3u);
    EXPECT_EQ(std::vector(p.begin(), p.begin() + 25), expected);
    EXPECT_EQ(
        std::vector(p.begin() + 48, p.end()),
        (std::vector<std::string>{
            "    25         580.80   10,429.52           .00    175,258.20     100,000.00", kRule,
            "", " Total:                            $         .00 $  175,258.20  $  100,000.00"}));
}

// The lines that change with the table: a personal loan's texts, the rows of the all-payments
// view, payment dates in both views, and amounts wider than their field (a long date against a
// wide interest: PageModel.TextsNeverOverwriteOrRunTogether).
TEST(TablePrintout, LinesThatChangeWithTheTable) {
    AmortizationInput loan = Mortgage(1);  // a loan of 48 months
    std::tie(loan.tableMode, loan.principal, loan.period) = std::tuple(2, 20000, 4);
    AmortizationInput datesAnnual = Mortgage(1), datesAll = Mortgage(2), wide = Mortgage(1);
    datesAnnual.dateMode = datesAll.dateMode = 1;
    datesAnnual.firstPayDate = datesAll.firstPayDate = "2027-01-01";
    wide.principal = 2500000;
    const std::string year2 = " " + ShortDateText(QDate(2028, 1, 1));
    const std::string month2 = " " + ShortDateText(QDate(2027, 2, 1));
    const std::tuple<AmortizationInput, int, std::string> cases[] = {
        {loan, 3, std::string(31, ' ') + " Personal Loan Table"},
        {loan, 6, " Principal      Annual        Length of      Interest           Frequency"},
        {loan, 7, " amount of      interest      the loan       compounding        and type of"},
        {loan, 8, " the loan.      rate(%).      in months.     periods in year.   each payment"},
        {loan, 10, "  $20,000.00    10.125%       48                Monthly              Monthly"},
        {loan, 13, " Days   Interest    No. of     No. months Principal   Total paid    Total of"},
        {loan, 15, " year   factor      each year  payment    payment     of the loan   savings"},
        {loan, 17, " Normal  0.0084375  12.00      48.00"},
        {Mortgage(2), 21, kHeadNumber},
        {Mortgage(2), 24,
         "    1  1       843.75       73.78     99,926.22        843.75          73.78"},
        {Mortgage(2), 36, "   13  2"},
        // With annual rows the heading keeps "Year" while the rows show dates.
        {datesAnnual, 21, kHeadYear},
        {datesAnnual, 25, year2 + std::string(12 - year2.size(), ' ') + " 9,984.34"},
        {datesAll, 21, kHeadDate},
        {datesAll, 25, month2 + std::string(12 - month2.size(), ' ') + "   843.13"},
        {wide, 10, " $2,500,000.00  10.125% "},
    };
    for (const auto& [in, line, expected] : cases) {
        const auto p = Print(in)[0];
        EXPECT_EQ(p[line].substr(0, expected.size()), expected) << "line " << line + 1;
    }
}

// Page breaks: page 1 holds rows 1 to 29 (standard font) or 32 (Courier New 11), later pages 46
// or 49; every broken page ends with "Page" and its number at column 40, the last page has none.
TEST(TablePrintout, PageBreaksByFont) {
    for (const auto& [font, first, later] :
         {std::tuple<std::int16_t, int, int>{0, 29, 46}, {1, 32, 49}}) {
        const auto pages = Print(Mortgage(2), font);
        // 300 rows: 29 + 5 * 46 = 259 (or 32 + 5 * 49 = 277) before the seventh page.
        ASSERT_EQ(pages.size(), 7u) << font;
        int firstRow = 1;
        for (std::size_t n = 0; n + 1 < pages.size(); ++n) {
            const auto& p = pages[n];
            const int rows = n == 0 ? first : later;
            const std::size_t start = n == 0 ? 24 : 6;
            ASSERT_EQ(p.size(), start + rows + 3) << "page " << n + 1;
            // The repeated headings: whole in TwentyNineAnnualRowsPutTheTotalAloneOnPageTwo.
            EXPECT_EQ(
                std::tuple(n == 0 || p[3] == kHeadNumber, RowNumber(p[start]),
                           RowNumber(p[start + rows - 1]), std::vector(p.end() - 3, p.end())),
                std::tuple(true, firstRow, firstRow + rows - 1,
                           std::vector<std::string>{
                               "", "", std::string(39, ' ') + "Page " + std::to_string(n + 1)}))
                << "page " << n + 1;
            firstRow += rows;
        }
        // The last page: rows up to 300, rule, empty line, total, and no page number.
        const auto& p = pages.back();
        EXPECT_EQ(std::tuple(RowNumber(p[6]), RowNumber(p[p.size() - 4]), p[p.size() - 3],
                             p.back().substr(0, 7)),
                  std::tuple(firstRow, 300, kRule, " Total:"));
    }
}

TEST(TablePrintout, TwentyNineAnnualRowsPutTheTotalAloneOnPageTwo) {
    AmortizationInput in = Mortgage(1);
    in.period = 29;
    const auto pages = Print(in);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(std::tuple(RowNumber(pages[0][24 + 28]), pages[0].back()),
              std::tuple(29, std::string(39, ' ') + "Page 1"));
    const std::vector<std::string> second = {
        "", "", kHead1, kHeadYear, kRule, "", kRule, "",
        // 348 payments of 891.65 less the principal: 210,294.66 of interest.
        " Total:                            $         .00 $  210,294.66  $  100,000.00"};
    EXPECT_EQ(pages[1], second);
}

TEST(TablePrintout, FiveYearTermPrintsSixtyRowsAndTheTermTotal) {
    AmortizationInput in = Mortgage(2);
    in.displayTerm = 5;
    const auto pages = Print(in);
    ASSERT_EQ(pages.size(), 2u);  // 29 rows, then 31
    const auto& p = pages[1];
    EXPECT_EQ(RowNumber(p[p.size() - 4]), 60);
    // The balance after five years (the annual view's year 5: 94,267.99).
    EXPECT_EQ(p.back(),
              "  5 Year Term                      $   94,267.99 $   49,319.63  $    5,732.01");
}

// The list follows the total, or moves to a page of its own when its lines + 4 + the line
// counter pass 57, whatever the font: 28 annual rows leave the counter at 52 (52 + 3 + 4 > 57),
// 25 rows at 49.
TEST(TablePrintout, AppliedPaymentsListFollowsTheTotalOrGetsItsOwnPage) {
    // Period, annual rows on page 1, font, amounts by year, the list printed, pages.
    const std::tuple<double, int, std::int16_t, std::vector<std::pair<int, double>>,
                     std::vector<std::string>, std::size_t>
        cases[] = {
            // Paid off after 20 years.
            {25,
             20,
             0,
             {{2, 5000}, {4, 3000}},
             {" Year   2    Month  1    5,000.00", " Year   4    Month  1    3,000.00"},
             1},
            {28, 28, 0, {{2, 100}}, {" Year   2    Month  1      100.00"}, 2},
            {28, 28, 1, {{2, 100}}, {" Year   2    Month  1      100.00"}, 2},
        };
    for (const auto& [period, rows, font, amounts, list, pageCount] : cases) {
        SCOPED_TRACE(::testing::Message() << period << " years, font " << font);
        AmortizationInput in = Mortgage(1);
        in.period = period;
        for (const auto& [year, amount] : amounts)
            in.prePayTable[static_cast<std::size_t>(year)] = {Money(), Money::fromDouble(year),
                                                              Money::fromDouble(amount)};
        const auto pages = Print(in, font, static_cast<std::int16_t>(amounts.size()));
        ASSERT_EQ(pages.size(), pageCount);
        std::vector<std::string> tail = {"", " Additional  Payments     Applied", ""};
        tail.insert(tail.end(), list.begin(), list.end());
        tail.push_back("");
        const auto& first = pages[0];
        const auto& last = pages.back();
        ASSERT_GE(last.size(), tail.size());
        EXPECT_EQ(std::vector<std::string>(last.end() - static_cast<long>(tail.size()), last.end()),
                  tail);
        // Page 1: the rows, rule, empty line and total, then the list or the page number.
        const auto total = static_cast<std::size_t>(24 + rows + 2);
        EXPECT_EQ(std::tuple(RowNumber(first[total - 3]), first[total].substr(0, 7), first.size()),
                  std::tuple(rows, " Total:", total + 1 + (pageCount == 1 ? tail.size() : 3)));
        // A page of its own: the page break's headings (TwentyNineAnnualRowsPutTheTotalAlone...).
        EXPECT_EQ(last.size(), pageCount == 1 ? first.size() : 6 + tail.size());
    }
}

}  // namespace
}  // namespace bw
