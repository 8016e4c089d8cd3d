#pragma once
// AllYesNo: asks question AnswerCode; "&Yes" leaves 6 in AnswerCode, "&No" 0, and closing the
// dialog any other way leaves the question number there (the caller reads that as a no).

#include <QDialog>

#include "shell/app_context.h"
#include "shell/twips.h"

class QLabel;
class QPushButton;

namespace bw {

class AllYesNo : public QDialog {
    Q_OBJECT
  public:
    // Loads the text of question ctx.mm.AnswerCode.
    explicit AllYesNo(AppContext& ctx, QWidget* parent = nullptr);

    static TwipPoint Offset(int frameClass) {
        return DialogOffset(frameClass, {3500, 2000}, {4500, 3000});
    }

    QLabel* Label1;
    QPushButton* AllYes;
    QPushButton* AllNo;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void AllYes_Click();
    void AllNo_Click();
    AppContext& ctx_;
};

}  // namespace bw
