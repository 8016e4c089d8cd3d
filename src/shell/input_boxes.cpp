#include "shell/input_boxes.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "shell/key_filters.h"
#include "shell/message_port.h"
#include "shell/mmodule.h"
#include "shell/number_format.h"

namespace bw {

int KeyCharCode(const QKeyEvent* event, ControlChars control) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Backspace:
            return kKeyBackspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return 0;
        default:
            break;
    }
    const QString text = event->text();
    if (text.isEmpty()) return 0;
    const int code = static_cast<int>(text.at(0).unicode());
    if (control == ControlChars::Drop && code < 32) return 0;
    return code;
}

bool DecimalBoxKeyPress(int keyAscii, const QLineEdit* box, MMODULE& mm, MessagePort& messages) {
    QString text = box->text();
    if (box->hasSelectedText()) text.remove(box->selectionStart(), box->selectedText().size());
    mm.KeyBoxText = text.toStdString();
    const KeyVerdict verdict = DecimalKeyFilter(keyAscii, mm.KeyBoxText, mm.DecimalsAllowed);
    if (verdict.beep) messages.beep();
    return verdict.key == 0;
}

bool DigitBoxKeyPress(int keyAscii, MessagePort& messages) {
    const KeyVerdict verdict = DigitKeyFilter(keyAscii);
    if (verdict.beep) messages.beep();
    return verdict.key == 0;
}

bool RefusePaste(const QKeyEvent* event, MessagePort& messages) {
    if (!event->matches(QKeySequence::Paste)) return false;
    messages.beep();
    return true;
}

bool LeavesBox(const QEvent* event) {
    if (event->type() != QEvent::FocusOut) return false;
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

void SelectAllAfterFocus(QLineEdit* box) {
    QTimer::singleShot(0, box, [box] {
        if (box->hasFocus()) box->selectAll();
    });
}

QWidget* FocusedBox(std::initializer_list<QWidget*> boxes) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) return nullptr;
    for (QWidget* box : boxes) {
        if (focus == box) return box;
        auto* list = qobject_cast<QComboBox*>(box);
        if (list != nullptr && list->lineEdit() != nullptr && focus == list->lineEdit()) return box;
    }
    return nullptr;
}

bool TakeEditedNumber(const QLineEdit* box, double& value) {
    if (!box->isModified()) return false;
    value = LeadingNumber(box->text().toStdString());
    return true;
}

}  // namespace bw
