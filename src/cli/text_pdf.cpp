#include "cli/text_pdf.h"

#include <cstdio>

namespace bw::cli {
namespace {

// The least margin left and right of the text, in points.
constexpr double kLeastMargin = 36.0;

// One UTF-8 text as bytes of the PDF's WinAnsi encoding, with ( ) \ escaped.
std::string PdfString(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        unsigned code = c;
        std::size_t length = 1;
        if (c >= 0xC0 && c < 0xE0 && i + 1 < text.size()) {
            code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            length = 2;
        } else if (c >= 0xE0 && c < 0xF0 && i + 2 < text.size()) {
            code = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                   (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            length = 3;
        } else if (c >= 0x80) {
            code = '?';
            length = c >= 0xF0 ? 4 : 1;
        }
        i += length;
        if (code == 0x20AC)
            code = 0x80;  // the euro sign
        else if (code == 0x2018 || code == 0x2019)
            code = '\'';
        else if (code == 0x201C || code == 0x201D)
            code = '"';
        else if (code > 0xFF || (code >= 0x80 && code < 0xA0) || code < 0x20)
            code = '?';
        if (code == '(' || code == ')' || code == '\\') out += '\\';
        out += static_cast<char>(code);
    }
    return out;
}

}  // namespace

std::string TextPdf(const std::vector<PrintPage>& pages, Paper paper) {
    std::vector<std::string> objects;  // object n is objects[n - 1]
    const int pageCount = static_cast<int>(pages.empty() ? 1 : pages.size());
    const SheetSize sheet = SizeOf(paper);
    const int columns = WidestLine(pages);
    const auto number = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", v);
        return std::string(text);
    };
    // 1 catalog, 2 page tree, 3 and 4 the fonts, then a page and its contents for each page.
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (int p = 0; p < pageCount; ++p) kids += std::to_string(5 + 2 * p) + " 0 R ";
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) +
                      " >>");
    objects.push_back(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    objects.push_back(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Courier-Bold /Encoding /WinAnsiEncoding >>");
    for (int p = 0; p < pageCount; ++p) {
        const bool bold = !pages.empty() &&
                          pages[static_cast<std::size_t>(p)].font == PrintFont::CourierNew11Bold;
        const double size = bold ? 11 : 10;
        const double charWidth = 0.6 * size;  // Courier's characters are 0.6 em wide
        const TextAcross across = CentreAcross(sheet.width, charWidth, columns, kLeastMargin);
        // The first baseline 40 points below the top edge, 12 (12.5) points a line.
        std::string content = std::string(bold ? "BT /F2 11 Tf 12.5" : "BT /F1 10 Tf 12") + " TL " +
                              number(100.0 * across.advance / charWidth) + " Tz " +
                              number(across.left) + " " + number(sheet.height - 40) + " Td\n";
        if (!pages.empty())
            for (const std::string& line : RenderPageLines(pages[static_cast<std::size_t>(p)]))
                content += "(" + PdfString(line) + ") '\n";
        content += "ET\n";
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(sheet.width) +
                          " " + number(sheet.height) +
                          "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
                          std::to_string(6 + 2 * p) + " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" +
                          content + "endstream");
    }
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

}  // namespace bw::cli
