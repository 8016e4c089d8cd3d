#pragma once
// "Input": the dialog in which the user types the one-line header of a printout. "Continue
// &Printout" leaves the typed text in PrintHeader, "&Cancel" (or closing the dialog) leaves "1".

#include <QDialog>

#include "shell/app_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace bw {

class PrinterHeaderInput : public QDialog {
    Q_OBJECT
  public:
    explicit PrinterHeaderInput(AppContext& ctx, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* InFName = nullptr;
    QPushButton* Acept = nullptr;
    QPushButton* NAcept = nullptr;

    void Acept_Click();
    void NAcept_Click();
    // Escape or the close box: the same as "&Cancel".
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Activate();

    AppContext& ctx_;
};

// Shows PrinterHeaderInput modally; true when the user chose to print (PrintHeader is not "1").
bool AskPrintHeader(AppContext& ctx);

}  // namespace bw
