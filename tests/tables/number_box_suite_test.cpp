// The tables window's three number boxes through the number box suite shared by the calculator
// windows.

#include "support/number_box_suite.h"

#include <QComboBox>
#include <QLineEdit>

#include "tables/mortgage_calc.h"

namespace bw::test {

struct TablesWindowBoxes {
    using Window = MortgageCalc;
    static std::unique_ptr<Window> open(WindowContext& c) {
        c.mm.TableMode = 1;
        return c.openWindow<MortgageCalc>();
    }
    static std::vector<NumberBoxCase> boxes(Window& w) {
        MMODULE& mm = w.context().mm;
        auto input = [&mm](int i) { return [&mm, i] { return mm.LoanInputs[i]; }; };
        const NumberBoxRule money{NumberKind::Decimal, 2, FilterOrder::EmptyFirst};
        const NumberBoxRule rate{NumberKind::Decimal, 3, FilterOrder::EmptyFirst};
        const NumberBoxRule period{NumberKind::Digits, 0, FilterOrder::FilterFirst};
        return {
            {"principal", w.InPrincipal, w.InPrincipal, money, w.InRate, "1234.5", 1234.5,
             input(1)},
            {"rate", w.InRate, w.InRate->lineEdit(), rate, w.InTerm, "6.125", 6.125, input(2)},
            {"period", w.InTerm, w.InTerm->lineEdit(), period, w.Comperiod, "30", 30, input(3)},
        };
    }
};

using TablesWindowBoxTypes = ::testing::Types<TablesWindowBoxes>;
INSTANTIATE_TYPED_TEST_SUITE_P(MortgageCalc, NumberBoxSuite, TablesWindowBoxTypes);

}  // namespace bw::test
