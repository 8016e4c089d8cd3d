// The page model and its plain-text rendering: columns, line ends inside texts, pages, fonts.

#include <gtest/gtest.h>

#include "reports/page_model.h"
#include "reports/text_backend.h"
#include "shell/mmodule.h"

namespace bw {
namespace {

TEST(PageModel, TextsLandAtTheirCharacterColumns) {
    Printout p;
    p.at(2, "ab").at(10, "cd").endLine();
    p.line(0, "x");  // column 0 is column 1
    p.endDocument();
    EXPECT_EQ(RenderText(p.pages()), " ab      cd\nx\n");
}

// A text that would overlap or touch the one before moves on, one blank after it.
TEST(PageModel, TextsNeverOverwriteOrRunTogether) {
    const std::pair<PrintLine, std::string> cases[] = {
        {{{{2, "$1,234,567.89"}, {13, "10.125%"}}}, " $1,234,567.89 10.125%"},
        {{{{2, "15 Jan 2027"}, {13, "10,082.74"}}}, " 15 Jan 2027 10,082.74"},
        {{{{2, "15 Jan 2027 "}, {13, "10,082.74"}}}, " 15 Jan 2027 10,082.74"},
        {{{{2, "5 Jan 2027"}, {13, " 9,984.34"}}}, " 5 Jan 2027  9,984.34"},
        {{{{1, "ab"}, {3, ""}, {3, "cd"}}}, "ab cd"},
    };
    for (const auto& [line, text] : cases) EXPECT_EQ(RenderLine(line), text);
}

// The widest line sits in the middle of the sheet; one too wide for the least margins is narrowed.
TEST(PageModel, TextCentredAcrossTheSheet) {
    const std::tuple<Paper, double, int, double, double> cases[] = {
        {Paper::A4, 6.6, 77, 43.5378, 6.6},     // Courier New 11: (595.2756 - 508.2) / 2
        {Paper::Letter, 6.0, 77, 75.0, 6.0},    // Courier 10: (612 - 462) / 2
        {Paper::Letter, 6.6, 100, 36.0, 5.4}};  // 660 points narrowed to 540
    for (const auto& [paper, charWidth, columns, left, advance] : cases) {
        const TextAcross a = CentreAcross(SizeOf(paper).width, charWidth, columns, 36.0);
        EXPECT_NEAR(a.left, left, 1e-3);
        EXPECT_NEAR(a.advance, advance, 1e-9);
    }
}

TEST(PageModel, LineEndsInsideATextStartNewLinesAtColumnOne) {
    Printout p;
    p.line(2, "Head\r\n\r\n one\r\n");
    p.endDocument();
    // The text's own line ends give three lines; the print's line end adds an empty one.
    EXPECT_EQ(RenderText(p.pages()), " Head\n\n one\n\n");
}

TEST(PageModel, EndPrintoutLeavesNoBlankPageAndCountsPages) {
    Printout p;
    p.line(1, "first");
    EXPECT_EQ(p.page(), 1);
    p.newPage();
    EXPECT_EQ(p.page(), 2);
    p.line(1, "second");
    EXPECT_EQ(p.pages().size(), 2u);  // a page with lines is never dropped
    EndPrintout(p);
    ASSERT_TRUE(p.ended());
    EXPECT_EQ(std::tuple(p.pages()[1].number, RenderText(p.pages())),
              std::tuple(2, "first\n\fsecond\n"));
    p.line(1, "after the end");  // ignored
    EXPECT_EQ(p.pages().size(), 2u);
}

TEST(PageModel, SetPrinterFontStartsThePageAndSetsLinesPerPage) {
    // Font choice, printer accepts the font, then the font and lines a page.
    const std::tuple<std::int16_t, bool, PrintFont, std::int16_t> cases[] = {
        {0, true, PrintFont::Standard, 53},
        {1, true, PrintFont::CourierNew11Bold, 56},
        {1, false, PrintFont::Standard, 53},  // the printer refuses the font
        {7, true, PrintFont::Standard, 53},   // a choice no settings file should hold
    };
    for (const auto& [choice, accepted, font, lines] : cases) {
        MMODULE mm;
        mm.PrinterFontChoice = choice;
        Printout p(accepted);
        SetPrinterFont(p, mm);
        ASSERT_EQ(p.pages().size(), 1u);
        // One line on the page: the empty line.
        EXPECT_EQ(std::tuple(mm.LinesPerPage, p.font(), p.pages()[0].font, p.linesOnPage()),
                  std::tuple(lines, font, font, 1))
            << choice;
    }
}

}  // namespace
}  // namespace bw
