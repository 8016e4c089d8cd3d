#pragma once
// The program's colours, one palette for every window and dialog, and the routine that paints a
// control with one of them.

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace bw::colours {

inline const QColor kInput(255, 255, 0);     // yellow input boxes and lists
inline const QColor kResult(255, 255, 255);  // white result boxes
inline const QColor kHelp(0, 255, 255);      // cyan help panels, message texts and captions
inline const QColor kSolved(0, 255, 0);      // green result boxes of the affordability window
inline const QColor kAlertText(255, 0, 0);   // red text (the affordability window's days in year)
inline const QColor kFace(192, 192, 192);    // grey face of the affordability window
inline const QColor kTitleText(0, 0, 128);   // navy title of the main menu
inline const QColor kText(0, 0, 0);          // black text on every coloured control

}  // namespace bw::colours

namespace bw {

// Paints `widget`'s background `colour` (as a box, a list, a label or a button face) with black
// text, and fills the background of controls that draw none of their own (labels).
inline void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, colour);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, colours::kText);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Sets the colour of the text only.
inline void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace bw
