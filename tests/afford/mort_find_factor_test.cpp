// The affordability window's wiring: what its controls start with and what each of them sets
// off. The figures themselves are checked in the core tests.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

#include "afford/mort_find_factor.h"
#include "reports/qt_printer_backend.h"
#include "shell/mdi_container.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/twips.h"
#include "support/window_context.h"

namespace bw {
namespace {

QString Pad(const char* text, int width) {
    return QString::fromStdString(RightAlign(text, width));
}

class MortFindFactorTest : public ::testing::Test, public test::WindowContext {
  protected:
    void type(QWidget* box, const char* keys) { typeInto(box, QString::fromLatin1(keys)); }
    void leave() {
        w->MFExit->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    static QColor base(QLineEdit* box) { return box->palette().color(QPalette::Base); }

    std::unique_ptr<MortFindFactor> w = openWindow<MortFindFactor>();
};

TEST_F(MortFindFactorTest, OpensWithItsStartValuesAndTheComputedPayment) {
    EXPECT_EQ(frame.frameCaption(), " Mortgage Affordability");
    EXPECT_EQ(w->MFInPrincipal->text(), "   $100,000.00");
    EXPECT_EQ(w->MFInRate->text(), "        6.500%");
    EXPECT_EQ(w->MFInTerm->text(), "              25");
    EXPECT_EQ(w->MFInMthPayment->text(), Pad("$675.21", 16));
    EXPECT_EQ(w->MFTotIntPaid->text(), Pad("$102,562.14", 16));
    EXPECT_EQ(w->MFDaysinYear->text(), "Normal");
    EXPECT_EQ(base(w->MFInMthPayment), QColor(255, 255, 255));
    EXPECT_EQ(base(w->MFInTerm), QColor(255, 255, 0));
    EXPECT_EQ(w->MFCompPeriod->itemText(4), "       Annual");
    EXPECT_FALSE(w->MsgText->isVisible());
    w->grab().save("/tmp/afford_window.png");
}

TEST_F(MortFindFactorTest, ControlsAtTheirPlacesInTabOrderNamedAfterTheirCaptions) {
    const std::tuple<QWidget*, QRect, const char*> rows[] = {
        {w->MFInTerm, {3780, 3105, 1680, 315}, "Amortization period in years"},
        {w->MFInMthPayment, {3800, 3960, 1680, 315}, "Monthly payment. Principal and Interest"},
        {w->MFDaysinYear, {7155, 1395, 690, 315}, "Days in year"},
        {w->MFTotIntSaved, {5985, 2250, 1680, 315}, "Interest saved versus normal mortgage"},
        {w->MsgText, {3600, 5040, 2100, 870}, "Message"},
        {w->MFCalc, {7830, 6000, 1230, 315}, ""},
    };
    for (const auto& [control, twips, name] : rows) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_EQ(control->geometry(),
                  QRect(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())));
        if (*name) {
            EXPECT_EQ(control->accessibleName(), name);
        }
    }
    EXPECT_EQ(w->MFFreqPmt->accessibleName(), "Frequency and type of payment");
    EXPECT_EQ(w->size(), QSize(Px(9480), Px(6360)));
    const std::vector<QWidget*> order = {w->MFCompPeriod, w->MFInPrincipal,  w->MFInRate,
                                         w->MFInTerm,     w->MFInMthPayment, w->MFFreqPmt,
                                         w->MFCalc,       w->MFHelp,         w->Printr,
                                         w->MFShowIRF,    w->MFExit};
    order[0]->setFocus(Qt::TabFocusReason);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
}

TEST_F(MortFindFactorTest, YearsOverFortyGiveTheMessageAndForty) {
    type(w->MFInTerm, "45");
    leave();
    EXPECT_EQ(port.messages, std::vector<int>({Msg::YearsLimit}));
    EXPECT_EQ(w->values()[kMFYears], 40);
    EXPECT_EQ(w->MFInTerm->text(), Pad("40", 16));
}

TEST_F(MortFindFactorTest, OptionButtonsRecolourAndTheNextCalculationSolvesForThem) {
    w->MFTermOpt->click();
    EXPECT_EQ(base(w->MFInTerm), QColor(255, 255, 255));
    EXPECT_EQ(base(w->MFInMthPayment), QColor(255, 255, 0));
    EXPECT_EQ(w->MFInTerm->text(), "              25");
    type(w->MFInMthPayment, "541.67");
    QTest::keyClick(w->MFInMthPayment, Qt::Key_Return);  // leaves for "&Calculate"
    EXPECT_TRUE(w->MsgText->isVisible());
    EXPECT_EQ(w->MsgText->toPlainText(), kAffordPaymentTooSmall);
    EXPECT_EQ(QApplication::focusWidget(), w->MFInMthPayment);
    EXPECT_EQ(w->MFInTerm->text(), "");
    w->grab().save("/tmp/afford_window_message.png");
}

TEST_F(MortFindFactorTest, ListsRefuseTypingAndRecalculateWhenLeft) {
    w->MFFreqPmt->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->MFFreqPmt, Qt::Key_W);
    EXPECT_EQ(port.beeps, 1);
    w->MFFreqPmt->setCurrentIndex(4);
    emit w->MFFreqPmt->activated(4);
    QTest::keyClick(w->MFFreqPmt, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->MFCalc);
    EXPECT_EQ(w->MFPIPmt->text(), Pad("$337.60", 16));
    EXPECT_EQ(mm.PaymentsPerYear, 26);
}

