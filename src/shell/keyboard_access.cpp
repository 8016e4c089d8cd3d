#include "shell/keyboard_access.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace bw {
namespace {

// Watches a window for Enter keys that its focused button let pass (a button outside a dialog
// takes no Enter, and a dialog would press its default button instead of the focused one).
class EnterPressesFocusedButton : public QObject {
  public:
    explicit EnterPressesFocusedButton(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("EnterPressesFocusedButton"));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (button == nullptr || !button->isEnabled() || !window_->isAncestorOf(button))
            return false;
        button->click();
        return true;
    }

  private:
    QWidget* window_;
};

}  // namespace

void EnterPressesButtons(QWidget* window) {
    if (window->findChild<EnterPressesFocusedButton*>(QStringLiteral("EnterPressesFocusedButton"),
                                                      Qt::FindDirectChildrenOnly))
        return;
    window->installEventFilter(new EnterPressesFocusedButton(window));
}

QString AccessibleCaption(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == QLatin1Char('&')) {
            // "&&" stands for one "&"; a single one marks the mnemonic.
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                text += c;
                ++i;
            }
            continue;
        }
        text += c;
    }
    text = text.simplified();
    while (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
        text = text.trimmed();
    }
    return text;
}

void SetAccessibleCaption(QWidget* control, const QString& caption) {
    control->setAccessibleName(AccessibleCaption(caption));
}

}  // namespace bw
