#pragma once
// MortIRFTable, "Accelerated payments": the number of days counted in a year, which sets the
// number of two-week and one-week periods in a year (DaysOption, DaysInYear, BiWeeklyPeriods,
// WeeklyPeriods).

#include <array>

#include "tables/days_choice.h"
#include "tables/placed_dialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace bw {

class MortIRFTable : public PlacedDialog {
    Q_OBJECT
  public:
    explicit MortIRFTable(AppContext& ctx, QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kDaysOptions> IRFactor{};  // object names IRFactor0..IRFactor4
    QLabel* Label2 = nullptr;                            // "Other:"
    QLineEdit* InIRFDays = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* ExitMort = nullptr;

  public slots:
    // The window's close box: the typed day count is not checked and the period counts keep
    // their values; the day count goes back to the one those period counts were made from, so
    // that the days shown always match the figures.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    void IRFactor_Click(int index);
    void InIRFDays_Click();
    bool InIRFDays_KeyPress(int keyCode);  // false: the key is refused
    void InIRFDays_LostFocus();
    void ExitMort_Click();

    float periodsDays_ = 365.0f;  // the day count of the current period counts
};

}  // namespace bw
