// The file dialog's rules for a typed name: the kind's extension, the folder typed with it, and
// what "&Open" and "&Save" make of it.

#include <gtest/gtest.h>

#include "files/file_names.h"

namespace bw {
namespace {

TEST(FileNames, KindsAndExtensions) {
    EXPECT_STREQ(FileKindOf(2).typeText, "Loan Database (*.kld)");
    EXPECT_STREQ(FileKindOf(3).missing, "Must use .KCD");
    EXPECT_STREQ(FileKindOf(0).pattern, "*.kmd");
    EXPECT_STREQ(FileKindOf(4).typeText, "Plan Database (*.kpl)");
    EXPECT_STREQ(FileKindOf(4).missing, "Must use .KPL");
    EXPECT_STREQ(FileKindOf(5).extension, ".KMD");
    // The extension starts at the first point of the name: loan1.old.kmd is refused.
    const std::pair<const char*, const char*> extensions[] = {
        {"loan1", ""},     {"loan1.kmd", ".KMD"},        {"loan1.old.kmd", ".OLD.KMD"},
        {"*.kmd", ".KMD"}, {"my.dir/Loan1.Kld", ".KLD"}, {"", ""}};
    for (const auto& [typed, extension] : extensions)
        EXPECT_EQ(TypedExtension(typed), extension) << typed;
    EXPECT_TRUE(MatchesPattern("HOUSE.KMD", "*.kmd"));
    EXPECT_TRUE(MatchesPattern("loan1.kmd", "loan?.kmd"));
    EXPECT_FALSE(MatchesPattern("loan12.kmd", "loan?.kmd"));
    EXPECT_FALSE(MatchesPattern("house.kmd.bak", "*.kmd"));
    EXPECT_TRUE(MatchesPattern("x.old", "*.kmd;*.old"));
}

TEST(FileNames, WhatOpenAndSaveMakeOfATypedName) {
    using O = TypedNameOutcome;
    struct Case {
        const char* typed;
        bool saving, listed;
        const char *folder, *name;
        O outcome;
    };
    const Case cases[] = {
        {"NEW.KMD", true, false, "", "NEW.KMD", O::SaveNew},
        {"sub/inner.kmd", true, true, "sub", "inner.kmd", O::SaveOver},
        {"/x.kmd", false, false, "/", "x.kmd", O::ResetPattern},
        {"D/TABLES/OLD.KMD", false, false, "D/TABLES", "OLD.KMD", O::ResetPattern},
        {"o*.KMD", false, false, "", "o*.KMD", O::ApplyPattern},
        {"a/loan?.kmd", true, false, "a", "loan?.kmd", O::ApplyPattern},
    };
    for (const Case& c : cases) {
        const TypedName t = SplitTypedName(c.typed);
        EXPECT_EQ(t.folder, c.folder) << c.typed;
        EXPECT_EQ(t.name, c.name) << c.typed;
        EXPECT_EQ(OutcomeOfTypedName(t, c.saving, c.listed), c.outcome) << c.typed;
    }
}

}  // namespace
}  // namespace bw
