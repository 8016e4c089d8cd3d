#include "reports/page_model.h"

#include "shell/mmodule.h"

namespace bw {

Printout::Printout(bool fontsAccepted) : fontsAccepted_(fontsAccepted) {}

PrintPage& Printout::current() {
    if (pages_.empty()) {
        PrintPage first;
        first.number = 1;
        first.font = font_;
        pages_.push_back(first);
    }
    return pages_.back();
}

void Printout::commitLine() {
    current().lines.push_back(std::move(pending_));
    pending_ = PrintLine{};
    pendingUsed_ = false;
}

Printout& Printout::at(int column, std::string_view text) {
    if (ended_) return *this;
    if (column < 1) column = 1;
    std::size_t start = 0;
    bool first = true;
    while (true) {
        std::size_t end = text.find_first_of("\r\n", start);
        std::string_view piece =
            text.substr(start, end == std::string_view::npos ? text.npos : end - start);
        if (!piece.empty()) {
            pending_.fields.push_back(PrintField{first ? column : 1, std::string(piece)});
        }
        pendingUsed_ = true;
        if (end == std::string_view::npos) break;
        // CR LF counts as one line end.
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
        commitLine();
        first = false;
        if (start >= text.size()) break;
    }
    return *this;
}

Printout& Printout::endLine() {
    if (ended_) return *this;
    commitLine();
    return *this;
}

Printout& Printout::line(int column, std::string_view text) {
    at(column, text);
    return endLine();
}

Printout& Printout::line(const PrintLine& composed) {
    for (const PrintField& field : composed.fields) at(field.column, field.text);
    return endLine();
}

void Printout::newPage() {
    if (ended_) return;
    if (pendingUsed_) commitLine();
    PrintPage& now = current();
    PrintPage next;
    next.number = now.number + 1;
    next.font = font_;
    pages_.push_back(next);
}

void Printout::endDocument() {
    if (ended_) return;
    if (pendingUsed_) commitLine();
    ended_ = true;
}

bool Printout::setFont(PrintFont font) {
    if (!fontsAccepted_ && font != PrintFont::Standard) return false;
    font_ = font;
    current().font = font;
    return true;
}

std::vector<PrintPage> Printout::pages() const {
    std::vector<PrintPage> out = pages_;
    if (pendingUsed_) {
        if (out.empty()) out.push_back(PrintPage{1, font_, {}});
        out.back().lines.push_back(pending_);
    }
    if (out.size() > 1 && out.back().lines.empty()) out.pop_back();
    return out;
}

int Printout::linesOnPage() const {
    int n = pages_.empty() ? 0 : static_cast<int>(pages_.back().lines.size());
    return n + (pendingUsed_ ? 1 : 0);
}

void SetPrinterFont(Printout& printer, MMODULE& mm) {
    printer.endLine();
    if (mm.PrinterFontChoice == 1 && printer.setFont(PrintFont::CourierNew11Bold)) {
        mm.LinesPerPage = kLinesPerPageCourier;
    } else {
        // The standard font: also for a choice the settings file should not hold, and when the
        // printer refuses Courier New.
        printer.setFont(PrintFont::Standard);
        mm.LinesPerPage = kLinesPerPageStandard;
    }
}

void TurnPage(Printout& printer, MMODULE& mm) {
    printer.endLine();
    printer.endLine();
    printer.line(40, "Page " + std::to_string(printer.page()));
    printer.newPage();
    SetPrinterFont(printer, mm);
    printer.endLine();
}

void EndPrintout(Printout& printer) {
    printer.newPage();
    printer.endDocument();
}

}  // namespace bw
