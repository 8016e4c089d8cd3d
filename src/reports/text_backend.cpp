#include "reports/text_backend.h"

#include "shell/number_format.h"

namespace bw {

std::vector<PrintField> PlaceFields(const PrintLine& line) {
    std::vector<PrintField> placed;
    int next = 1;  // the first free character position
    for (const PrintField& field : line.fields) {
        int column = field.column < 1 ? 1 : field.column;
        if (column < next) column = next;
        placed.push_back(PrintField{column, field.text});
        next = column + static_cast<int>(TextLength(field.text));
    }
    return placed;
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
