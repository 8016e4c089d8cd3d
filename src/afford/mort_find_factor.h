#pragma once
// The mortgage affordability window: solves for the payment, the principal or the years of a
// conventional mortgage and shows the result for the chosen payment frequency beside it. It
// recalculates by itself whenever an edited box or list is left.

#include <QWidget>
#include <array>
#include <optional>

#include "afford/afford_mapping.h"
#include "afford/affordability_solver.h"
#include "shell/app_context.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace bw {

class NumberBox;

class MortFindFactor : public QWidget {
    Q_OBJECT
  public:
    // Normal size of the window's client area, and the size it takes while it is printed (the
    // message and help boxes and the buttons then fall outside the picture), in twips.
    static constexpr int kClientWidth = 9480;
    static constexpr int kClientHeight = 6360;
    static constexpr int kPrintWidth = 9460;
    static constexpr int kPrintHeight = 5040;

    explicit MortFindFactor(AppContext& ctx, QWidget* parent = nullptr);
    ~MortFindFactor() override;

    // MFValues (entries 1 to 4) and the two rates of the last calculation.
    const MFValueArray& values() const { return own_.MFValues; }
    double monthlyRate() const { return own_.MFMonthlyRate; }
    double periodRate() const { return own_.MFPeriodRate; }

    // The calculation (the "&Calculate" button).
    void MFCalc_Click();
    // Closes the quick help unless it was just opened; marks the current box as edited.
    void MFCloseHelp();
    // Puts the window at its standard place for the frame's size.
    void placeWindow();

    // Controls, named as the program names them.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QRadioButton* MFPrincipalOpt = nullptr;
    QRadioButton* MFTermOpt = nullptr;
    QRadioButton* MFPaymentOpt = nullptr;
    QComboBox* MFCompPeriod = nullptr;
    QComboBox* MFFreqPmt = nullptr;
    QLineEdit* MFInPrincipal = nullptr;
    QLineEdit* MFInRate = nullptr;
    QLineEdit* MFInTerm = nullptr;
    QLineEdit* MFInMthPayment = nullptr;
    QLabel* TotalPmts = nullptr;
    QLabel* MFNumPmts = nullptr;
    QLabel* MFDaysinYear = nullptr;
    QLabel* MFTotIntSaved = nullptr;
    QLabel* MFNumYrs = nullptr;
    QLabel* MFPIPmt = nullptr;
    QLabel* MFTotIntPaid = nullptr;
    QPlainTextEdit* MFTextBox = nullptr;
    QPlainTextEdit* MsgText = nullptr;
    QPushButton* MFExit = nullptr;
    QPushButton* MFShowIRF = nullptr;
    QPushButton* Printr = nullptr;
    QPushButton* MFHelp = nullptr;
    QPushButton* MFCalc = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;  // the lists
    bool event(QEvent* event) override;

  private:
    void Form_Load();
    void buildControls();  // in mort_find_factor_form.cpp
    void recolour();
    QLineEdit* boxOf(AffordBox box) const;
    void showResult(const AffordResult& result);

    void MFPaymentOpt_Click();
    void MFPrincipalOpt_Click();
    void MFTermOpt_Click();
    void MFShowIRF_Click();
    void Printr_Click();
    void MFHelp_Click();
    void MFExit_Click();

    // The four number boxes: thin handlers of their NumberBox.
    void box_KeyPress(AffordBox box);
    QString box_Store(AffordBox box, std::optional<double> typed);
    void box_LostFocus(AffordBox box);
    void MFInTerm_CheckLimit();
    // The two lists.
    bool list_KeyPress(QComboBox* list, const QKeyEvent* key);
    void list_LostFocus();
    NumberBox* numberBox(AffordBox box) const { return numberBoxes_[static_cast<int>(box)]; }

    AppContext& ctx_;
    AffordWindowValues own_;
    std::array<NumberBox*, 4> numberBoxes_{};
};

}  // namespace bw
