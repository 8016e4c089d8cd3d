// The term options and the first payment date.

#include "tables/term_and_date.h"

#include <gtest/gtest.h>

#include "shell/dates.h"

namespace bw {
namespace {

TEST(TermChoice, OptionsCaptionsAndTerms) {
    const char* captions[] = {"All Years", "1 Year",  "2 Years", "3 Years",
                              "4 Years",   "5 Years", "10 Years"};
    const std::int16_t terms[] = {0, 1, 2, 3, 4, 5, 10};
    for (int i = 0; i < kTermOptions; ++i) {
        EXPECT_EQ(TermOptionCaption(i), captions[i]);
        EXPECT_EQ(TermForOption(i), terms[i]);
        EXPECT_EQ(TermOptionForTerm(terms[i]), i);
    }
    // Terms no option offers, as a damaged file may hold them, show "All Years".
    EXPECT_EQ(TermOptionForTerm(7), 0);
    EXPECT_EQ(TermOptionForTerm(-2), 0);
}

TEST(TermChoice, ATermLongerThanThePeriodIsRefused) {
    EXPECT_TRUE(TermTooLong(3, 5));
    EXPECT_TRUE(TermTooLong(4.5, 5));  // a 54-month loan
    EXPECT_FALSE(TermTooLong(3, 3));   // equal is accepted
    EXPECT_FALSE(TermTooLong(25, 10));
    EXPECT_FALSE(TermTooLong(0, 0));
}

TEST(FirstPayDate, TypedTextBecomesShortDate) {
    const QDate d(2027, 3, 15);
    const std::string shortText = ShortDateText(d);
    EXPECT_EQ(FirstPayDateFromText(shortText), shortText);
    EXPECT_EQ(FirstPayDateFromText("2027-03-15"), shortText);
    EXPECT_EQ(FirstPayDateBoxText("2027-03-15"), shortText);
}

TEST(FirstPayDate, TextsThatAreNoDate) {
    // 31 February in either order of day and month, and texts that are not dates at all.
    for (const char* t : {"31/02/2027", "02/31/2027", "31/02", "2027-02-31", "", "abc", "13/13/13"})
        EXPECT_FALSE(FirstPayDateFromText(t).has_value()) << t;
    EXPECT_EQ(FirstPayDateBoxText("no date"), "no date");
}

}  // namespace
}  // namespace bw
