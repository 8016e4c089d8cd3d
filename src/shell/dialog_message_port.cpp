#include "shell/dialog_message_port.h"

#include <QApplication>

#include "shell/a_msgbox.h"
#include "shell/all_yes_no.h"
#include "shell/messages.h"

namespace bw {

void DialogMessagePort::showMessage(int code) {
    ctx_.mm.MessageCode = static_cast<std::int16_t>(code);
    AMsgbox box(ctx_, ctx_.frame.dialogParent());
    box.exec();
}

bool DialogMessagePort::askQuestion(int code) {
    ctx_.mm.AnswerCode = static_cast<std::int16_t>(code);
    AllYesNo dialog(ctx_, ctx_.frame.dialogParent());
    dialog.exec();
    return ctx_.mm.AnswerCode == kAnswerYes;
}

void DialogMessagePort::beep() {
    QApplication::beep();
}

}  // namespace bw
