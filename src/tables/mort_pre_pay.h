#pragma once
// MortPrePay, "Additional Payments": one grid row per year of the period with the additional
// amount of that year, and the month of the year in which the amounts are paid. Everything is
// written into the shared state (PrePayTable, PrePayYears, PrePayCount, PrePayMonth) as it is
// typed or chosen; the dialog computes nothing.

#include <array>

#include "tables/placed_dialog.h"
#include "tables/pre_pay_rules.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace bw {

class MSGrid;

class MortPrePay : public PlacedDialog {
    Q_OBJECT
  public:
    explicit MortPrePay(AppContext& ctx, QWidget* parent = nullptr);

    MSGrid* PGrid = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kPrePayMonthOptions> InMth{};  // object names InMth0..InMth11
    QLabel* Label2 = nullptr;
    QPushButton* UsePrePay = nullptr;
    QPushButton* DoNotUse = nullptr;

  private:
    void Form_Load();
    void InMth_Click(int index);
    void PGrid_RowColChange(int row, int col);
    void PGrid_KeyPress(int charCode, bool* discard);
    void PGrid_KeyDown(int keyCode, bool* discard);
    void UsePrePay_Click();
    void DoNotUse_Click();
    // Puts the current cell back on the remembered one and shows the year's amount there.
    void ShowAmount(Money amount, bool numberYear);

    int currentRow_ = 1;
    int currentCol_ = 1;
    PrePayEditBuffer buffer_;
};

}  // namespace bw
