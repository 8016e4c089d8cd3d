// The tables window's commands that open dialogs: additional payments, days in year, term and the
// payment-date toggle.

#include "tables/mortgage_calc.h"

namespace bw {

void MortgageCalc::MAddPrePay_Click() {}

void MortgageCalc::MShowIRF_Click() {}

void MortgageCalc::MTerm_Click() {}

void MortgageCalc::MDateNumber_Click() {}

}  // namespace bw
