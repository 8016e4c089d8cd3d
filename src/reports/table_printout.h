#pragma once
// The printout of the tables window: the header line, the inputs, the results, the schedule rows
// the window shows, the total line and the list of applied additional payments, in fixed text
// columns with page numbers.

#include <cstdint>
#include <string>

#include "reports/page_model.h"
#include "tables/schedule_texts.h"

namespace bw {

struct MMODULE;

// The fixed texts of the printout.
namespace table_print {
extern const std::string kRule;  // 75 underscores
std::string Title(std::int16_t tableMode);
const std::array<std::string, 3>& InputLabels(std::int16_t tableMode);
const std::array<std::string, 3>& ResultLabels(std::int16_t tableMode);
extern const std::string kHeading1;
std::string Heading2(std::int16_t rowView, std::int16_t dateMode);
}  // namespace table_print

// What the printout takes from the window's boxes: the period, compounding and frequency boxes'
// texts and the seven result boxes.
struct TableWindowTexts {
    std::string periodText;
    std::string compoundingText;
    std::string frequencyText;
    ResultBoxes boxes;
};

// Stores a completed calculation in the shared state and the window's texts as the tables window
// leaves them (ScheduleTable, RetiredYears, PaymentsPerYear, ResultRowCount, PrintLines, the
// boxes), for printing without the window (the command line).
void StoreCalculationForPrint(MMODULE& mm, TableWindowTexts& texts, const AmortizationInput& in,
                              const AmortizationResult& result, const ScheduleTexts& shown);

// The number of schedule rows printed: the window's rows, or those of the displayed term.
int TablePrintRows(const MMODULE& mm);

// Composes the whole printout on `printer` from the shared state (PrintHeader, LoanInputs,
// TableMode, RowView, DateMode, DisplayTerm, RetiredYears, ScheduleTable, CurrencySymbol,
// PaymentsPerYear, ResultRowCount, PrintLines entry 1) and the window's texts. Sets LinesPerPage.
// The caller has checked ResultRowCount and the header.
void PrintTable(Printout& printer, MMODULE& mm, const TableWindowTexts& texts);

// The inputs line, the results line and schedule row i as printed (the texts at their columns).
PrintLine TableInputsLine(const MMODULE& mm, const TableWindowTexts& texts);
PrintLine TableResultsLine(const MMODULE& mm, const TableWindowTexts& texts);
// In the date view every date is padded to `dateWidth` (TableDateWidth), so that a long date form
// moves the amounts of all rows alike, never into the date.
PrintLine TableRowLine(const MMODULE& mm, int i, int dateWidth = 0);
// The longest payment date of rows 1 to `rows` as printed, and one blank; 0 outside the date view.
int TableDateWidth(const MMODULE& mm, int rows);
PrintLine TableTotalLine(const MMODULE& mm, int rows);

}  // namespace bw
