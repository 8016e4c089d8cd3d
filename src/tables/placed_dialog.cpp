#include "tables/placed_dialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include "shell/dialog_font.h"
#include "shell/input_boxes.h"

namespace bw {

int EntryCharCode(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return 0;
    return KeyCharCode(key, ControlChars::Drop);
}

void UseInputColours(QWidget& box) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 150));
    palette.setColor(QPalette::Text, Qt::black);
    box.setPalette(palette);
}

PlacedDialog::PlacedDialog(AppContext& ctx, TwipPoint small, TwipPoint large, QWidget* parent)
    : QDialog(parent ? parent : ctx.frame.dialogParent()), ctx_(ctx), small_(small), large_(large) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    UseDialogFont(*this);
}

QPoint PlacedDialog::placement() const {
    const TwipPoint offset = DialogOffset(ctx_.mm.FrameClass, small_, large_);
    return ctx_.frame.frameOrigin() + QPoint(Px(offset.left), Px(offset.top));
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
    switch (event->key()) {
        case Qt::Key_Escape:
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace bw
