#include "shell/right_aligned_combo.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace bw {

void RightAlignedCombo::paintEvent(QPaintEvent* event) {
    if (isEditable()) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString text = option.currentText;
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(field.adjusted(2, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                     text.trimmed());
}

}  // namespace bw
