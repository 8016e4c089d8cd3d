// The planner window's wiring: typed inputs reach the plan and its figures reach the boxes, the
// grids and the chart; plans go through the file dialog and come back whole.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "files/file_info.h"
#include "plan/mort_planner.h"
#include "plan/plan_chart.h"
#include "reports/printer_header_input.h"
#include "shell/ms_grid.h"
#include "support/print_context.h"

namespace bw {
namespace {

class MortPlannerTest : public ::testing::Test, public test::WindowContext {
  protected:
    static void typeCell(QTableWidget* table, int row, int col, const QString& text) {
        table->setFocus(Qt::MouseFocusReason);
        table->setCurrentCell(row, col);
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
    }
    // The renewal example: 300,000 over 25 years, 5 % for 5 years, 6.5 % for 5, then 7 %.
    void typeRenewalExample(MortPlanner& w) {
        typeInto(w.InPrincipal, "300000\n");
        typeInto(w.InYears, "25\n");
        typeInto(w.InRate, "5\n");
        typeInto(w.InTerm, "5\n");
        w.PlanCompounding->setCurrentIndex(3);
        emit w.PlanCompounding->activated(3);
        typeCell(w.Renewals, 0, 0, "5");
        typeCell(w.Renewals, 0, 1, "6.5");
        typeCell(w.Renewals, 1, 1, "7");
    }
    std::unique_ptr<MortPlanner> w = openWindow<MortPlanner>();
};

TEST_F(MortPlannerTest, TypedRenewalExampleShowsEachTermsPaymentAndTheTotals) {
    typeRenewalExample(*w);
    EXPECT_EQ(w->TermPayments->text(), "$1,744.81 / $1,966.19 / $2,027.19");
    EXPECT_EQ(w->TotalInterest->text(), "$287,559.20");
    EXPECT_EQ(w->NumPayments->text(), "300");
    EXPECT_EQ(w->Schedule->rows(), 301);
    EXPECT_EQ(w->Schedule->textAt(60, 8), "265,522.87");
    EXPECT_EQ(w->Terms->textAt(2, 3), "1,966.19");
    EXPECT_EQ(w->Chart->years(), 25);
    EXPECT_EQ(frame.frameCaption(), " Mortgage Planner");
    w->grab().save("/tmp/planner_window.png");
    w->Pages->setCurrentIndex(2);
    w->grab().save("/tmp/planner_chart.png");
}

TEST_F(MortPlannerTest, InputErrorIsShownAndTheResultsEmptied) {
    typeInto(w->InIncrease, "2\n");
    w->PlanAfter->setCurrentIndex(1);
    emit w->PlanAfter->activated(1);
    EXPECT_TRUE(w->MsgText->isVisible());
    EXPECT_TRUE(w->MsgText->toPlainText().startsWith("After lump sums: \"Lower payment\" cannot"));
    EXPECT_EQ(w->TotalInterest->text(), "");
    EXPECT_EQ(w->Schedule->rows(), 1);
}

TEST_F(MortPlannerTest, PlanSavedAndOpenedThroughTheFileDialog) {
    QTemporaryDir dir;
    mm.DialogFolder = dir.path().toStdString() + "/";
    typeRenewalExample(*w);
    const auto choose = [](const char* name) {
        return test::ModalDriver<FileInfo>([name](FileInfo& d) {
            d.TextBox->setText(name);
            d.DlgButton[0]->click();
        });
    };
    {
        auto driver = choose("renewal.kpl");
        w->PSave->click();
    }
    EXPECT_TRUE(QFile::exists(dir.filePath("renewal.kpl")));
    auto other = openWindow<MortPlanner>();
    {
        auto driver = choose("renewal.kpl");
        other->POpen->click();
    }
    EXPECT_EQ(other->TermPayments->text(), w->TermPayments->text());
    EXPECT_EQ(other->Renewals->item(0, 1)->text(), "6.5");
    EXPECT_EQ(mm.FileKind, 0);
}

TEST_F(MortPlannerTest, PrintAsksForTheHeaderThenPrints) {
    test::PrintToPdf printer;
    test::ModalDriver<PrinterHeaderInput> header([](PrinterHeaderInput& d) {
        d.InFName->setText("Renewal at 6.5 %");
        d.Acept->click();
    });
    w->PPrint->click();
    EXPECT_TRUE(header.ran());
    EXPECT_EQ(mm.PrintHeader, "Renewal at 6.5 %");
    EXPECT_GT(QFileInfo(printer.pdf).size(), 1000);
}

}  // namespace
}  // namespace bw
