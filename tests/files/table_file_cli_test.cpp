// brindlewood-cli table --save and --open: the same files and the same messages as the window.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sstream>

#include "cli/commands.h"
#include "shell/messages.h"
#include "support/file_bytes.h"

namespace bw::cli {
namespace {

class TableFileCliTest : public ::testing::Test {
  protected:
    int Run(std::vector<std::string> args, std::string* out = nullptr, std::string* err = nullptr) {
        args.insert(args.begin(), {"--folder", dir_.path().toStdString(), "--format", "json"});
        std::ostringstream o, e;
        const int code = RunTable(args, o, e);
        if (out) *out = o.str();
        if (err) *err = e.str();
        return code;
    }
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
    QTemporaryDir dir_;
};

TEST_F(TableFileCliTest, OpeningGivesTheSavedTable) {
    std::string saved, opened;
    ASSERT_EQ(Run({"--rate", "5.375", "--frequency", "biweekly-acc", "--prepay", "3=10000",
                   "--prepay-month", "5", "--save", Path("t.kmd")},
                  &saved),
              0);
    // The month of the additional payments comes back with the file, and saving the opened
    // table again writes the same bytes (the date text as stored).
    ASSERT_EQ(Run({"--open", Path("t.kmd"), "--save", Path("u.kmd")}, &opened), 0);
    EXPECT_EQ(opened, saved);
    EXPECT_EQ(test::ReadBytes(Path("u.kmd")), test::ReadBytes(Path("t.kmd")));
}

TEST_F(TableFileCliTest, TheWindowsMessages) {
    ASSERT_TRUE(test::WriteBytes(Path("bad.kmd"), "100000,7.5,25\r\n"));
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"--open", Path("none.kmd")}, 13},
        {{"--open", Path("bad.kmd")}, 13},
        {{"--save", Path("x.old.kmd")}, 14},
        {{"--save", Path("no/such/x.kmd")}, 14},
        {{"--loan", "--save", Path("x.kmd")}, 25}};
    for (const auto& [args, message] : cases) {
        std::string err;
        EXPECT_EQ(Run(args, nullptr, &err), 1) << args.back();
        EXPECT_EQ(err, MessageText(message) + "\n") << args.back();
    }
}

}  // namespace
}  // namespace bw::cli
