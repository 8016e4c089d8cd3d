#pragma once
// The parts every window of the program is built with: the colours, the hourglass, the
// right-aligned list box, dialog placement, text conversions, keyboard access and the number box.

#include "shell/colours.h"              // colours::k..., SetBackground, SetTextColour
#include "shell/command_column.h"       // EvenCommandButtons, ChainTabOrder
#include "shell/dialog_placement.h"     // PlaceDialog, DialogPosition
#include "shell/hourglass_cursor.h"     // HourglassCursor
#include "shell/keyboard_access.h"      // EnterPressesButtons, SetAccessibleCaption
#include "shell/number_box.h"           // NumberBox
#include "shell/qt_text.h"              // Q, S
#include "shell/right_aligned_combo.h"  // RightAlignedCombo
