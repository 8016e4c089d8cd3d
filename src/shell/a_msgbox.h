#pragma once
// AMsgbox: shows one of the program's numbered messages (MessageCode) with an "E&xit" button.
// AllYesNo: asks one of the numbered questions (AnswerCode) and leaves the answer in AnswerCode:
// 6 for "&Yes", 0 for "&No"; closed any other way it keeps the question number (a no).
// Both are modal and place themselves at offsets from the frame's top-left corner.

#include <QDialog>

#include "shell/app_context.h"
#include "shell/twips.h"

class QPlainTextEdit;
class QPushButton;

namespace bw {

class AMsgbox : public QDialog {
    Q_OBJECT
  public:
    // Loads the text of message ctx.mm.MessageCode.
    explicit AMsgbox(AppContext& ctx, QWidget* parent = nullptr);

    // Where the dialog's top-left corner goes, relative to the frame's top-left corner.
    static TwipPoint Offset(int frameClass) {
        return DialogOffset(frameClass, {3600, 2000}, {4650, 3000});
    }

    QPlainTextEdit* TextMsg;
    QPushButton* AMsgExit;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void AMsgExit_Click();
    AppContext& ctx_;
};

}  // namespace bw
