// The affordability window's four number boxes through the shared number-box suite.

#include <QPushButton>

#include "afford/mort_find_factor.h"
#include "support/number_box_suite.h"

namespace bw::test {
namespace {

// Solving for the payment, the principal, rate and years boxes take input; solving for the
// principal, the payment box does.
template <AffordSolve kSolve>
struct AffordBoxes {
    using Window = MortFindFactor;
    static std::unique_ptr<Window> open(WindowContext& c) {
        auto w = c.openWindow<MortFindFactor>();
        if (kSolve == AffordSolve::Principal) w->MFPrincipalOpt->click();
        return w;
    }
    static std::vector<NumberBoxCase> boxes(Window& w) {
        const auto slot = [&w](std::size_t i) { return [&w, i] { return w.values()[i]; }; };
        const NumberBoxRule amount, rate{NumberKind::Decimal, 3, FilterOrder::EmptyFirst},
            years{NumberKind::Digits, 0, FilterOrder::FilterFirst};
        if (kSolve == AffordSolve::Principal)
            return {{"payment", w.MFInMthPayment, w.MFInMthPayment, amount, w.MFCalc, "900", 900,
                     slot(kMFPayment)}};
        return {
            {"principal", w.MFInPrincipal, w.MFInPrincipal, amount, w.MFInRate, "1234.5", 1234.5,
             slot(kMFPrincipal)},
            {"rate", w.MFInRate, w.MFInRate, rate, w.MFInTerm, "7.125", 7.125, slot(kMFRate)},
            {"years", w.MFInTerm, w.MFInTerm, years, w.MFInMthPayment, "30", 30, slot(kMFYears)}};
    }
};

using AffordBoxTypes =
    ::testing::Types<AffordBoxes<AffordSolve::Payment>, AffordBoxes<AffordSolve::Principal>>;
INSTANTIATE_TYPED_TEST_SUITE_P(MortFindFactor, NumberBoxSuite, AffordBoxTypes);

}  // namespace
}  // namespace bw::test
