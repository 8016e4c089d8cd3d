// The comparison window's dialogs: additional payments and days in year. They read and write
// the shared values themselves; nothing is recalculated when they close.

#include "compare/mort_comp.h"

#if __has_include("tables/mort_pre_pay.h") && __has_include("tables/mort_irf_table.h")
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"
#define BW_HAVE_TABLES_DIALOGS 1
#endif

namespace bw {

void MortComp::MCAddPrePay_Click() {
    commitPendingInput();
    closeQuickHelp();
    ctx_.mm.TypingFlag = 0;
#ifdef BW_HAVE_TABLES_DIALOGS
    MortPrePay dialog(ctx_, ctx_.frame.dialogParent());
    dialog.exec();
#endif
}

void MortComp::MCShowIRF_Click() {
    commitPendingInput();
#ifdef BW_HAVE_TABLES_DIALOGS
    MortIRFTable dialog(ctx_, ctx_.frame.dialogParent());
    dialog.exec();
#endif
}

}  // namespace bw
