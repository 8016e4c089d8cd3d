#pragma once
// ChangeFnt ("Personalize"): the modal dialog in which the user picks the default compounding
// period, the printer font, the currency symbol and the name shown on the main menu. Choices
// take effect at once; "E&xit to Menu" writes them to the settings file and accepts the dialog.
// Closed any other way, it writes nothing and is rejected.

#include <QDialog>
#include <array>

#include "shell/app_context.h"
#include "shell/twips.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace bw {

class ChangeFnt : public QDialog {
    Q_OBJECT
  public:
    explicit ChangeFnt(AppContext& ctx, QWidget* parent = nullptr);

    static TwipPoint Offset(int frameClass) {
        return DialogOffset(frameClass, {3060, 700}, {4000, 2000});
    }

    QGroupBox* Frame1;
    std::array<QRadioButton*, 5> CPeriod{};
    QGroupBox* Frame2;
    std::array<QRadioButton*, 2> PtrFt{};
    QLabel* Label3;
    QLineEdit* InSy;
    QLabel* Label2;
    QLineEdit* InMyName;
    QLabel* Label1;
    QPushButton* ExitFonts;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    void CPeriod_Click(int index);
    void PtrFt_Click(int index);
    void InSy_Click();
    bool InSy_KeyPress(QKeyEvent* event);  // true: the key is swallowed
    void InSy_LostFocus();
    bool InMyName_KeyPress(QKeyEvent* event);
    void InMyName_LostFocus();
    void ExitFonts_Click();

    AppContext& ctx_;
};

}  // namespace bw
