#pragma once
// Plain-text rendering of a printout: each line as the characters a fixed-pitch printer puts on
// paper, for tests and for the command line.

#include <string>
#include <vector>

#include "reports/page_model.h"

namespace bw {

// Where each text of a line lands: its column, moved on past the text before it when the two
// would overlap or touch (nothing printed is ever overwritten, and two texts never run together:
// one blank stays between them unless one of them has a blank at that end already).
std::vector<PrintField> PlaceFields(const PrintLine& line);

// One line as text: blanks up to each text's column, then the text. No line end.
std::string RenderLine(const PrintLine& line);

// The lines of one page.
std::vector<std::string> RenderPageLines(const PrintPage& page);

// The widest line of the pages in characters, the texts as placed.
int WidestLine(const std::vector<PrintPage>& pages);

// The sheets printed on. Sizes in points (1/72 inch).
enum class Paper { A4, Letter };
struct SheetSize {
    double width;
    double height;
};
SheetSize SizeOf(Paper paper);
// US Letter where the system's measurement is the US one, A4 elsewhere.
Paper DefaultPaper();

// How the text sits across a sheet: column 1 starts `left` from the sheet's left edge and each
// character is `advance` wide. The widest line is centred, with even left and right margins;
// a line too wide to keep `minMargin` on both sides is narrowed to fit (advance below the font's
// character width), never cut.
struct TextAcross {
    double left;
    double advance;
};
TextAcross CentreAcross(double sheetWidth, double charWidth, int columns, double minMargin);

// A whole printout: every line ended by "\n", pages separated by a form feed ("\f").
std::string RenderText(const std::vector<PrintPage>& pages);

}  // namespace bw
