// The tables window's print and graph commands: "&Print" and "&Show Graph".

#include "tables/mortgage_calc.h"

namespace bw {

void MortgageCalc::MPrinter_Click() {}

void MortgageCalc::MGraphs_Click() {}

}  // namespace bw
