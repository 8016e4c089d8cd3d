#include "shell/all_yes_no.h"

#include <QLabel>
#include <QPushButton>

#include "shell/colours.h"
#include "shell/dialog_font.h"
#include "shell/dialog_placement.h"
#include "shell/keyboard_access.h"
#include "shell/messages.h"

namespace bw {

AllYesNo::AllYesNo(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("AllYesNo");
    setWindowTitle("Help");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(Px(2670), Px(1335));
    UseDialogFont(*this);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(Px(45), 0, Px(2595), Px(870));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackground(Label1, colours::kHelp);
    SetAccessibleCaption(Label1, QStringLiteral("Question"));

    AllYes = new QPushButton("&Yes", this);
    AllYes->setObjectName("AllYes");
    AllYes->setGeometry(Px(225), Px(945), Px(675), Px(345));
    AllNo = new QPushButton("&No", this);
    AllNo->setObjectName("AllNo");
    AllNo->setGeometry(Px(1800), Px(945), Px(705), Px(345));
    setTabOrder(AllYes, AllNo);
    AllYes->setDefault(true);
    connect(AllYes, &QPushButton::clicked, this, &AllYesNo::AllYes_Click);
    connect(AllNo, &QPushButton::clicked, this, &AllYesNo::AllNo_Click);
    EnterPressesButtons(this);

    // Loading: the question asked for.
    Label1->setText(QString::fromStdString(QuestionText(ctx_.mm.AnswerCode)));
    AllYes->setFocus();
}

void AllYesNo::showEvent(QShowEvent* event) {
    PlaceDialog(*this, ctx_.frame, Offset(ctx_.mm.FrameClass));
    QDialog::showEvent(event);
    AllYes->setFocus();
}

void AllYesNo::AllYes_Click() {
    ctx_.mm.AnswerCode = kAnswerYes;
    accept();
}

void AllYesNo::AllNo_Click() {
    ctx_.mm.AnswerCode = kAnswerNo;
    accept();
}

}  // namespace bw
