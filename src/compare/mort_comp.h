#pragma once
// MortComp, "Mortgage Comparison Tables": up to 12 mortgages computed one after another and
// listed side by side in MCGrid1; MCGrid2 below lists the additional payments each row used.
// Comparisons are saved and opened as .KCD files, printed and graphed.

#include <QWidget>
#include <optional>
#include <string>

#include "compare/comparison_sheet.h"
#include "compare/comparison_state.h"
#include "shell/app_context.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace bw {
class NumberBox;
}

namespace bw {

class MSGrid;

class MortComp : public QWidget {
    Q_OBJECT
  public:
    explicit MortComp(AppContext& ctx, QWidget* parent = nullptr);
    ~MortComp() override;

    // The comparison as it stands (rows, lower grid, bookkeeping, texts).
    const ComparisonSheet& sheet() const { return sheet_; }

    // Controls, named as the program names them.
    QLineEdit* InPrincipal = nullptr;
    QComboBox* InRate = nullptr;
    QComboBox* InTerm = nullptr;
    QComboBox* FreqPmt = nullptr;
    QComboBox* ComPeriod = nullptr;
    QLabel* InDays = nullptr;
    QLabel* PeriodicR = nullptr;
    MSGrid* MCGrid1 = nullptr;
    MSGrid* MCGrid2 = nullptr;
    QPlainTextEdit* MCTextBox = nullptr;
    QPushButton* MCCalc = nullptr;
    QPushButton* MCAddPrePay = nullptr;
    QPushButton* MCShowIRF = nullptr;
    QPushButton* MCGraphs = nullptr;
    QPushButton* MCPrinter = nullptr;
    QPushButton* CSaveFile = nullptr;
    QPushButton* CLoadFile = nullptr;
    QPushButton* MCHelp = nullptr;
    QPushButton* MCExit = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;

    // The commands (the same as clicking their buttons).
    void MCCalc_Click();
    void MCAddPrePay_Click();
    void MCShowIRF_Click();
    void MCGraphs_Click();
    void MCPrinter_Click();
    void CSaveFile_Click();
    void CLoadFile_Click();
    void MCHelp_Click();
    void MCExit_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // mort_comp_form.cpp
    void buildControls();
    void sizeCaptions();
    void layOutUpperGrid();
    void layOutLowerGrid();
    void showSheet();  // both grids from the sheet
    void showUpperRow(int row);
    void clearUpperGrid();

    void Form_Load();
    ComparisonLists listTexts() const;  // the texts the two lists show

    // Input protocol: the number boxes do the type-over editing and call these.
    void connectInputs();
    void InPrincipal_KeyPress();                                 // the first key emptied the box
    QString InPrincipal_LostFocus(std::optional<double> typed);  // stores, gives the text shown
    void InRate_KeyPress();
    QString InRate_LostFocus(std::optional<double> typed);
    void InRate_Click();
    void InTerm_KeyPress();
    QString InTerm_LostFocus(std::optional<double> typed);
    void InTerm_Click();
    // The two lists and the help box take no typing; these return true (the key is discarded).
    bool List_KeyPress(QComboBox* list, int keyAscii);
    void List_Click();
    bool MCTextBox_KeyPress(int keyAscii);
    static bool typedOver(const QLineEdit* box, std::optional<double> typed, const QString& shown);
    void commitPendingInput();
    void discardPrePayments();
    void closeQuickHelp();

    // The three inputs as the window writes them.
    QString principalText(int width) const;
    QString rateText(bool percentInField) const;
    QString periodText() const;

    // mort_comp_files.cpp
    void finishFileCommand();
    bool askFileName(bool saving);
    void showFile(const ComparisonLists& lists);

    AppContext& ctx_;
    ComparisonSheet sheet_;
    NumberBox* principalBox_ = nullptr;
    NumberBox* rateBox_ = nullptr;
    NumberBox* termBox_ = nullptr;
    bool exiting_ = false;
};

}  // namespace bw
