#pragma once
// MortDateInput, "Date Input": the date of the first payment (FirstPayDate), from which the
// schedule's payment dates are counted.

#include "tables/placed_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace bw {

class MortDateInput : public PlacedDialog {
    Q_OBJECT
  public:
    explicit MortDateInput(AppContext& ctx, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* InDate = nullptr;
    QPushButton* OkExit = nullptr;

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    bool InDate_KeyPress(int keyCode);  // false: the key is swallowed
    // Takes the date of the box; false when it is not a date (message 10, previous date back).
    bool InDate_LostFocus();
    void OkExit_Click();
    void ScheduleCheck(int delayMs);

    // The box has lost the focus and its text has not been taken yet. The check runs once the
    // focus has settled, or at once when "&OK" is pressed, so that the message never opens in
    // the middle of a mouse click.
    bool checkPending_ = false;
};

}  // namespace bw
