#pragma once
// The small sans-serif font the program's dialogs are laid out for.

#include <QFont>
#include <QWidget>

namespace bw {

inline QFont DialogFont(const QFont& base) {
    QFont font = base;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    return font;
}

inline void UseDialogFont(QWidget& widget) {
    widget.setFont(DialogFont(widget.font()));
}

}  // namespace bw
