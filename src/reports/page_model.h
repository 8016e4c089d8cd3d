#pragma once
// A printout composed as pages of lines, each line a list of texts placed at character columns,
// in one of the printer fonts. Back ends (the Qt printer and PDF, plain text) render the pages;
// the printout routines only ever talk to a Printout, the way the program talks to its printer.
//
// Columns are 1-based character positions in the page's fixed-pitch font: a text at column n
// starts after n - 1 character widths. Column 0 is treated as column 1.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bw {

struct MMODULE;

// The font a page is printed in. CourierNew11Bold is "Courier New" 11 point bold (a
// metric-compatible fixed-pitch face where Courier New is not installed); Standard is the printer's
// own standard font, fixed-pitch as well so that the columns line up.
enum class PrintFont { Standard, CourierNew11Bold };

struct PrintField {
    int column = 1;  // 1-based character position
    std::string text;
    bool operator==(const PrintField&) const = default;
};

struct PrintLine {
    std::vector<PrintField> fields;  // empty = an empty line
    bool operator==(const PrintLine&) const = default;
};

struct PrintPage {
    int number = 1;  // the printer's page number (1 for the first page)
    PrintFont font = PrintFont::Standard;
    std::vector<PrintLine> lines;
};

class Printout {
  public:
    // fontsAccepted = false models a printer that refuses font settings (SetPrinterFont then falls
    // back to the standard font and 53 lines a page).
    explicit Printout(bool fontsAccepted = true);

    // Prints text at a column and keeps the print position on the same line (a print ending with
    // ";"). Line ends inside the text (CR LF, LF or CR) start new lines at column 1.
    Printout& at(int column, std::string_view text);
    // Ends the current line (a print without ";"): an empty line when nothing is pending on it.
    Printout& endLine();
    // at(column, text) followed by endLine().
    Printout& line(int column, std::string_view text);
    // Every text of a composed line at its column, then endLine().
    Printout& line(const PrintLine& composed);

    // The printer's new-page command: the next line goes to a new page.
    void newPage();
    // The printer's end-of-document command. A page that was started by newPage() and is still
    // empty is not printed.
    void endDocument();

    // The printer's page number: the number of the page being printed.
    int page() const { return pages_.empty() ? 1 : pages_.back().number; }

    // Sets the font for the rest of the current page and the pages after it. Returns false (and
    // changes nothing) when the printer refuses it.
    bool setFont(PrintFont font);
    PrintFont font() const { return font_; }
    bool fontsAccepted() const { return fontsAccepted_; }

    bool ended() const { return ended_; }
    // The pages so far; after endDocument() the finished document. A trailing empty page that was
    // never written to is left out.
    std::vector<PrintPage> pages() const;

    // Lines on the current page so far, the pending line included when something is on it.
    int linesOnPage() const;

  private:
    PrintPage& current();
    void commitLine();

    bool fontsAccepted_;
    PrintFont font_ = PrintFont::Standard;
    std::vector<PrintPage> pages_;
    PrintLine pending_;
    bool pendingUsed_ = false;
    bool ended_ = false;
};

// Starts a page: prints one empty line, then chooses the printer font from PrinterFontChoice and
// sets LinesPerPage: 56 with Courier New 11 point bold, 53 with the standard font (also when the
// printer refuses the font). Called at the start of a printout and after every page break.
void SetPrinterFont(Printout& printer, MMODULE& mm);

// Turns a full page: two empty lines and "Page N" at column 40 at its foot, then a new page started
// by SetPrinterFont and one empty line, ready for the column headings.
void TurnPage(Printout& printer, MMODULE& mm);

// Finishes the document: a new page followed by the end of the document (no blank page results).
void EndPrintout(Printout& printer);

// Lines per page of each font.
constexpr std::int16_t kLinesPerPageStandard = 53;
constexpr std::int16_t kLinesPerPageCourier = 56;

}  // namespace bw
