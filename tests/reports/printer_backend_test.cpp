// Printing on paper through the Qt printer back end (into PDF files), the header dialog, and the
// tables window's "&Print" command end to end.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "reports/printer_header_input.h"
#include "reports/qt_printer_backend.h"
#include "reports/table_printout.h"
#include "shell/mmodule.h"
#include "support/print_context.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfPages(const QString& pdf) {
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// Runs `action` on the modal dialog that opens next.
void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

class PrintTest : public ::testing::Test, protected test::PrintContext {};

TEST_F(PrintTest, PrinterFontsAreFixedPitch) {
    for (PrintFont font : {PrintFont::Standard, PrintFont::CourierNew11Bold}) {
        const QFont f = PrinterQFont(font);
        const QFontMetricsF m(f);
        EXPECT_DOUBLE_EQ(m.horizontalAdvance('i'), m.horizontalAdvance('M'));
        EXPECT_DOUBLE_EQ(m.horizontalAdvance('$'), m.horizontalAdvance('0'));
    }
    const QFont courier = PrinterQFont(PrintFont::CourierNew11Bold);
    EXPECT_EQ(courier.pointSize(), 11);
    EXPECT_TRUE(courier.bold());
}

TEST_F(PrintTest, HeaderDialogTakesOneLineWithoutQuotes) {
    PrinterHeaderInput dialog(ctx);
    EXPECT_EQ(dialog.windowTitle(), "Input");
    EXPECT_EQ(dialog.Label1->text(), " Type in one line header information.");
    EXPECT_EQ(dialog.Acept->text(), "Continue &Printout");
    EXPECT_EQ(dialog.NAcept->text(), "&Cancel");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.InFName->text().isEmpty());
    dialog.InFName->setFocus();
    QTest::keyClicks(dialog.InFName, "The \"Elm\" house");
    EXPECT_EQ(dialog.InFName->text(), "The Elm house");
    dialog.InFName->insert("\"");  // as pasted

    QTest::keyClick(dialog.InFName, Qt::Key_Return);
    EXPECT_TRUE(dialog.Acept->hasFocus());
    EXPECT_TRUE(dialog.isVisible());  // Enter only moves the focus
    dialog.grab().save("/tmp/h6_header_dialog.png");
    // A second Enter presses "Continue &Printout", which now has the focus.
    QTest::keyClick(dialog.Acept, Qt::Key_Return);
    EXPECT_EQ(mm.PrintHeader, "The Elm house");
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PrintTest, HeaderDialogCancelledLeavesOne) {
    for (int way = 0; way < 2; ++way) {
        mm.PrintHeader = "old header";
        PrinterHeaderInput dialog(ctx);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        if (way == 0)
            QTest::mouseClick(dialog.NAcept, Qt::LeftButton);
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(mm.PrintHeader, "1") << way;
    }
}

TEST_F(PrintTest, HeaderDialogPlacesItselfFromTheFrame) {
    for (int frameClass : {6810, 8670}) {
        mm.FrameClass = frameClass;
        PrinterHeaderInput dialog(ctx);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        // 3400, 3000 or 4500, 4000 twips from the frame's corner (here at 0, 0).
        EXPECT_EQ(dialog.pos(), frameClass == 6810 ? QPoint(227, 200) : QPoint(300, 267));
        dialog.reject();
    }
}

// The tables window's "&Print", from the button to the PDF's text.
class TablesPrintTest : public PrintTest {
  protected:
    MortgageCalc& open() {
        mm.TableMode = 1;
        return test::ShowOwned(window, new MortgageCalc(ctx));
    }
    std::unique_ptr<MortgageCalc> window;
};

