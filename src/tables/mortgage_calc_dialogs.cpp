// The tables window's commands that open dialogs: additional payments, days in year, term and the
// payment-date toggle. The dialogs write the shared state; nothing is recalculated here, the
// next "&Calculate" shows the effect.

#include <QPushButton>

#include "tables/m_sel_term.h"
#include "tables/mort_date_input.h"
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"
#include "tables/mortgage_calc.h"

namespace bw {

namespace {
const QString kViewDates = QStringLiteral("&View payment date");
const QString kViewNumbers = QStringLiteral("&View payment No.");
}  // namespace

void MortgageCalc::MAddPrePay_Click() {
    // The results go first (the quick-help panel stays open over the grid if it is open).
    reset();
    ctx_.mm.TypingFlag = 0;
    MortPrePay dialog(ctx_);
    dialog.exec();
}

void MortgageCalc::MShowIRF_Click() {
    {
        MortIRFTable dialog(ctx_);
        dialog.exec();
    }
    reset();
    ctx_.mm.TypingFlag = 0;
}

void MortgageCalc::MTerm_Click() {
    {
        MSelTerm dialog(ctx_);
        dialog.exec();
    }
    reset();
    // No box was edited: the next box left must not take its text again as if it had been
    // typed (the principal box's text starts with the currency symbol, which reads as 0).
    ctx_.mm.TypingFlag = 0;
}

void MortgageCalc::MDateNumber_Click() {
    MMODULE& mm = ctx_.mm;
    reset();
    if (MDateNumber->text() == kViewDates) {
        MDateNumber->setText(kViewNumbers);
        mm.DateMode = 1;
        MortDateInput dialog(ctx_);
        dialog.exec();
    } else {
        MDateNumber->setText(kViewDates);
        mm.DateMode = 0;
    }
    mm.TypingFlag = 0;
}

}  // namespace bw
