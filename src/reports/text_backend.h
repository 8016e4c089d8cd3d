#pragma once
// Plain-text rendering of a printout: each line as the characters a fixed-pitch printer puts on
// paper, for tests and for the command line.

#include <string>
#include <vector>

#include "reports/page_model.h"

namespace bw {

// Where each text of a line lands: its column, moved on to the end of the text before it when the
// two would overlap (nothing printed is ever overwritten).
std::vector<PrintField> PlaceFields(const PrintLine& line);

// One line as text: blanks up to each text's column, then the text. No line end.
std::string RenderLine(const PrintLine& line);

// The lines of one page.
std::vector<std::string> RenderPageLines(const PrintPage& page);

// A whole printout: every line ended by "\n", pages separated by a form feed ("\f").
std::string RenderText(const std::vector<PrintPage>& pages);

}  // namespace bw
