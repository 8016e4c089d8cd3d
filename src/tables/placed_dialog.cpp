#include "tables/placed_dialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include "shell/dialog_font.h"
#include "shell/input_boxes.h"
#include "shell/window_kit.h"

namespace bw {

int EntryCharCode(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return 0;
    return KeyCharCode(key, ControlChars::Drop);
}

PlacedDialog::PlacedDialog(AppContext& ctx, TwipPoint small, TwipPoint large, QWidget* parent)
    : QDialog(parent ? parent : ctx.frame.dialogParent()), ctx_(ctx), small_(small), large_(large) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    UseDialogFont(*this);
    EnterPressesButtons(this);
}

QPoint PlacedDialog::placement() const {
    return DialogPosition(ctx_.frame, DialogOffset(ctx_.mm.FrameClass, small_, large_));
}

void PlacedDialog::showEvent(QShowEvent* event) {
    move(placement());
    QDialog::showEvent(event);
}

void PlacedDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) move(placement());
    QDialog::changeEvent(event);
}

void PlacedDialog::keyPressEvent(QKeyEvent* event) {
    // Enter reaches a dialog only when no button has the focus (EnterPressesButtons takes it
    // there): it closes nothing, and neither does Escape.
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace bw
