#pragma once
// MSelTerm, "Term": how many years of the schedule to display (DisplayTerm, 0 = all years).

#include <array>

#include "tables/placed_dialog.h"
#include "tables/term_and_date.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace bw {

class MSelTerm : public PlacedDialog {
    Q_OBJECT
  public:
    explicit MSelTerm(AppContext& ctx, QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kTermOptions> TermPeriod{};  // object names TermPeriod0..6
    QPushButton* MTermExit = nullptr;

  private:
    void Form_Load();
    void TermPeriod_Click(int index);
    void MTermExit_Click();
};

}  // namespace bw
