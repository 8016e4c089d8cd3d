#pragma once
// The tables window: mortgage tables (TableMode 1) or personal loan tables (TableMode 2). Inputs
// in yellow boxes, results in white boxes and the schedule grid, quick help over the grid.
//
// The window is split over six files:
//   mortgage_calc_form.cpp     the controls, their layout and wiring, the grid's columns
//   mortgage_calc.cpp          loading, reset, calculate, grid, quick help, exit
//   mortgage_calc_inputs.cpp   the boxes' and lists' keyboard protocol, their values, view options
//   mortgage_calc_dialogs.cpp  MAddPrePay, MShowIRF, MTerm, MDateNumber
//   mortgage_calc_files.cpp    MLoadFile, MSaveFile
//   mortgage_calc_reports.cpp  MPrinter, MGraphs

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/app_context.h"
#include "tables/amortization_engine.h"
#include "tables/schedule_texts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace bw {

class MSGrid;
class NumberBox;

class MortgageCalc : public QWidget {
    Q_OBJECT
  public:
    explicit MortgageCalc(AppContext& ctx, QWidget* parent = nullptr);
    ~MortgageCalc() override;

    AppContext& context() { return ctx_; }

    // The reset routine: empties the result boxes and (unless quick help is open) the grid,
    // closes the quick-help panel when its button reads "Close &Help", sets ResultRowCount to 0.
    void reset();

    // Runs "&Calculate" (the same as clicking MCalc).
    void calculate() { MCalc_Click(); }

    // The last completed calculation; hasResult() is false before the first one and after a
    // calculation that stopped or faulted.
    bool hasResult() const { return hasResult_; }
    const AmortizationResult& lastResult() const { return lastResult_; }
    // The texts of the last calculation, less the schedule rows' (the grid formats those).
    const ScheduleTexts& lastTexts() const { return lastTexts_; }
    // PaymentsPerYear of the last calculation (12 before any).
    std::int16_t lastPaymentsPerYear() const { return lastPaymentsPerYear_; }

    // Restoring the boxes (after opening a file): each shows the value of LoanInputs as a typed
    // value is shown after leaving its box.
    void showPrincipal();  // LoanInputs(1): CurrencySymbol + "####,,###.00", 16 characters
    void showRate();       // LoanInputs(2): "###.000" in 14 characters + "%"
    void showPeriod();     // LoanInputs(3): years (mortgage) or months (loan), "###" in 16
    void setCompoundingText(const std::string& text);
    void setFrequencyText(const std::string& text);
    std::string compoundingText() const;
    std::string frequencyText() const;
    // Selects "Annual" (rowView 1) or "All " (otherwise) with the option's own click handling.
    void selectRowView(std::int16_t rowView);

    // Controls, named as the program names them.
    QLineEdit* InPrincipal = nullptr;
    QComboBox* InRate = nullptr;
    QComboBox* InTerm = nullptr;
    QComboBox* Comperiod = nullptr;
    QComboBox* FreqPmt = nullptr;
    QRadioButton* Option1 = nullptr;  // "All "
    QRadioButton* Option2 = nullptr;  // "Annual"

    QPushButton* MCalc = nullptr;
    QPushButton* MAddPrePay = nullptr;
    QPushButton* MShowIRF = nullptr;
    QPushButton* MTerm = nullptr;
    QPushButton* MDateNumber = nullptr;
    QPushButton* MLoadFile = nullptr;
    QPushButton* MSaveFile = nullptr;
    QPushButton* MPrinter = nullptr;
    QPushButton* MGraphs = nullptr;
    QPushButton* MHelp = nullptr;
    QPushButton* MExit = nullptr;

    QPlainTextEdit* MTextBox = nullptr;  // quick-help panel over the grid
    MSGrid* MGrid = nullptr;             // the schedule

    // Result boxes (white).
    QLabel* InDays = nullptr;
    QLabel* PeriodicR = nullptr;
    QLabel* NumPmtsYear = nullptr;
    QLabel* InMonthPI = nullptr;
    QLabel* EndMortYear = nullptr;
    QLabel* AllPayments = nullptr;
    QLabel* TotSavd = nullptr;

