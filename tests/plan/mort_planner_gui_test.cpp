// The planner window's wiring: typed inputs reach the plan and its figures reach the boxes, the
// grids and the chart; plans go through the file dialog and the printer. (The figures themselves:
// plan_engine_test and plan_printout_test.)

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>

#include "files/file_info.h"
#include "plan/mort_planner.h"
#include "plan/plan_chart.h"
#include "reports/printer_header_input.h"
#include "shell/ms_grid.h"
#include "support/print_context.h"

namespace bw::test {
namespace {

class MortPlannerTest : public ::testing::Test, public PrintContext {
  protected:
    // The renewal example: 300,000 over 25 years, 5 % for 5 years, 6.5 % for 5, then 7 %.
    MortPlannerTest() {
        typeInto(w->InPrincipal, "300000\n");
        typeInto(w->InYears, "25\n");
        typeInto(w->InRate, "5\n");
        typeInto(w->InTerm, "5\n");
        w->PlanCompounding->setCurrentIndex(3);
        emit w->PlanCompounding->activated(3);
        for (const auto& [row, col, text] : {std::tuple{0, 0, "5"}, {0, 1, "6.5"}, {1, 1, "7"}}) {
            w->Renewals->setFocus(Qt::MouseFocusReason);
            w->Renewals->setCurrentCell(row, col);
            pressKey(w->Renewals, Qt::Key_F2);
            typeKeys(QApplication::focusWidget(), QString(text) + "\n");
            QApplication::processEvents();
        }
    }
    std::unique_ptr<MortPlanner> w = openWindow<MortPlanner>();
};

TEST_F(MortPlannerTest, TypedRenewalExampleFillsBoxesGridsAndChart) {
    EXPECT_EQ(std::tuple(w->TermPayments->text(), w->Schedule->textAt(60, 8),
                         w->Terms->textAt(2, 3), w->Chart->years()),
              std::tuple("$1,744.81 / $1,966.19 / $2,027.19", "265,522.87", "1,966.19", 25));
    w->grab().save("/tmp/planner_window.png");
}

TEST_F(MortPlannerTest, InputErrorIsShownAndTheResultsEmptied) {
    typeInto(w->InIncrease, "2\n");
    w->PlanAfter->setCurrentIndex(1);
    emit w->PlanAfter->activated(1);
    EXPECT_TRUE(w->MsgText->toPlainText().startsWith("After lump sums: \"Lower payment\" cannot"));
    EXPECT_EQ(std::tuple(w->TotalInterest->text(), w->Schedule->rows()), std::tuple("", 1));
}

TEST_F(MortPlannerTest, PlanSavedAndOpenedThroughTheFileDialog) {
    mm.DialogFolder = dir.path().toStdString() + "/";
    ModalDriver<FileInfo> chooser(
        [](FileInfo& d) {
            d.TextBox->setText("renewal.kpl");
            d.DlgButton[0]->click();
        },
        true);
    w->PSave->click();
    auto other = openWindow<MortPlanner>();
    other->POpen->click();
    EXPECT_EQ(other->TermPayments->text(), w->TermPayments->text());
    EXPECT_EQ(other->Renewals->item(0, 1)->text(), "6.5");
}

TEST_F(MortPlannerTest, PrintAsksForTheHeaderThenPrints) {
    ModalDriver<PrinterHeaderInput> header([](PrinterHeaderInput& d) {
        d.InFName->setText("Renewal at 6.5 %");
        d.Acept->click();
    });
    w->PPrint->click();
    EXPECT_EQ(mm.PrintHeader, "Renewal at 6.5 %");
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

}  // namespace
}  // namespace bw::test
