#include "shell/a_msgbox.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/colours.h"
#include "shell/dialog_font.h"
#include "shell/dialog_placement.h"
#include "shell/keyboard_access.h"
#include "shell/messages.h"

namespace bw {

AMsgbox::AMsgbox(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("AMsgbox");
    setWindowTitle("Help");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(Px(2580), Px(2190));
    UseDialogFont(*this);

    TextMsg = new QPlainTextEdit(this);
    TextMsg->setObjectName("TextMsg");
    TextMsg->setGeometry(0, Px(60), Px(2565), Px(1635));
    TextMsg->setReadOnly(true);
    TextMsg->setFocusPolicy(Qt::NoFocus);
    TextMsg->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TextMsg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextMsg->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetBackground(TextMsg, colours::kHelp);
    SetAccessibleCaption(TextMsg, QStringLiteral("Message"));

    AMsgExit = new QPushButton("E&xit", this);
    AMsgExit->setObjectName("AMsgExit");
    AMsgExit->setGeometry(Px(870), Px(1770), Px(825), Px(330));
    AMsgExit->setDefault(true);
    connect(AMsgExit, &QPushButton::clicked, this, &AMsgbox::AMsgExit_Click);
    EnterPressesButtons(this);

    // Loading: the text of the message asked for.
    TextMsg->setPlainText(QString::fromStdString(MessageText(ctx_.mm.MessageCode)));
    AMsgExit->setFocus();
}

void AMsgbox::showEvent(QShowEvent* event) {
    PlaceDialog(*this, ctx_.frame, Offset(ctx_.mm.FrameClass));
    QDialog::showEvent(event);
    AMsgExit->setFocus();
}

void AMsgbox::AMsgExit_Click() {
    accept();
}

}  // namespace bw
