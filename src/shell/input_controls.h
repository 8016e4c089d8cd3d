#pragma once
// The yellow input controls of the calculator windows: a right-aligned number box, an editable
// list whose text is typed like a number box, and a right-aligned list to pick from.

#include <QComboBox>
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

}  // namespace bw