TEST_F(MortFindFactorTest, QuickHelpOpensAndTheNextCalculationClosesIt) {
    w->MFHelp->click();
    EXPECT_EQ(w->MFHelp->text(), "Close &Help");
    EXPECT_TRUE(w->MFTextBox->toPlainText().startsWith("Calculations are automatic"));
    w->grab().save("/tmp/afford_window_help.png");
    w->MFCalc->click();
    EXPECT_FALSE(w->MFTextBox->isVisible());
    EXPECT_EQ(w->MFHelp->text(), "Quick &Help");
}

TEST_F(MortFindFactorTest, DaysInYearReachTheNextBoxLeftWhichKeepsItsValue) {
    w->MFFreqPmt->setCurrentIndex(2);
    test::ModalDriver<QDialog> dialog([](QDialog& d) {
        d.findChild<QRadioButton*>("IRFactor2")->click();  // 364 days
        d.findChild<QPushButton*>("ExitMort")->click();
    });
    w->MFShowIRF->click();
    ASSERT_TRUE(dialog.ran());
    QApplication::setActiveWindow(w.get());
    w->MFInRate->setFocus(Qt::TabFocusReason);
    leave();
    EXPECT_EQ(w->MFDaysinYear->text(), "364");
    EXPECT_EQ(w->values()[kMFRate], 6.5);
    EXPECT_EQ(w->MFInRate->text(), "         6.500%");
}

// Delete marks the box edited: text that still begins with the currency symbol reads 0, while
// a Delete that removed nothing leaves the value as it was.
TEST_F(MortFindFactorTest, DeleteMarksThePrincipalEdited) {
    for (const bool atStart : {false, true}) {
        w->MFInPrincipal->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        w->MFInPrincipal->setCursorPosition(atStart ? 0 : w->MFInPrincipal->text().size());
        QTest::keyClick(w->MFInPrincipal, Qt::Key_Delete);
        EXPECT_EQ(mm.TypingFlag, 1);
        leave();
        EXPECT_EQ(w->values()[kMFPrincipal], atStart ? 0 : 100000);
        EXPECT_EQ(w->MsgText->isVisible(), atStart);
    }
    EXPECT_EQ(w->MsgText->toPlainText(), kAffordMissingEntry);
}

TEST_F(MortFindFactorTest, ExitShowsTheMenu) {
    w->MFExit->click();
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
}

// Inside the real frame: asks first, prints the shrunk window on one page, puts it back.
TEST(MortFindFactorInFrame, PrintsAfterAskingAndReturnsToItsPlace) {
    test::WindowContext c;
    MDIContainer frame(c.mm);
    frame.show();
    AppContext ctx{c.mm, c.port, frame};
    auto* w = new MortFindFactor(ctx);
    frame.showChild(w);
    QApplication::processEvents();
    QMdiSubWindow* sub = frame.subWindowOf(w);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("afford.pdf");
    SetPrintToPdfFile(pdf);
    sub->move(100, 80);
    c.port.answers = {false, true};
    w->Printr->click();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(sub->pos(), QPoint(100, 80));
    w->Printr->click();
    SetPrintToPdfFile(QString());
    EXPECT_EQ(c.port.questions, std::vector<int>(2, Question::ContinuePrintout));
    EXPECT_EQ(test::ReadAll(pdf).substr(0, 4), "%PDF");
    EXPECT_EQ(sub->pos(), frame.placementPixels());
    EXPECT_EQ(w->size(), QSize(Px(9480), Px(6360)));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The picture has the proportions of the shrunk window: no message box, no buttons.
    QProcess render;
    render.start("pdftoppm", {"-r", "40", "-png", "-singlefile", pdf, dir.filePath("page")});
    if (!render.waitForFinished(60000) || render.exitCode() != 0) GTEST_SKIP() << "no pdftoppm";
    const QImage page(dir.filePath("page.png"));
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250) ink |= QRect(x, y, 1, 1);
    EXPECT_NEAR(double(ink.width()) / ink.height(), double(Px(9460)) / Px(5040), 0.06);
}

}  // namespace
}  // namespace bw
