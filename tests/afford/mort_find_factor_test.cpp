// The affordability window driven through its controls: keys, clicks, focus changes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

#include "afford/mort_find_factor.h"
#include "shell/mdi_container.h"
#include "shell/number_format.h"
#include "shell/twips.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"

#if __has_include("reports/qt_printer_backend.h")
#include "reports/qt_printer_backend.h"
#define BW_TEST_PRINTING 1
#endif

namespace bw {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

QString Pad(const std::string& text, int width) {
    return QString::fromStdString(RightAlign(text, width));
}

// The normal monthly payment, computed here from the annuity formula with the rate held in
// single precision.
double MonthlyPayment(double principal, double ratePercent, double years, int m = 12) {
    const double j = static_cast<float>(ratePercent / 100);
    const double i = std::pow(1 + j / m, m / 12.0) - 1;
    return principal * i / (1 - std::pow(1 + i, -12 * years));
}

std::string Amount(double v) {
    return "$" + FormatNumber(v, "####,,###.00");
}

class MortFindFactorTest : public ::testing::Test {
  protected:
    void SetUp() override { mm.CurrencySymbol = "$"; }

    void open() {
        w = std::make_unique<MortFindFactor>(ctx);
        frame.showChild(w.get());
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    // Gives a control the focus as a Tab would, and lets the queued selection run.
    void focus(QWidget* control) {
        control->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void type(QWidget* control, const char* keys) {
        focus(control);
        QTest::keyClicks(control, keys);
    }
    // Leaves the focused control the way a click on "&Calculate"'s neighbour would.
    void leave() {
        w->MFExit->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    QColor base(QLineEdit* box) { return box->palette().color(QPalette::Base); }

    MMODULE mm;
    test::RecordingMessagePort port{&mm};
    test::TestFrame frame;
    AppContext ctx{mm, port, frame};
    std::unique_ptr<MortFindFactor> w;
};

TEST_F(MortFindFactorTest, OpensWithItsStartValuesAndTheComputedPayment) {
    mm.DaysOption = 2;
    mm.DaysInYear = 364;
    mm.BiWeeklyPeriods = 26;
    mm.WeeklyPeriods = 52;
    mm.TypingFlag = 1;
    open();
    EXPECT_EQ(frame.frameCaption(), " Mortgage Affordability");
    EXPECT_EQ(w->MFInPrincipal->text(), "   $100,000.00");
    EXPECT_EQ(w->MFInRate->text(), "        6.500%");
    EXPECT_EQ(w->MFInTerm->text(), "              25");
    EXPECT_EQ(w->MFInMthPayment->text(), Pad("$675.21", 16));
    EXPECT_EQ(w->TotalPmts->text(), " $102,562.14");
    EXPECT_EQ(w->MFNumPmts->text(), "      12");
    EXPECT_EQ(w->MFNumYrs->text(), Pad("25.00", 16));
    EXPECT_EQ(w->MFDaysinYear->text(), "Normal");
    EXPECT_EQ(w->MFTotIntSaved->text(), Pad("$.00", 18));
    EXPECT_EQ(w->MFTotIntPaid->text(), Pad("$102,562.14", 16));
    EXPECT_TRUE(w->MFPaymentOpt->isChecked());
    EXPECT_EQ(base(w->MFInMthPayment), kWhite);
    for (QLineEdit* b : {w->MFInPrincipal, w->MFInRate, w->MFInTerm}) EXPECT_EQ(base(b), kYellow);
    EXPECT_FALSE(w->MsgText->isVisible());
    EXPECT_FALSE(w->MFTextBox->isVisible());
    EXPECT_EQ(mm.TypingFlag, 0);
    // The days in year are back at 365.
    EXPECT_EQ(mm.DaysOption, 1);
    EXPECT_EQ(mm.DaysInYear, 365.0f);
    EXPECT_EQ(mm.BiWeeklyPeriods, 26.07142857);
    EXPECT_EQ(mm.WeeklyPeriods, 52.14285714);
    EXPECT_EQ(w->values()[kMFPayment], w->lastResult().values[kMFPayment]);

    QStringList comp, freq;
    for (int i = 0; i < w->MFCompPeriod->count(); ++i) comp << w->MFCompPeriod->itemText(i);
    for (int i = 0; i < w->MFFreqPmt->count(); ++i) freq << w->MFFreqPmt->itemText(i);
    EXPECT_EQ(comp, QStringList({"      Monthly", "    Bimonthly", "    Quarterly", "   Semiannual",
                                 "       Annual"}));
    EXPECT_EQ(freq, QStringList({"      Monthly", "  Semimonthly", "      2 Weeks", "      1 Week",
                                 " Biweekly(Acc)", "   Weekly(Acc)"}));
    EXPECT_EQ(w->MFCompPeriod->currentText(), "      Monthly");
    EXPECT_EQ(w->MFFreqPmt->currentText(), "      Monthly");
    w->grab().save("/tmp/afford_window.png");
}

TEST_F(MortFindFactorTest, ControlsAtTheirPlaces) {
    open();
    struct Row {
        const char* name;
        int left, top, width, height;
    };
    const Row rows[] = {
        {"Label7", 990, 90, 2535, 4920},           {"MFPrincipalOpt", 1170, 1395, 2250, 315},
        {"MFTermOpt", 1170, 3105, 2250, 315},      {"MFPaymentOpt", 1170, 3960, 2250, 315},
        {"Label6", 3600, 90, 2100, 825},           {"MFInPrincipal", 3800, 1395, 1680, 315},
        {"MFInRate", 3800, 2250, 1680, 315},       {"MFInTerm", 3780, 3105, 1680, 315},
        {"MFInMthPayment", 3800, 3960, 1680, 315}, {"TotalPmts", 3800, 4635, 1680, 315},
        {"MFNumPmts", 6030, 1395, 870, 315},       {"MFDaysinYear", 7155, 1395, 690, 315},
        {"MFTotIntSaved", 5985, 2250, 1680, 315},  {"MFNumYrs", 5985, 3105, 1680, 315},
        {"MFPIPmt", 5985, 3960, 1680, 315},        {"MFTotIntPaid", 5985, 4635, 1680, 315},
        {"MFTextBox", 0, 5040, 9450, 870},         {"MsgText", 3600, 5040, 2100, 870},
        {"MFExit", 360, 6000, 1230, 315},          {"MFShowIRF", 2070, 6000, 1545, 315},
        {"Printr", 4140, 6000, 1050, 315},         {"MFHelp", 5895, 6000, 1365, 315},
        {"MFCalc", 7830, 6000, 1230, 315},
    };
    for (const Row& row : rows) {
        auto* c = w->findChild<QWidget*>(row.name);
        ASSERT_NE(c, nullptr) << row.name;
        EXPECT_EQ(c->geometry(), QRect(Px(row.left), Px(row.top), Px(row.width), Px(row.height)))
            << row.name;
    }
    EXPECT_EQ(w->size(), QSize(Px(9480), Px(6360)));
    EXPECT_EQ(w->MFCompPeriod->pos(), QPoint(Px(3795), Px(540)));
    EXPECT_EQ(w->MFFreqPmt->pos(), QPoint(Px(5985), Px(540)));
    EXPECT_EQ(w->Label1->text(), " Principal amount of       the mortgage.");
    EXPECT_EQ(w->Label12->text(), " Each payment.              Principal and Interest.");
    EXPECT_EQ(w->MFShowIRF->text(), "&Days in Year");
    EXPECT_EQ(w->MFDaysinYear->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w->TotalPmts->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(w->Label7->palette().color(QPalette::Window), QColor(0, 255, 255));

    // The tab order.
    const std::vector<QWidget*> order = {w->MFCompPeriod, w->MFInPrincipal,  w->MFInRate,
                                         w->MFInTerm,     w->MFInMthPayment, w->MFFreqPmt,
                                         w->MFCalc,       w->MFHelp,         w->Printr,
                                         w->MFShowIRF,    w->MFExit};
    focus(order[0]);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(MortFindFactorTest, DefaultCompoundingAnnual) {
    mm.DefaultCompounding = 4;
    open();
    EXPECT_EQ(w->MFCompPeriod->currentText(), "       Annual");
    EXPECT_EQ(w->MFInMthPayment->text(), Pad(Amount(MonthlyPayment(100000, 6.5, 25, 1)), 16));
    EXPECT_NE(w->MFInMthPayment->text(), Pad("$675.21", 16));
}

TEST_F(MortFindFactorTest, OptionButtonsChangeTheColoursOnly) {
    open();
    const QString payment = w->MFInMthPayment->text();
    w->MFPrincipalOpt->click();
    EXPECT_EQ(base(w->MFInPrincipal), kWhite);
    for (QLineEdit* b : {w->MFInRate, w->MFInTerm, w->MFInMthPayment}) EXPECT_EQ(base(b), kYellow);
    EXPECT_EQ(w->MFInPrincipal->text(), "   $100,000.00");
    EXPECT_EQ(w->MFInMthPayment->text(), payment);
    EXPECT_EQ(mm.TypingFlag, 0);

    // The next calculation solves for the principal, from the unshortened payment.
    w->MFCalc->click();
    EXPECT_EQ(w->MFInPrincipal->text(), Pad("$100,000.00", 16));

    w->MFTermOpt->click();
    EXPECT_EQ(base(w->MFInTerm), kWhite);
    EXPECT_EQ(base(w->MFInPrincipal), kYellow);
    EXPECT_EQ(base(w->MFInMthPayment), kYellow);
    EXPECT_EQ(base(w->MFInRate), kYellow);
}

TEST_F(MortFindFactorTest, TypedBoxesFilterKeysAndRecalculateOnLeaving) {
    open();
    type(w->MFInPrincipal, "200000");
    EXPECT_EQ(w->MFInPrincipal->text(), "200000");  // the first key replaced the whole text
    EXPECT_EQ(mm.TypingFlag, 1);
    leave();
    EXPECT_EQ(w->MFInPrincipal->text(), Pad("$200,000.00", 16));
    EXPECT_EQ(w->MFInMthPayment->text(), Pad(Amount(MonthlyPayment(200000, 6.5, 25)), 16));
    EXPECT_EQ(w->MFInMthPayment->text(), Pad("$1,350.41", 16));
    EXPECT_EQ(mm.TypingFlag, 0);

    // Amounts longer than their box are shown whole, typed or computed.
    type(w->MFInPrincipal, "1000000000000");
    leave();
    EXPECT_EQ(w->MFInPrincipal->text(), "$1,000,000,000,000.00");
    EXPECT_EQ(w->MFInMthPayment->text(),
              QString::fromStdString(Amount(MonthlyPayment(1e12, 6.5, 25))));
    EXPECT_TRUE(w->TotalPmts->text().startsWith("$1,025,621,439,"));
    w->grab().save("/tmp/afford_long_amounts.png");
    type(w->MFInPrincipal, "200000");
    leave();

    // The rate box takes three decimals and shows "###.000" in 14 characters and "%".
    type(w->MFInRate, "7.1255");
    EXPECT_EQ(w->MFInRate->text(), "7.125");
    EXPECT_GE(port.beeps, 1);
    leave();
    EXPECT_EQ(w->MFInRate->text(), Pad("7.125", 14) + "%");
    EXPECT_EQ(w->MFInMthPayment->text(), Pad(Amount(MonthlyPayment(200000, 7.125, 25)), 16));

    // Only digits and one point with two decimals get into the money boxes.
    const int before = port.beeps;
    type(w->MFInPrincipal, "12a,-3.456");
    EXPECT_EQ(w->MFInPrincipal->text(), "123.45");
    EXPECT_EQ(port.beeps - before, 4);  // a , - and the third decimal
    type(w->MFInMthPayment, "");
    QTest::keyClicks(w->MFInMthPayment, "x");  // refused, yet the first key empties the box
    EXPECT_EQ(w->MFInMthPayment->text(), "");
}

TEST_F(MortFindFactorTest, AccessKeyReadsTheEditedBoxFirst) {
    open();
    type(w->MFInPrincipal, "50000");
    QTest::keyClick(w->MFInPrincipal, Qt::Key_C, Qt::AltModifier);
    // A button's access key presses it a moment later, after taking the focus.
    QTest::qWait(300);
    EXPECT_EQ(QApplication::focusWidget(), w->MFCalc);
    EXPECT_EQ(w->values()[kMFPrincipal], 50000);
    EXPECT_EQ(w->MFInPrincipal->text(), Pad("$50,000.00", 16));
    EXPECT_EQ(w->MFInMthPayment->text(), Pad(Amount(MonthlyPayment(50000, 6.5, 25)), 16));
}

TEST_F(MortFindFactorTest, EnterInThePaymentBoxRecalculatesAndMovesToCalculate) {
    open();
    w->MFPrincipalOpt->click();
    type(w->MFInMthPayment, "675.21");
    QTest::keyClick(w->MFInMthPayment, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w->MFCalc);
    EXPECT_EQ(w->MFInMthPayment->text(), Pad("$675.21", 16));
    EXPECT_EQ(w->MFInPrincipal->text(), Pad("$100,000.42", 16));
    // Enter moves along the boxes without calculating.
    focus(w->MFInPrincipal);
    QTest::keyClick(w->MFInPrincipal, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->MFInRate);
    QTest::keyClick(w->MFInRate, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->MFInTerm);
    QTest::keyClick(w->MFInTerm, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->MFInMthPayment);
}

TEST_F(MortFindFactorTest, YearsOverFortyGiveMessage5AndFortyYears) {
    open();
    type(w->MFInTerm, "45");
    leave();
    EXPECT_EQ(port.messages, std::vector<int>({5}));
    EXPECT_EQ(w->MFInTerm->text(), Pad("40", 16));
    EXPECT_EQ(w->values()[kMFYears], 40);
    EXPECT_EQ(w->MFInMthPayment->text(), Pad(Amount(MonthlyPayment(100000, 6.5, 40)), 16));

    // 40 itself is allowed; the years box takes whole years only.
    type(w->MFInTerm, "4.0");
    EXPECT_EQ(w->MFInTerm->text(), "40");
    leave();
    EXPECT_EQ(port.messages.size(), 1u);
}

TEST_F(MortFindFactorTest, DeleteInAFormattedPrincipalReadsZero) {
    open();
    focus(w->MFInPrincipal);
    w->MFInPrincipal->deselect();
    w->MFInPrincipal->setCursorPosition(0);
    QTest::keyClick(w->MFInPrincipal, Qt::Key_Delete);
    EXPECT_EQ(w->MFInPrincipal->text(), "  $100,000.00");
    EXPECT_EQ(mm.TypingFlag, 1);
    leave();
    EXPECT_EQ(w->values()[kMFPrincipal], 0);
    EXPECT_EQ(w->MFInPrincipal->text(), Pad("$.00", 16));
    EXPECT_TRUE(w->MsgText->isVisible());
    EXPECT_EQ(w->MsgText->toPlainText(),
              "Check for a missing entry in yellow input boxes and replace it.");
    EXPECT_EQ(w->MFInMthPayment->text(), "");
    for (QLabel* l :
         {w->TotalPmts, w->MFNumPmts, w->MFNumYrs, w->MFPIPmt, w->MFTotIntSaved, w->MFTotIntPaid})
        EXPECT_EQ(l->text(), "");
    w->grab().save("/tmp/afford_window_message.png");
}

TEST_F(MortFindFactorTest, YearsWithTooSmallAPayment) {
    open();
    w->MFTermOpt->click();
    type(w->MFInMthPayment, "700");
    leave();
    EXPECT_EQ(w->MFInTerm->text(), Pad("22.93", 16));
    EXPECT_FALSE(w->MsgText->isVisible());

    type(w->MFInMthPayment, "541.67");
    leave();
    EXPECT_TRUE(w->MsgText->isVisible());
    EXPECT_EQ(w->MsgText->toPlainText(),
              "Payment is too small, repayment would take over 40 years.");
    EXPECT_EQ(QApplication::focusWidget(), w->MFInMthPayment);
    EXPECT_EQ(w->MFInTerm->text(), "");
    EXPECT_EQ(w->values()[kMFYears], 0);

    // The next good calculation hides the message again.
    type(w->MFInMthPayment, "700");
    leave();
    EXPECT_FALSE(w->MsgText->isVisible());
    EXPECT_EQ(w->MFInTerm->text(), Pad("22.93", 16));
}

TEST_F(MortFindFactorTest, ListsRecalculateWhenLeftAndRefuseTyping) {
    open();
    focus(w->MFFreqPmt);
    const int beeps = port.beeps;
    QTest::keyClick(w->MFFreqPmt, Qt::Key_W);
    EXPECT_EQ(port.beeps, beeps + 1);
    EXPECT_EQ(w->MFFreqPmt->currentText(), "      Monthly");
    w->MFFreqPmt->setCurrentIndex(4);
    emit w->MFFreqPmt->activated(4);
    EXPECT_EQ(mm.TypingFlag, 1);
    QTest::keyClick(w->MFFreqPmt, Qt::Key_Return);  // Enter moves on to "&Calculate"
    EXPECT_EQ(QApplication::focusWidget(), w->MFCalc);
    EXPECT_EQ(w->MFPIPmt->text(), Pad("$337.60", 16));
    EXPECT_EQ(w->MFNumYrs->text(), Pad("20.68", 16));
    EXPECT_EQ(w->MFTotIntPaid->text(), Pad("$81,557.27", 16));
    EXPECT_EQ(w->MFTotIntSaved->text(), Pad("$21,004.87", 16));
    EXPECT_EQ(w->MFDaysinYear->text(), "365");
    EXPECT_EQ(mm.PaymentsPerYear, 26);
    EXPECT_EQ(mm.FrequencyKind, 2);
    EXPECT_EQ(mm.TypingFlag, 0);

    // The days of the days-in-year setting reach the next calculation.
    mm.DaysInYear = 365.25f;
    mm.BiWeeklyPeriods = 26.08928571;
    w->MFCalc->click();
    EXPECT_EQ(w->MFDaysinYear->text(), "365.25");
}

TEST_F(MortFindFactorTest, QuickHelpOpensAndCloses) {
    open();
    w->MFHelp->click();
    EXPECT_EQ(w->MFHelp->text(), "Close &Help");
    EXPECT_TRUE(w->MFTextBox->isVisible());
    EXPECT_EQ(mm.HelpShown, 1);
    const QString help = w->MFTextBox->toPlainText();
    EXPECT_TRUE(help.startsWith("Calculations are automatic, change the values in any yellow"));
    EXPECT_EQ(help.count("\n\n"), 4);
    w->grab().save("/tmp/afford_window_help.png");
    w->MFHelp->click();
    EXPECT_EQ(w->MFHelp->text(), "Quick &Help");
    EXPECT_FALSE(w->MFTextBox->isVisible());
    EXPECT_EQ(mm.HelpShown, 0);

    // Typing while the help is open keeps it; the calculation on leaving closes it.
    w->MFHelp->click();
    type(w->MFInPrincipal, "150000");
    EXPECT_TRUE(w->MFTextBox->isVisible());
    leave();
    EXPECT_FALSE(w->MFTextBox->isVisible());
    EXPECT_EQ(w->MFHelp->text(), "Quick &Help");
    EXPECT_EQ(w->MFInPrincipal->text(), Pad("$150,000.00", 16));
}

TEST_F(MortFindFactorTest, DaysInYearChangesTheNextCalculation) {
    open();
    w->MFFreqPmt->setCurrentIndex(2);  // "      2 Weeks"
    w->MFCalc->click();
    EXPECT_EQ(w->MFDaysinYear->text(), "365");
    const QString at365 = w->MFTotIntPaid->text();
    bool opened = false;
    // In the dialog: "364", then "E&xit".
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        opened = true;
        if (auto* option = modal->findChild<QRadioButton*>("IRFactor2")) {
            option->setFocus();
            option->click();
        }
        if (auto* exit = modal->findChild<QPushButton*>("ExitMort")) exit->click();
        if (modal->isVisible()) modal->close();
    });
    w->MFShowIRF->click();
    EXPECT_EQ(mm.TypingFlag, 1);
#if __has_include("tables/mort_irf_table.h")
    EXPECT_TRUE(opened);
    EXPECT_EQ(mm.DaysInYear, 364.0f);
    EXPECT_EQ(mm.BiWeeklyPeriods, 26.0);
    // Leaving the next box recalculates with the new days.
    // (the offscreen platform does not give the window back its activation by itself)
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    focus(w->MFInRate);
    leave();
    EXPECT_EQ(w->MFDaysinYear->text(), "364");
    EXPECT_NE(w->MFTotIntPaid->text(), at365);
#endif
}

TEST_F(MortFindFactorTest, ExitShowsTheMenu) {
    open();
    w->MFExit->click();
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
}

#ifdef BW_TEST_PRINTING
TEST_F(MortFindFactorTest, PrintoutAsksFirstAndPrintsOnePage) {
    open();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("afford.pdf");
    SetPrintToPdfFile(pdf);
    w->move(50, 60);

    port.answers = {false};
    w->Printr->click();
    EXPECT_EQ(port.questions, std::vector<int>({1}));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(w->pos(), QPoint(50, 60));

    port.answers = {true};
    w->Printr->click();
    EXPECT_EQ(port.questions, std::vector<int>({1, 1}));
    ASSERT_TRUE(QFile::exists(pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
    EXPECT_EQ(w->size(), QSize(Px(9480), Px(6360)));
    EXPECT_EQ(w->pos(), QPoint(Px(-60), Px(-30)));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    if (qEnvironmentVariableIsSet("BW_KEEP_PDF")) QFile::copy(pdf, "/tmp/afford_print.pdf");
    // The picture on the page has the proportions of the shrunk window: the panels without the
    // message box and the buttons.
    QProcess render;
    render.start("pdftoppm", {"-r", "40", "-png", "-singlefile", pdf, dir.filePath("page")});
    if (render.waitForFinished(60000) && render.exitCode() == 0) {
        const QImage page(dir.filePath("page.png"));
        ASSERT_FALSE(page.isNull());
        QRect box;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 250) box |= QRect(x, y, 1, 1);
        const double ratio = double(box.width()) / box.height();
        EXPECT_NEAR(ratio, double(Px(9460)) / Px(5040), 0.06) << box.width() << "x" << box.height();
    } else {
        GTEST_LOG_(INFO) << "pdftoppm not available: page proportions not checked";
    }

    // A printout that cannot be written still gives the window its size and place back.
    SetPrintToPdfFile("/nonexistent-folder/x/afford.pdf");
    mm.FrameClass = 8670;
    port.answers = {true};
    w->Printr->click();
    EXPECT_EQ(w->size(), QSize(Px(9480), Px(6360)));
    EXPECT_EQ(w->pos(), QPoint(Px(1000), Px(1000)));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    SetPrintToPdfFile(QString());
}

// Inside the real frame: the MDI child window is put back at the standard place after printing.
TEST(MortFindFactorInFrame, PrintsAndReturnsToItsPlace) {
    MMODULE mm;
    mm.CurrencySymbol = "$";
    test::RecordingMessagePort port(&mm);
    MDIContainer frame(mm);
    frame.resize(Px(MDIContainer::kStartWidth), Px(MDIContainer::kStartHeight));
    frame.show();
    AppContext ctx{mm, port, frame};
    auto* w = new MortFindFactor(ctx);
    frame.showChild(w);
    QApplication::processEvents();
    QMdiSubWindow* sub = frame.subWindowOf(w);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(frame.frameCaption(), " Mortgage Affordability");
    EXPECT_EQ(sub->pos(), frame.placementPixels());
    EXPECT_EQ(w->size(), QSize(Px(9480), Px(6360)));
    frame.grab().save("/tmp/afford_frame.png");

    QTemporaryDir dir;
    const QString pdf = dir.filePath("frame.pdf");
    SetPrintToPdfFile(pdf);
    sub->move(100, 80);
    port.answers = {true};
    w->Printr->click();
    SetPrintToPdfFile(QString());
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(sub->pos(), frame.placementPixels());
    EXPECT_EQ(w->size(), QSize(Px(9480), Px(6360)));

    w->MFExit->click();
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
}
#endif

}  // namespace
}  // namespace bw
