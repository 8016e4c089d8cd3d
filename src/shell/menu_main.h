#pragma once
// MenuMain: the main menu. Its loading runs the start-up steps (frame caption, program folder,
// settings file, first payment date); each button hides it and opens one feature window, which
// the program supplies through factory functions (so this folder does not depend on the
// feature folders).

#include <QPointer>
#include <QWidget>
#include <functional>

#include "shell/app_context.h"

class QLabel;
class QPushButton;

namespace bw {

class HelpWindow;

using WindowFactory = std::function<QWidget*(AppContext&)>;

struct WindowFactories {
    WindowFactory tables;         // MortgageCalc, in the mode TableMode names
    WindowFactory comparison;     // MortComp
    WindowFactory affordability;  // MortFindFactor
    WindowFactory planner;        // MortPlanner
};

inline constexpr const char* kHelpFileName = "Bwluse.hlp";

class MenuMain : public QWidget {
    Q_OBJECT
  public:
    // Builds the menu and runs its loading (start-up steps 2 to 6).
    explicit MenuMain(AppContext& ctx, QWidget* parent = nullptr);
    ~MenuMain() override;

    void setWindowFactories(WindowFactories factories) { factories_ = std::move(factories); }

    // A file of the program's folder (its plain name when no folder is known).
    static QString ProgramFile(const MMODULE& mm, const QString& name);

    // The feature window open now (nullptr while the menu is in use).
    QWidget* featureWindow() const { return feature_; }
    HelpWindow* helpWindow() const;

    QLabel* Label2;
    QLabel* MyName;
    QPushButton* MortCalc;
    QPushButton* PersonalLoan;
    QPushButton* CompMort;
    QPushButton* MFindFactor;
    QPushButton* PtrFnt;
    QPushButton* HowUse;
    QPushButton* MPlanner;
    QPushButton* EndMort;

    // Shows UserName in MyName, or hides MyName when it is empty.
    void ShowUserName();

  signals:
    // "E&xit Program": the program ends.
    void programEnd();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void MortCalc_Click();
    void PersonalLoan_Click();
    void CompMort_Click();
    void MFindFactor_Click();
    void MPlanner_Click();
    void PtrFnt_Click();
    void HowUse_Click();
    void EndMort_Click();
    void openFeature(const WindowFactory& factory);

    AppContext& ctx_;
    WindowFactories factories_;
    QPointer<QWidget> feature_;
    QPointer<HelpWindow> help_;
};

}  // namespace bw
