#pragma once
// MortPlanner: the mortgage planner window. The whole life of a mortgage: renewals at new rates,
// a regular extra, a yearly increase, lump sums within the lender's yearly privilege, a fee, and
// what it all costs. Every figure is worked out again whenever an edited box, list or table cell
// is left, as in the affordability window.

#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "plan/plan_engine.h"
#include "shell/app_context.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace bw {

class MSGrid;
class NumberBox;

namespace plan {
class PlanChart;
}

class MortPlanner : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 16200;  // twips
    static constexpr int kClientHeight = 12000;
    static constexpr int kRenewalRows = 6;
    static constexpr int kLumpRows = 8;

    explicit MortPlanner(AppContext& ctx, QWidget* parent = nullptr);
    ~MortPlanner() override;

    // The plan as the controls describe it, and the last one worked out.
    const plan::PlanInput& input() const { return input_; }
    const plan::PlanResult& result() const { return result_; }

    // Works the plan out from the controls and shows it.
    void Calculate();
    // Shows a plan's inputs in the controls and works it out.
    void showInput(const plan::PlanInput& input);
    // Writes the schedule as CSV; false when the file could not be written.
    bool exportCsv(const QString& path) const;
    void placeWindow();

    // Number boxes.
    QLineEdit* InPrincipal = nullptr;
    QLineEdit* InYears = nullptr;
    QLineEdit* InRate = nullptr;
    QLineEdit* InTerm = nullptr;
    QLineEdit* InExtra = nullptr;
    QLineEdit* InExtraFrom = nullptr;
    QLineEdit* InIncrease = nullptr;
    QLineEdit* InIncreaseLimit = nullptr;
    QLineEdit* InPrivilege = nullptr;
    QLineEdit* InFee = nullptr;
    QLineEdit* InFirstDate = nullptr;
    // Lists and the check box.
    QComboBox* PlanCompounding = nullptr;
    QComboBox* PlanFrequency = nullptr;
    QComboBox* PlanDays = nullptr;
    QComboBox* PlanAfter = nullptr;
    QComboBox* PlanView = nullptr;
    QCheckBox* FeeFinanced = nullptr;
    // The two editable tables: renewals (years, rate) and lump sums (payment or date, amount).
    QTableWidget* Renewals = nullptr;
    QTableWidget* LumpSums = nullptr;
    // Result boxes.
    QLabel* TermPayments = nullptr;
    QLabel* NumPayments = nullptr;
    QLabel* TotalInterest = nullptr;
    QLabel* TotalPaid = nullptr;
    QLabel* Apr = nullptr;
    QLabel* EffectiveRates = nullptr;
    QLabel* InterestSaved = nullptr;
    QLabel* TimeSaved = nullptr;
    QPlainTextEdit* MsgText = nullptr;
    // Schedule, term summary and chart.
    QTabWidget* Pages = nullptr;
    MSGrid* Schedule = nullptr;
    MSGrid* Terms = nullptr;
    plan::PlanChart* Chart = nullptr;
    // Commands.
    QPushButton* POpen = nullptr;
    QPushButton* PSave = nullptr;
    QPushButton* PPrint = nullptr;
    QPushButton* PExport = nullptr;
    QPushButton* PExit = nullptr;

  protected:
    bool event(QEvent* event) override;

  private:
    enum Box {
        Principal,
        Years,
        Rate,
        Term,
        Extra,
        ExtraFrom,
        Increase,
        IncreaseLimit,
        Privilege,
        Fee,
        kBoxCount
    };

    void buildControls();  // in mort_planner_form.cpp
    void Form_Load();
    QString boxText(Box box) const;
    QString box_Store(Box box, std::optional<double> typed);
    void InFirstDate_LostFocus();
    // Reads the controls into input_; false (with the message shown) when a table cell is wrong.
    bool readControls();
    void showResult();
    void showMessage(const QString& text);
    void clearResults();

    void POpen_Click();  // in mort_planner_files.cpp
    void PSave_Click();
    void PPrint_Click();
    void PExport_Click();
    void PExit_Click();
    bool askPlanFile(bool saving);

    AppContext& ctx_;
    std::array<double, kBoxCount> values_{};
    std::array<NumberBox*, kBoxCount> boxes_{};
    QDate firstDate_;
    plan::PlanInput input_;
    plan::PlanResult result_;
    plan::PlanResult yearly_;  // the plan by years, for the chart
    std::string lastPlanFile_;
    bool filling_ = false;  // the window is writing its own controls
};

}  // namespace bw
