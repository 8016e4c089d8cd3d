// brindlewood-cli table --save and --open: the same files and the same messages as the window.

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "cli/commands.h"
#include "shell/dates.h"
#include "shell/messages.h"
#include "support/file_bytes.h"

namespace bw::cli {
namespace {

struct RunResult {
    int code;
    std::string out;
    std::string err;
};

class TableFileCliTest : public ::testing::Test {
  protected:
    RunResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--folder", dir_.path().toStdString(), "--format", "json"});
        std::ostringstream out, err;
        const int code = RunTable(args, out, err);
        return {code, out.str(), err.str()};
    }
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
    std::string Bytes(const char* name) const { return test::ReadBytes(Path(name)); }

    QTemporaryDir dir_;
};

TEST_F(TableFileCliTest, SavesTheExampleLine) {
    const RunResult r = Run(
        {"--rate", "7.5", "--view", "all", "--first-date", "2024-06-15", "--save", Path("a.kmd")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Bytes("a.kmd"), "100000,7.5,25,\"      Monthly\",\"      Monthly\",\"" +
                                  ShortDateText(QDate(2024, 6, 15)) +
                                  "\",0,1,2,0,0,1,365,\"O\",0\r\n");
}

TEST_F(TableFileCliTest, OpeningGivesTheSavedTable) {
    const std::vector<std::vector<std::string>> tables = {
        {"--principal",   "325000",       "--rate",      "5.375",        "--period", "35",
         "--compounding", "semiannual",   "--frequency", "biweekly-acc", "--days",   "364",
         "--prepay",      "3=10000",      "--prepay",    "9=2500.5",     "--view",   "all",
         "--dates",       "--first-date", "2026-02-28"},
        {"--loan", "--period", "30", "--rate", "11", "--frequency", "weekly-acc", "--days",
         "364.5"},
    };
    for (const auto& options : tables) {
        const char* name = options[0] == "--loan" ? "t.kld" : "t.kmd";
        std::vector<std::string> save = options;
        save.insert(save.end(), {"--save", Path(name)});
        const RunResult saved = Run(save);
        ASSERT_EQ(saved.code, 0) << saved.err;
        const RunResult opened = Run({"--open", Path(name)});
        ASSERT_EQ(opened.code, 0) << opened.err;
        EXPECT_EQ(opened.out, saved.out);
    }
    EXPECT_NE(Bytes("t.kld").find("11,2.5,"), std::string::npos);  // 30 months as years
    EXPECT_NE(Bytes("t.kmd").find(",1,2,2,35,2,1,364,\"O\",0\r\n"), std::string::npos);
}

TEST_F(TableFileCliTest, OtherOptionsOverrideTheFile) {
    ASSERT_EQ(Run({"--rate", "8", "--save", Path("o.kmd")}).code, 0);
    const RunResult direct = Run({"--rate", "6", "--period", "20"});
    const RunResult opened = Run({"--open", Path("o.kmd"), "--rate", "6", "--period", "20"});
    ASSERT_EQ(opened.code, 0) << opened.err;
    EXPECT_EQ(opened.out, direct.out);
}

TEST_F(TableFileCliTest, TheWindowsMessages) {
    struct Case {
        std::vector<std::string> args;
        int message;
    };
    ASSERT_TRUE(test::WriteBytes(Path("bad.kmd"), "100000,7.5,25\r\n"));
    QDir(dir_.path()).mkdir("taken.kmd");
    const Case cases[] = {
        {{"--open", Path("none.kmd")}, 13},        {{"--open", Path("bad.kmd")}, 13},
        {{"--save", Path("x.txt")}, 14},           {{"--save", Path("x.old.kmd")}, 14},
        {{"--save", Path("taken.kmd")}, 14},       {{"--save", Path("no/such/x.kmd")}, 14},
        {{"--loan", "--save", Path("x.kmd")}, 25},
    };
    for (const Case& c : cases) {
        const RunResult r = Run(c.args);
        EXPECT_EQ(r.code, 1) << c.args.back();
        EXPECT_EQ(r.err, MessageText(c.message) + "\n") << c.args.back();
    }
    EXPECT_FALSE(QFile::exists(dir_.filePath("x.txt")));
    EXPECT_FALSE(QFile::exists(dir_.filePath("x.kmd")));
}

}  // namespace
}  // namespace bw::cli
