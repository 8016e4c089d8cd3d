#pragma once
// The controls of the calculator windows: the yellow inputs (a right-aligned number box, an
// editable list whose text is typed like a number box, a right-aligned list to pick from), the
// white result boxes and the captions beside them.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include "shell/colours.h"
#include "shell/right_aligned_combo.h"

namespace bw {

inline QLineEdit* NewInputBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetBackground(box, colours::kInput);
    return box;
}

inline QComboBox* NewEditableList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(10);
    // No completion: the box shows what was typed, nothing else.
    list->setCompleter(nullptr);
    list->lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetBackground(list, colours::kInput);
    SetBackground(list->lineEdit(), colours::kInput);
    return list;
}

inline QComboBox* NewPickList(QWidget* parent, const char* name) {
    auto* list = new RightAlignedCombo(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setMaxVisibleItems(10);
    SetBackground(list, colours::kInput);
    return list;
}

inline QLabel* NewResultBox(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setMargin(2);
    SetBackground(label, colours::kResult);
    return label;
}

inline QLabel* NewCaption(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace bw
