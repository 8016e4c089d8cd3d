// The file dialog's rules for a typed name: the kind's extension, the folder typed with it, and
// what "&Open" and "&Save" make of it.

#include <gtest/gtest.h>

#include "files/file_names.h"

namespace bw {
namespace {

TEST(FileNames, KindsAndExtensions) {
    EXPECT_EQ(std::string(FileKindOf(2).typeText) + "|" + FileKindOf(3).missing + "|" +
                  FileKindOf(0).pattern + "|" + FileKindOf(4).typeText + "|" +
                  FileKindOf(4).missing + "|" + FileKindOf(5).extension,
              "Loan Database (*.kld)|Must use .KCD|*.kmd|Plan Database (*.kpl)|Must use .KPL|.KMD");
    // The extension starts at the first point of the name: loan1.old.kmd is refused.
    const std::pair<const char*, const char*> extensions[] = {
        {"loan1", ""},     {"loan1.kmd", ".KMD"},        {"loan1.old.kmd", ".OLD.KMD"},
        {"*.kmd", ".KMD"}, {"my.dir/Loan1.Kld", ".KLD"}, {"", ""}};
    for (const auto& [typed, extension] : extensions)
        EXPECT_EQ(TypedExtension(typed), extension) << typed;
    EXPECT_EQ(std::tuple(
                  MatchesPattern("HOUSE.KMD", "*.kmd"), MatchesPattern("loan1.kmd", "loan?.kmd"),
                  MatchesPattern("loan12.kmd", "loan?.kmd"),
                  MatchesPattern("house.kmd.bak", "*.kmd"), MatchesPattern("x.old", "*.kmd;*.old")),
              std::tuple(true, true, false, false, true));
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
        EXPECT_EQ(std::tuple(t.folder, t.name, OutcomeOfTypedName(t, c.saving, c.listed)),
                  std::tuple(QString(c.folder), QString(c.name), c.outcome))
            << c.typed;
    }
}

}  // namespace
}  // namespace bw
