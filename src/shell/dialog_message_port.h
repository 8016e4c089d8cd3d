#pragma once
// The message port of the desktop program: messages in AMsgbox, questions in AllYesNo, the
// system beep for refused keys.

#include "shell/app_context.h"
#include "shell/message_port.h"

namespace bw {

class DialogMessagePort : public MessagePort {
  public:
    DialogMessagePort(MMODULE& mm, AppFrame& frame) : ctx_{mm, *this, frame} {}

    void showMessage(int code) override;
    bool askQuestion(int code) override;
    void beep() override;

  private:
    AppContext ctx_;
};

}  // namespace bw