TEST_F(TablesPrintTest, NothingCalculatedShowsMessageOne) {
    open();
    QTest::mouseClick(window->MPrinter, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{1});
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(TablesPrintTest, CancelledHeaderPrintsNothing) {
    open();
    QTest::mouseClick(window->MCalc, Qt::LeftButton);
    ASSERT_GT(mm.ResultRowCount, 0);
    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<PrinterHeaderInput*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->NAcept->click();
    });
    QTest::mouseClick(window->MPrinter, Qt::LeftButton);
    EXPECT_EQ(mm.PrintHeader, "1");
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(TablesPrintTest, HeaderTypedAsOnePrintsNothing) {
    open();
    window->MCalc->click();
    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<PrinterHeaderInput*>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->InFName, "1");
        dialog->Acept->click();
    });
    window->MPrinter->click();
    EXPECT_EQ(mm.PrintHeader, "1");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(TablesPrintTest, PrintsTheScheduleIntoAPdf) {
    open();
    QTest::mouseClick(window->Option1, Qt::LeftButton);  // "All ": all payments, 300 rows
    QTest::mouseClick(window->MCalc, Qt::LeftButton);
    ASSERT_EQ(mm.ResultRowCount, 301);
    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<PrinterHeaderInput*>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->InFName, "Smith residence");
        dialog->Acept->click();
    });
    QTest::mouseClick(window->MPrinter, Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(PdfPages(pdf), 7);  // 29 + 5 x 46 rows, then the last 41
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Smith residence"));
    EXPECT_TRUE(text.contains("Mortgage Table"));
    // pdftotext lays the columns out with blanks of its own choosing.
    auto has = [&text](const char* pattern) {
        return QRegularExpression(pattern).match(text).hasMatch();
    };
    EXPECT_TRUE(has(R"(\$100,000\.00\s+10\.125%\s+25\s+Monthly\s+Monthly)"));
    EXPECT_TRUE(has(R"(Normal\s+0\.0084375\s+12\.00\s+25\.00\s+\$917\.53\s+\$275,258\.20)"));
    EXPECT_TRUE(has(R"(\n\s*1\s+1\s+843\.75\s+73\.78\s+99,926\.22\s+843\.75\s+73\.78\n)"));
    EXPECT_TRUE(has(R"(\n\s*300\s+25\s+7\.68\s+909\.85\s+\.00\s+175,258\.20\s+100,000\.00\n)"));
    EXPECT_TRUE(text.contains("Page 1"));
    EXPECT_TRUE(text.contains("Page 6"));
    EXPECT_FALSE(text.contains("Page 7"));
    EXPECT_TRUE(text.contains("Total:"));
    QFile::copy(pdf, "/tmp/h6_table.pdf");
}

TEST_F(TablesPrintTest, CourierNewPrintoutKeepsItsFiftySixLinePages) {
    mm.PrinterFontChoice = 1;
    open();
    window->Option1->click();
    window->MCalc->click();
    OnNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<PrinterHeaderInput*>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->InFName, "Courier New 11 point");
        dialog->Acept->click();
    });
    window->MPrinter->click();
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(mm.LinesPerPage, 56);
    EXPECT_EQ(PdfPages(pdf), 7);  // 32 + 5 x 49 rows, then the last 23
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Courier New 11 point"));
    // Page 1 ends after row 32, page 2 starts with row 33.
    EXPECT_TRUE(
        QRegularExpression(R"(\n\s*32\s+3\s[^\n]*\n\s*\n*\s*Page 1)").match(text).hasMatch());
    EXPECT_TRUE(QRegularExpression(R"(\n\s*33\s+3\s+8)").match(text).hasMatch());
    QFile::copy(pdf, "/tmp/h6_table_courier.pdf");
}

TEST_F(PrintTest, CourierPagesRenderIntoThePdf) {
    Printout printout;
    mm.PrinterFontChoice = 1;
    SetPrinterFont(printout, mm);
    printout.line(2, "ABC at column 2");
    printout.line(40, "column 40");
    EndPrintout(printout);
    auto printer = PdfPrinter(pdf);
    ASSERT_TRUE(RenderPrintout(printout.pages(), *printer));
    printer.reset();
    EXPECT_TRUE(PdfText(pdf).contains("ABC at column 2"));
    // Column 40 lies 38 characters right of column 2: 38 x 6.6 points in an 11 point face whose
    // characters are 0.6 em wide.
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(60000);
    const QString boxes = QString::fromUtf8(p.readAllStandardOutput());
    // The left edge of the last occurrence of a word.
    auto xMin = [&boxes](const QString& word) {
        const QRegularExpression re("<word xMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
        double x = -1;
        for (auto it = re.globalMatch(boxes); it.hasNext();) x = it.next().captured(1).toDouble();
        return x;
    };
    EXPECT_NEAR(xMin("column") - xMin("ABC"), 38 * 6.6, 0.5) << boxes.toStdString();
}

}  // namespace
}  // namespace bw
