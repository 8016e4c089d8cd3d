#include "reports/text_backend.h"

#include <QLocale>
#include <algorithm>

#include "shell/number_format.h"

namespace bw {

std::vector<PrintField> PlaceFields(const PrintLine& line) {
    std::vector<PrintField> placed;
    int next = 1;          // the first free character position
    bool blankEnd = true;  // the text before ends in a blank (or there is none)
    for (const PrintField& field : line.fields) {
        if (field.text.empty()) continue;
        int column = field.column < 1 ? 1 : field.column;
        const bool blankStart = field.text.front() == ' ';
        const int free = blankEnd || blankStart ? next : next + 1;
        if (column < free) column = free;
        placed.push_back(PrintField{column, field.text});
        next = column + static_cast<int>(TextLength(field.text));
        blankEnd = field.text.back() == ' ';
    }
    return placed;
}

int WidestLine(const std::vector<PrintPage>& pages) {
    int widest = 0;
    for (const PrintPage& page : pages)
        for (const PrintLine& line : page.lines) {
            const auto placed = PlaceFields(line);
            if (!placed.empty())
                widest = std::max(widest, placed.back().column - 1 +
                                              static_cast<int>(TextLength(placed.back().text)));
        }
    return widest;
}

SheetSize SizeOf(Paper paper) {
    return paper == Paper::Letter ? SheetSize{612.0, 792.0} : SheetSize{595.2756, 841.8898};
}

Paper DefaultPaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter
                                                                              : Paper::A4;
}

TextAcross CentreAcross(double sheetWidth, double charWidth, int columns, double minMargin) {
    const double room = sheetWidth - 2 * minMargin;
    const double advance = columns * charWidth > room ? std::max(room, 0.0) / columns : charWidth;
    return {(sheetWidth - columns * advance) / 2, advance};
}

std::string RenderLine(const PrintLine& line) {
    std::string text;
    int position = 1;
    for (const PrintField& field : PlaceFields(line)) {
        text.append(static_cast<std::size_t>(field.column - position), ' ');
        text += field.text;
        position = field.column + static_cast<int>(TextLength(field.text));
    }
    return text;
}

std::vector<std::string> RenderPageLines(const PrintPage& page) {
    std::vector<std::string> lines;
    lines.reserve(page.lines.size());
    for (const PrintLine& line : page.lines) lines.push_back(RenderLine(line));
    return lines;
}

std::string RenderText(const std::vector<PrintPage>& pages) {
    std::string text;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) text += '\f';
        for (const PrintLine& line : pages[p].lines) {
            text += RenderLine(line);
            text += '\n';
        }
    }
    return text;
}

}  // namespace bw
