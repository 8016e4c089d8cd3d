#pragma once
// The texts a calculation puts on screen: the schedule grid's headings, rows and totals row, the
// list of applied additional payments, and the seven result boxes.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tables/amortization_engine.h"

namespace bw {

constexpr int kGridColumns = 6;

// Headings of columns 1 to 5 (column 0 depends on the mode and view).
extern const std::array<std::string, kGridColumns> kGridHeadings;

// Heading of column 0 when the window loads.
std::string LoadHeading0(std::int16_t tableMode);
// Heading of column 0 after a calculation.
std::string Heading0(std::int16_t rowView, std::int16_t dateMode);

struct ScheduleView {
    std::int16_t tableMode = 1;
    std::int16_t rowView = 2;
    std::int16_t dateMode = 0;
    std::string currencySymbol = "$";
    float daysInYear = 365.0f;
    PrePayTableData prePayTable{};
    std::int16_t prePayCount = 0;
    std::int16_t prePayMonth = 12;
};

struct GridCell {
    int row;
    int column;
    std::string text;
};

struct ResultBoxes {
    std::string InDays, PeriodicR, NumPmtsYear, InMonthPI, EndMortYear, AllPayments, TotSavd;
};

struct AppliedPayment {
    int year;
    int month;
    Money amount;
};

struct ScheduleTexts {
    int gridRowCount = 0;  // rows of the grid, heading row included
    std::string heading0;
    std::vector<std::array<std::string, kGridColumns>> rows;  // grid rows 1..GridRows
    int totalsRow = 0;
    std::array<std::string, kGridColumns> totals;  // columns 1 and 2 stay empty
    std::vector<GridCell> listCells;  // the heading and entries of the applied-payments list
    std::vector<AppliedPayment> applied;
    std::string printText;  // entry 1 of PrintLines; empty when nothing is listed
    ResultBoxes boxes;
    std::int16_t resultRowCount = 0;
    std::string graphTitle;
};

// The six cells of schedule row r.
std::array<std::string, kGridColumns> RowCells(const AmortizationResult& result, int r,
                                               const ScheduleView& view);

// Everything the grid and the result boxes show after a completed calculation; without `rows`
// the texts of the schedule rows are left out (`rows` stays empty).
ScheduleTexts MakeScheduleTexts(const AmortizationResult& result, const ScheduleView& view,
                                bool rows = true);

// The amount text of the grid: "####,,###.00".
std::string GridAmount(Money value);

// The labels beside the result boxes.
std::string EndMortYearLabel(std::int16_t tableMode);
std::string AllPaymentsLabel(std::int16_t tableMode);

}  // namespace bw
