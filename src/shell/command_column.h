#pragma once
// The column of command buttons beside a calculator window's inputs: every button as wide as the
// widest, a little taller than it needs.

#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <initializer_list>

namespace bw {

inline void EvenCommandButtons(QWidget* window) {
    const auto buttons = window->findChildren<QPushButton*>();
    int width = 0;
    for (QPushButton* button : buttons) width = std::max(width, button->sizeHint().width());
    for (QPushButton* button : buttons) {
        button->setFixedWidth(width + 16);
        button->setMinimumHeight(button->sizeHint().height() + 4);
    }
}

// Tab order in the order given.
inline void ChainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace bw
