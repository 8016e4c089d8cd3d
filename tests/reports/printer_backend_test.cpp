// Printing on paper through the Qt printer back end (into PDF files), the header dialog, and the
// tables window's "&Print" command from the button to the printed page.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest/QTest>

#include "reports/printer_header_input.h"
#include "reports/qt_printer_backend.h"
#include "support/modal_driver.h"
#include "support/print_context.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

QString Pdftotext(const QStringList& args) {
    QProcess p;
    p.start("pdftotext", args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class PrintTest : public ::testing::Test, protected test::PrintContext {};

// Columns are character positions of a fixed-pitch font (0.6 em: 6 points in the standard face
// of 10 point, 6.6 in the 11 point face), and the widest line sits in the middle of the sheet,
// on A4 and on US Letter.
TEST_F(PrintTest, ColumnsOfAFixedPitchFontCentredOnTheSheet) {
    const QFontMetricsF standard(PrinterQFont(PrintFont::Standard));
    EXPECT_DOUBLE_EQ(standard.horizontalAdvance('i'), standard.horizontalAdvance('M'));
    for (const auto size : {QPageSize::A4, QPageSize::Letter}) {
        for (const std::int16_t choice : {0, 1}) {
            Printout printout;
            mm.PrinterFontChoice = choice;
            SetPrinterFont(printout, mm);
            printout.at(1, "ABC").line(75, "XYZ");
            EndPrintout(printout);
            auto printer = PdfPrinter(pdf);
            printer->setPageSize(QPageSize(size));
            ASSERT_TRUE(RenderPrintout(printout.pages(), *printer));
            const QString boxes = Pdftotext({"-bbox", pdf, "-"});
            const double width =
                QRegularExpression("<page width=\"([0-9.]+)\"").match(boxes).captured(1).toDouble();
            const QRegularExpression word("<word xMin=\"([0-9.]+)\"[^>]*xMax=\"([0-9.]+)\"");
            auto it = word.globalMatch(boxes);
            ASSERT_TRUE(it.hasNext()) << boxes.toStdString();
            const auto abc = it.next();
            ASSERT_TRUE(it.hasNext()) << boxes.toStdString();
            const auto xyz = it.next();
            EXPECT_NEAR(width, size == QPageSize::A4 ? 595.3 : 612.0, 0.5);
            EXPECT_NEAR(abc.captured(1).toDouble(), width - xyz.captured(2).toDouble(), 1.5);
            EXPECT_NEAR(xyz.captured(1).toDouble() - abc.captured(1).toDouble(),
                        74 * (choice == 1 ? 6.6 : 6.0), 1.5);
        }
    }
}

// A double quote never reaches the header; Enter moves to "Continue &Printout", which a second
// Enter presses.
TEST_F(PrintTest, HeaderDialogTakesOneLineWithoutQuotes) {
    mm.FrameClass = 6810;
    PrinterHeaderInput dialog(ctx);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.pos(), QPoint(227, 200));  // 3400, 3000 twips from the frame's corner
    EXPECT_EQ(dialog.InFName->accessibleName(), "Type in one line header information");
    QTest::keyClicks(dialog.InFName, "The \"Elm\" house");
    dialog.InFName->insert("\"");  // as pasted
    QTest::keyClick(dialog.InFName, Qt::Key_Return);
    ASSERT_TRUE(dialog.Acept->hasFocus());
    dialog.grab().save("/tmp/header_dialog.png");
    QTest::keyClick(dialog.Acept, Qt::Key_Return);
    EXPECT_EQ(mm.PrintHeader, "The Elm house");
}

TEST_F(PrintTest, HeaderDialogCancelledLeavesOne) {
    PrinterHeaderInput dialog(ctx);
    dialog.show();
    QTest::mouseClick(dialog.NAcept, Qt::LeftButton);
    EXPECT_EQ(mm.PrintHeader, "1");
}

class TablesPrintTest : public PrintTest {
  protected:
    MortgageCalc& open() { return test::ShowOwned(window, new MortgageCalc(ctx)); }
    void printWithHeader(const QString& header) {
        test::ModalDriver<PrinterHeaderInput> driver([&](PrinterHeaderInput& d) {
            d.InFName->setText(header);
            d.Acept->click();
        });
        window->MPrinter->click();
    }
    std::unique_ptr<MortgageCalc> window;
};

TEST_F(TablesPrintTest, NothingCalculatedShowsMessageOne) {
    open().MPrinter->click();
    EXPECT_EQ(port.messages, std::vector<int>{1});
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(TablesPrintTest, HeaderTypedAsOnePrintsNothing) {
    open().MCalc->click();
    printWithHeader("1");
    EXPECT_FALSE(QFile::exists(pdf));
}

// The default mortgage's first page as printed, its first lines read back from the PDF.
TEST_F(TablesPrintTest, PrintsTheFirstPage) {
    open().MCalc->click();
    printWithHeader("Smith residence");
    ASSERT_TRUE(QFile::exists(pdf));
    QStringList lines = Pdftotext({"-layout", "-f", "1", "-l", "1", pdf, "-"}).split('\n');
    for (QString& line : lines) line = line.simplified();
    lines.removeAll(QString());
    const QStringList expected = {"Smith residence",
                                  "Mortgage Table",
                                  QString(75, '_'),
                                  "Principal Annual Amortization Interest Frequency",
                                  "amount of interest period in compounding and type of",
                                  "mortgage. rate(%). years. periods in year. each payment",
                                  "$100,000.00 10.125% 25 Monthly Monthly",
                                  QString(75, '_'),
                                  "Days Interest No. of No. years Principal Total paid Total of",
                                  "in rate payments to final + Interest over life interest",
                                  "year factor each year payment payment of mortgage savings",
                                  "Normal 0.0084375 12.00 25.00 $917.53 $275,258.20 $.00",
                                  QString(75, '_'),
                                  "Payment Interest Principal Remaining Cumulative Cumulative",
                                  "Year Payment Payment Balance Interest Principal",
                                  QString(75, '_'),
                                  "1 10,082.74 927.59 99,072.41 10,082.74 927.59"};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(lines.mid(0, expected.size()), expected);
}

}  // namespace
}  // namespace bw
