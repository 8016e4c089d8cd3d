// The tables window's file commands: "&Open File" and "Sa&ve File".

#include "tables/mortgage_calc.h"

namespace bw {

void MortgageCalc::MLoadFile_Click() {}

void MortgageCalc::MSaveFile_Click() {}

}  // namespace bw
