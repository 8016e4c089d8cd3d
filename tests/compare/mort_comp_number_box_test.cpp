// The comparison window's three number boxes through the number-box suite every calculator
// window shares.

#include <QComboBox>
#include <QLineEdit>

#include "compare/mort_comp.h"
#include "support/number_box_suite.h"

namespace bw::test {
namespace {

struct MortCompBoxes {
    using Window = MortComp;
    static inline MMODULE* mm = nullptr;

    static std::unique_ptr<MortComp> open(WindowContext& c) {
        mm = &c.mm;
        return c.openWindow<MortComp>();
    }
    static std::vector<NumberBoxCase> boxes(MortComp& w) {
        const auto input = [](int i) { return [i] { return mm->LoanInputs[i]; }; };
        return {
            {"InPrincipal",
             w.InPrincipal,
             w.InPrincipal,
             {NumberKind::Decimal, 2},
             w.InRate,
             "1234.5",
             1234.5,
             input(1)},
            {"InRate",
             w.InRate,
             w.InRate->lineEdit(),
             {NumberKind::Decimal, 3},
             w.InTerm,
             "7.125",
             7.125,
             input(2)},
            {"InTerm",
             w.InTerm,
             w.InTerm->lineEdit(),
             {NumberKind::Digits, 0},
             w.ComPeriod,
             "30",
             30,
             input(3)},
        };
    }
};

using MortCompBoxTypes = ::testing::Types<MortCompBoxes>;
INSTANTIATE_TYPED_TEST_SUITE_P(MortComp, NumberBoxSuite, MortCompBoxTypes);

}  // namespace
}  // namespace bw::test