    // Captions beside the boxes.
    QLabel* Label1 = nullptr;   // principal
    QLabel* Label2 = nullptr;   // rate
    QLabel* Label3 = nullptr;   // period
    QLabel* Label4 = nullptr;   // compounding
    QLabel* Label5 = nullptr;   // payment frequency
    QLabel* Label6 = nullptr;   // " Show payments."
    QLabel* Label7 = nullptr;   // days in year
    QLabel* Label8 = nullptr;   // total paid
    QLabel* Label9 = nullptr;   // interest rate factor
    QLabel* Label10 = nullptr;  // payments per year
    QLabel* Label11 = nullptr;  // final payment
    QLabel* Label12 = nullptr;  // principal + interest payment
    QLabel* Label13 = nullptr;  // interest savings

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Window set-up (mortgage_calc_form.cpp, with the grid's and captions' set-up).
    void buildControls();
    void makeNumberBoxes();
    void nameBoxesFromCaptions();
    std::vector<QObject*> watchedObjects() const;
    void Form_Load();
    void setUpGrid();
    void fitGridColumns();
    void fitCaptions();

    // The number boxes' handlers, connected to their NumberBox (mortgage_calc_inputs.cpp).
    // _KeyPress: the first key of an untouched box emptied it; _LostFocus: the box is left with
    // TypingFlag 1 (`typed` holds the number typed, nothing when the box was left as shown),
    // stores the value and gives the text to show.
    void InPrincipal_KeyPress();
    QString InPrincipal_LostFocus(std::optional<double> typed);
    void InRate_KeyPress();
    QString InRate_LostFocus(std::optional<double> typed);
    void InRate_Click();
    void InTerm_KeyPress();
    void InTerm_Validate();  // every time the period box is left: its limit
    QString InTerm_LostFocus(std::optional<double> typed);
    void InTerm_Click();
    void InputBox_KeyDown();  // Delete in InPrincipal or InRate
    void commitPendingInput();

    // The lists and the help panel: key handlers take the character code and return true when
    // the key is discarded.
    bool Comperiod_KeyPress(int keyAscii);
    void Comperiod_Click();
    bool FreqPmt_KeyPress(int keyAscii);
    void FreqPmt_Click();
    bool MTextBox_KeyPress(int keyAscii);

    // Commands.
    void Option1_Click();
    void Option2_Click();
    void MCalc_Click();
    void MHelp_Click();
    void MExit_Click();

    void fillResults(const ScheduleTexts& texts, std::shared_ptr<const AmortizationResult> shown,
                     const ScheduleView& view);
    void discardPrePayments();
    void showHelpPanel();

    // ---- Additional payments, days, term and dates commands (mortgage_calc_dialogs.cpp) ----
    void MAddPrePay_Click();
    void MShowIRF_Click();
    void MTerm_Click();
    void MDateNumber_Click();
    // (declarations of the dialogs' owner go here)
    // ---- end of additional payments, days, term and dates commands ----

    // ---- File commands (mortgage_calc_files.cpp) ----
    void MLoadFile_Click();
    void MSaveFile_Click();
    // (declarations of the files' owner go here)
    // ---- end of file commands ----

    // ---- Print and graph commands (mortgage_calc_reports.cpp) ----
    void MPrinter_Click();
    void MGraphs_Click();
    // (declarations of the reports' owner go here)
    // ---- end of print and graph commands ----

    AppContext& ctx_;
    AmortizationResult lastResult_;
    ScheduleTexts lastTexts_;
    bool hasResult_ = false;
    std::int16_t lastPaymentsPerYear_ = 12;
    bool exiting_ = false;  // "E&xit to Menu" has run: focus events are no longer handled
    NumberBox* principalBox_ = nullptr;
    NumberBox* rateBox_ = nullptr;
    NumberBox* periodBox_ = nullptr;
};

}  // namespace bw
