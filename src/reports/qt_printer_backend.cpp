#include "reports/qt_printer_backend.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

#include "reports/text_backend.h"

namespace bw {

namespace {

QString& PdfOverride() {
    static QString path;
    return path;
}

QString FirstInstalled(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

// The most lines a page is set up for: the page's line height is chosen so that these fit.
constexpr int kMostLinesPerPage = 60;
// The least margin left and right of the text, in points.
constexpr double kLeastMargin = 36.0;

}  // namespace

QFont PrinterQFont(PrintFont font) {
    QFont qfont;
    if (font == PrintFont::CourierNew11Bold) {
        qfont = QFont(FirstInstalled({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}), 11,
                      QFont::Bold);
    } else {
        qfont = QFont(FirstInstalled({"Liberation Mono", "DejaVu Sans Mono", "Courier New"}), 10,
                      QFont::Normal);
    }
    qfont.setStyleHint(QFont::TypeWriter);
    qfont.setFixedPitch(true);
    qfont.setKerning(false);
    return qfont;
}

void SetPrintToPdfFile(const QString& path) {
    PdfOverride() = path;
}
QString PrintToPdfFile() {
    return PdfOverride();
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(
        QPageSize(DefaultPaper() == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
    return printer;
}

std::unique_ptr<QPrinter> ChoosePrinter(QWidget* parent, const QString& documentName) {
    if (!PdfOverride().isEmpty()) {
        auto printer = PdfPrinter(PdfOverride());
        printer->setDocName(documentName);
        return printer;
    }
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        const QString offered = QDir::home().filePath(documentName + ".pdf");
        const QString path =
            QFileDialog::getSaveFileName(parent, "Print to PDF file", offered, "PDF files (*.pdf)");
        if (path.isEmpty()) return nullptr;
        auto printer =
            PdfPrinter(path.endsWith(".pdf", Qt::CaseInsensitive) ? path : path + ".pdf");
        printer->setDocName(documentName);
        return printer;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

bool RenderPrintout(const std::vector<PrintPage>& pages, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int dpi = printer.resolution();
    const QRectF area = printer.pageLayout().paintRectPixels(dpi);
    const QRectF sheet = printer.pageLayout().fullRectPixels(dpi);
    const qreal height = area.height();
    const int columns = WidestLine(pages);
    bool first = true;
    for (const PrintPage& page : pages) {
        if (!first && !printer.newPage()) break;
        first = false;
        const QFont font = PrinterQFont(page.font);
        painter.setFont(font);
        const QFontMetricsF metrics(painter.font(), painter.device());
        const qreal charWidth = metrics.horizontalAdvance(QLatin1Char('M'));
        const qreal lineHeight = std::min(metrics.lineSpacing(), height / kMostLinesPerPage);
        // The text centred across the sheet; the painter starts at the printable area's corner.
        const TextAcross across =
            CentreAcross(sheet.width(), charWidth, columns, kLeastMargin * dpi / 72.0);
        const qreal left = across.left - area.left();
        const qreal narrowing = across.advance / charWidth;
        qreal baseline = metrics.ascent();
        for (const PrintLine& line : page.lines) {
            for (const PrintField& field : PlaceFields(line)) {
                const QPointF at(left + (field.column - 1) * across.advance, baseline);
                const QString text = QString::fromStdString(field.text);
                if (narrowing < 1.0) {
                    painter.save();
                    painter.translate(at);
                    painter.scale(narrowing, 1.0);
                    painter.drawText(QPointF(0, 0), text);
                    painter.restore();
                } else {
                    painter.drawText(at, text);
                }
            }
            baseline += lineHeight;
        }
    }
    return painter.end();
}

bool PrintImage(const QImage& image, QPrinter& printer, bool colour) {
    printer.setColorMode(colour ? QPrinter::Color : QPrinter::GrayScale);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QImage picture = colour ? image : image.convertToFormat(QImage::Format_Grayscale8);
    if (!picture.isNull()) {
        QSizeF size = picture.size();
        size.scale(area.width(), area.height(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), size), picture);
    }
    return painter.end();
}

QImage WidgetImage(QWidget* widget, qreal scale) {
    QImage image(widget->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    widget->render(&image);
    return image;
}

bool PrintPrintout(const Printout& printout, QWidget* parent, const QString& documentName) {
    auto printer = ChoosePrinter(parent, documentName);
    if (!printer) return false;
    return RenderPrintout(printout.pages(), *printer);
}

bool PrintImageOnPage(const QImage& image, bool colour, QWidget* parent,
                      const QString& documentName) {
    auto printer = ChoosePrinter(parent, documentName);
    if (!printer) return false;
    return PrintImage(image, *printer, colour);
}

bool PrintWidgetImage(QWidget* widget, bool colour, QWidget* parent, const QString& documentName) {
    return PrintImageOnPage(WidgetImage(widget), colour, parent, documentName);
}

}  // namespace bw
