#include "shell/number_box.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include "shell/key_filters.h"
#include "shell/keyboard_access.h"
#include "shell/message_port.h"
#include "shell/mmodule.h"
#include "shell/number_format.h"

namespace bw {
namespace {

// Keys that would change the text with something the key filters never saw.
bool BringsOutsideText(const QKeyEvent* key) {
    for (QKeySequence::StandardKey edit :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfWord, QKeySequence::DeleteCompleteLine}) {
        if (key->matches(edit)) return true;
    }
    return false;
}

// Ctrl+C and Ctrl+A read or select without changing anything.
bool Harmless(const QKeyEvent* key) {
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll);
}

constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// Focus leaving for a list's popup or for another program is no leaving of the box.
bool LeavesTheBox(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

NumberBox::NumberBox(QLineEdit* box, MMODULE& mm, MessagePort& messages, NumberBoxRule rule)
    : QObject(box), edit_(box), mm_(mm), messages_(messages), rule_(rule) {
    setObjectName(box->objectName() + QStringLiteral("NumberBox"));
    attach(box);
}

NumberBox::NumberBox(QComboBox* list, MMODULE& mm, MessagePort& messages, NumberBoxRule rule)
    : QObject(list),
      edit_(list->lineEdit()),
      list_(list),
      mm_(mm),
      messages_(messages),
      rule_(rule) {
    Q_ASSERT(edit_ != nullptr);  // an editable list
    setObjectName(list->objectName() + QStringLiteral("NumberBox"));
    attach(list);
    attach(edit_);
}

NumberBox::~NumberBox() = default;

void NumberBox::attach(QObject* target) {
    target->installEventFilter(this);
    if (auto* widget = qobject_cast<QWidget*>(target))
        widget->setContextMenuPolicy(Qt::NoContextMenu);
}

QWidget* NumberBox::control() const {
    if (list_) return list_;
    return edit_;
}

void NumberBox::setCaption(const QString& caption) {
    SetAccessibleCaption(edit_, caption);
    if (list_) SetAccessibleCaption(list_, caption);
}

void NumberBox::showText(const QString& text) {
    edit_->setText(text);
    edited_ = false;
}

void NumberBox::close() {
    closed_ = true;
    edit_->removeEventFilter(this);
    if (list_) list_->removeEventFilter(this);
}

void NumberBox::leave() {
    if (leaving_ || closed_) return;
    leaving_ = true;
    emit leaving();
    if (mm_.TypingFlag == 1) {
        std::optional<double> typed;
        if (edited_) typed = LeadingNumber(edit_->text().toStdString());
        const QString shown = store_ ? store_(typed) : QString();
        if (!shown.isNull()) showText(shown);
        edited_ = false;
        mm_.TypingFlag = 0;
        emit valueTaken(typed.has_value(), typed.value_or(0.0));
    }
    leaving_ = false;
}

void NumberBox::refuse() {
    messages_.beep();
}

bool NumberBox::eventFilter(QObject* watched, QEvent* event) {
    if (closed_) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(watched, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            edit_->selectAll();
            // A mouse click places the caret after the focus has come: select again then.
            QTimer::singleShot(0, edit_, [edit = edit_] {
                if (edit->hasFocus() || (edit->parentWidget() && edit->parentWidget()->hasFocus()))
                    edit->selectAll();
            });
            return false;
        case QEvent::FocusOut:
            if (LeavesTheBox(event)) leave();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (watched == edit_ &&
                static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
                if (event->type() == QEvent::MouseButtonPress) refuse();
                return true;
            }
            return false;
        case QEvent::Drop:
            refuse();
            event->ignore();
            return true;
        case QEvent::InputMethod:
            if (!static_cast<QInputMethodEvent*>(event)->commitString().isEmpty()) {
                refuse();
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool NumberBox::keyPress(QObject* watched, QKeyEvent* key) {
    const int k = key->key();
    const Qt::KeyboardModifiers command = key->modifiers() & kCommandModifiers;
    if ((k == Qt::Key_Return || k == Qt::Key_Enter) && !command) {
        emit enterPressed();
        if (next_) next_->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (BringsOutsideText(key)) {
        refuse();
        return true;
    }
    if (command) {
        // Copy and select all work; other editing commands (a line editor's word and line
        // deletions) are not entries and do nothing. Shortcuts of the window never come here.
        if (Harmless(key)) return false;
        const bool edits = (k >= Qt::Key_A && k <= Qt::Key_Z) || k == Qt::Key_Backspace ||
                           k == Qt::Key_Delete || k == Qt::Key_Insert;
        return edits;
    }
    if (k == Qt::Key_Delete) {
        edited_ = true;
        emit deletePressed();
        return false;
    }
    int code = 0;
    if (k == Qt::Key_Backspace) {
        code = kKeyBackspace;
    } else {
        const QString text = key->text();
        // Arrows, Home, End, function keys, Escape, Tab: no entry.
        if (text.isEmpty()) return false;
        code = static_cast<int>(text.at(0).unicode());
        if (code < 32 || code == kKeyDelete) return false;
    }
    return entryKey(watched, code, key);
}

bool NumberBox::entryKey(QObject* watched, int code, QKeyEvent* key) {
    QString rest = edit_->text();
    if (edit_->hasSelectedText())
        rest.remove(edit_->selectionStart(), edit_->selectedText().size());
    const EntryStep step = EntryKey(code, rest.toStdString(), mm_.TypingFlag == 0, rule_);
    mm_.KeyBoxText = step.emptyBox && rule_.order == FilterOrder::EmptyFirst ? std::string()
                                                                             : rest.toStdString();
    if (step.emptyBox) {
        edit_->clear();
        edited_ = true;
        emit resetRequested();
        mm_.TypingFlag = 1;
    }
    if (step.beep) refuse();
    if (!step.accept) return true;
    // The key goes into the box now (past the event filters, this one included), so that those
    // told of it see the text with it.
    watched->event(key);
    edited_ = true;
    emit keyAccepted(code);
    return true;
}

void CloseNumberBoxes(QWidget* window) {
    for (NumberBox* box : window->findChildren<NumberBox*>()) box->close();
}

}  // namespace bw
