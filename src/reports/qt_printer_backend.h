#pragma once
// The printer of the desktop program: renders a printout (page model) on a QPrinter, and prints a
// window's image on one page. Where the user has a printer the print dialog is shown (it offers
// printing into a PDF file as well); with no printer installed a PDF file is the default and the
// user is asked for its name. Tests and the command line direct printing into a PDF file.

#include <QFont>
#include <QImage>
#include <QPrinter>
#include <QString>
#include <memory>
#include <vector>

#include "reports/page_model.h"

class QWidget;

namespace bw {

// The fixed-pitch font a page is printed in: "Courier New" 11 point bold (Liberation Mono, which
// has the same metrics, where Courier New is not installed), or the standard printer font, a
// fixed-pitch face at 10 point.
QFont PrinterQFont(PrintFont font);

// Sends every printout straight into this PDF file, without any dialog (tests, command line). An
// empty path (the default) asks the user.
void SetPrintToPdfFile(const QString& path);
QString PrintToPdfFile();

// A printer writing into the PDF file at `path`.
std::unique_ptr<QPrinter> PdfPrinter(const QString& path);

// Asks where to print: the PDF file set by SetPrintToPdfFile; else the print dialog when a
// printer is installed; else a file dialog for the PDF file (`documentName` + ".pdf" offered in
// the home folder). Null when the user cancelled.
std::unique_ptr<QPrinter> ChoosePrinter(QWidget* parent, const QString& documentName);

// Draws the pages on the printer: column n of a line starts n - 1 character widths from the left
// margin. False when the printer could not be opened.
bool RenderPrintout(const std::vector<PrintPage>& pages, QPrinter& printer);

// Draws an image on one page, scaled to the page's width (or height) keeping its proportions;
// grey tones only when `colour` is false.
bool PrintImage(const QImage& image, QPrinter& printer, bool colour);

// A widget's image drawn at `scale` times its size (a sharper picture on paper).
QImage WidgetImage(QWidget* widget, qreal scale = 2.0);

// Choose a printer and print: true when something was printed.
bool PrintPrintout(const Printout& printout, QWidget* parent, const QString& documentName);
bool PrintWidgetImage(QWidget* widget, bool colour, QWidget* parent, const QString& documentName);
bool PrintImageOnPage(const QImage& image, bool colour, QWidget* parent,
                      const QString& documentName);

}  // namespace bw
