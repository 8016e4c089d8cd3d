#include "reports/printer_header_input.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/twips.h"
#include "shell/window_kit.h"

namespace bw {

PrinterHeaderInput::PrinterHeaderInput(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    setObjectName("PrinterHeaderInput");
    setWindowTitle("Input");
    setModal(true);
    setFixedSize(Px(6000), Px(1950));

    Label1 = new QLabel(" Type in one line header information.", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(Px(240), Px(150), Px(5520), Px(300));
    SetBackground(Label1, colours::kHelp);

    InFName = new QLineEdit(this);
    InFName->setObjectName("InFName");
    InFName->setGeometry(Px(240), Px(600), Px(5520), Px(375));
    SetBackground(InFName, colours::kInput);
    InFName->installEventFilter(this);
    SetAccessibleCaption(InFName, Label1->text());

    Acept = new QPushButton("Continue &Printout", this);
    Acept->setObjectName("Acept");
    Acept->setGeometry(Px(600), Px(1275), Px(2250), Px(420));
    // Enter on a button that has the focus presses it (Enter in the box only moves the focus).
    Acept->setAutoDefault(true);

    NAcept = new QPushButton("&Cancel", this);
    NAcept->setObjectName("NAcept");
    NAcept->setGeometry(Px(3150), Px(1275), Px(2250), Px(420));
    NAcept->setAutoDefault(true);

    connect(Acept, &QPushButton::clicked, this, [this] { Acept_Click(); });
    connect(NAcept, &QPushButton::clicked, this, [this] { NAcept_Click(); });
    EnterPressesButtons(this);
    setTabOrder(InFName, Acept);
    setTabOrder(Acept, NAcept);
    InFName->setFocus();
}

void PrinterHeaderInput::Acept_Click() {
    // Typed double quotes never reach the box; pasted ones are dropped here.
    ctx_.mm.PrintHeader = InFName->text().remove(QLatin1Char('"')).toStdString();
    accept();
}

void PrinterHeaderInput::NAcept_Click() {
    ctx_.mm.PrintHeader.assign(1, '1');  // "1": cancelled
    QDialog::reject();
}

void PrinterHeaderInput::reject() {
    // Escape or the close box: nothing is printed.
    NAcept_Click();
}

void PrinterHeaderInput::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
    InFName->setFocus();
}

void PrinterHeaderInput::Form_Activate() {
    PlaceDialog(*this, ctx_.frame, ctx_.mm.FrameClass, {3400, 3000}, {4500, 4000});
}

bool PrinterHeaderInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InFName && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == "\"") return true;  // a double quote is discarded
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Acept->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool AskPrintHeader(AppContext& ctx) {
    PrinterHeaderInput dialog(ctx, ctx.frame.dialogParent());
    // A header typed as exactly "1" stands for a cancelled dialog as well.
    return dialog.exec() == QDialog::Accepted && ctx.mm.PrintHeader != "1";
}

}  // namespace bw
