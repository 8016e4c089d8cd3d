// Printing on paper through the Qt printer back end (into PDF files), the header dialog, and the
// tables window's "&Print" command from the button to the printed page.

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest/QTest>

#include "reports/printer_header_input.h"
#include "reports/qt_printer_backend.h"
#include "support/print_context.h"
#include "tables/mortgage_calc.h"

namespace bw::test {
namespace {

QString Pdftotext(const QStringList& args) {
    QProcess p;
    p.start("pdftotext", args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class PrintTest : public ::testing::Test, protected PrintContext {};

// Columns are character positions of a fixed-pitch font (6 points in the standard face of 10
// point, 6.6 in the 11 point face), and the widest line sits in the middle of the sheet, on A4
// and on US Letter.
TEST_F(PrintTest, ColumnsOfAFixedPitchFontCentredOnTheSheet) {
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
            // The page's width, where "ABC" starts, where "XYZ" starts and ends.
            const QRegularExpression re(R"x(<page width="([0-9.]+)"[\s\S]*?<word xMin="([0-9.]+)")x"
                                        R"x([\s\S]*?<word xMin="([0-9.]+)"[^>]*xMax="([0-9.]+)")x");
            const auto m = re.match(boxes);
            ASSERT_TRUE(m.hasMatch()) << boxes.toStdString();
            const auto at = [&](int i) { return m.captured(i).toDouble(); };
            EXPECT_NEAR(at(1), size == QPageSize::A4 ? 595.3 : 612.0, 0.5);
            EXPECT_NEAR(at(2), at(1) - at(4), 1.5);
            EXPECT_NEAR(at(3) - at(2), 74 * (choice == 1 ? 6.6 : 6.0), 1.5);
        }
    }
}

// A double quote never reaches the header, typed or pasted; Enter moves to "Continue &Printout",
// which a second Enter presses. Cancelled, the header is "1".
TEST_F(PrintTest, HeaderDialogTakesOneLineWithoutQuotes) {
    PrinterHeaderInput dialog(ctx);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.InFName, "The \"Elm\" house");
    dialog.InFName->insert("\"");
    pressKey(dialog.InFName, Qt::Key_Return);
    ASSERT_TRUE(dialog.Acept->hasFocus());
    dialog.grab().save("/tmp/header_dialog.png");
    pressKey(dialog.Acept, Qt::Key_Return);
    EXPECT_EQ(mm.PrintHeader, "The Elm house");
    dialog.show();
    clickButton(dialog.NAcept);
    EXPECT_EQ(mm.PrintHeader, "1");
}

// Message 1 before a calculation; a header of "1" prints nothing; a header heads the printed
// table (its lines: table_printout_test).
TEST_F(PrintTest, TablesWindowPrintsThroughTheHeaderDialog) {
    std::unique_ptr<MortgageCalc> window;
    MortgageCalc& w = ShowOwned(window, new MortgageCalc(ctx));
    w.MPrinter->click();
    EXPECT_EQ(port.messages, std::vector<int>{1});
    w.MCalc->click();
    for (const QString header : {"1", "Smith residence"}) {
        ModalDriver<PrinterHeaderInput> driver([&](PrinterHeaderInput& d) {
            d.InFName->setText(header);
            d.Acept->click();
        });
        w.MPrinter->click();
        EXPECT_EQ(QFile::exists(pdf), header != "1");
    }
    const QString page = Pdftotext({"-layout", "-f", "1", "-l", "1", pdf, "-"});
    EXPECT_TRUE(page.trimmed().startsWith("Smith residence")) << page.toStdString();
    EXPECT_TRUE(page.contains("$917.53")) << page.toStdString();
}

}  // namespace
}  // namespace bw::test
