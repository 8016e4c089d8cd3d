// brindlewood-cli compare, run in-process: rows, limits, files, printouts and JSON.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "cli/commands.h"
#include "compare/comparison_file.h"

namespace bw {
namespace {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

class CompareCliTest : public ::testing::Test {
  protected:
    CliRun run(std::vector<std::string> args) {
        args.erase(args.begin());  // the command's name, as main() takes it off
        args.push_back("--folder");
        args.push_back(dir.path().toStdString());
        std::ostringstream out, err;
        const int code = cli::RunCompare(args, out, err);
        return {code, out.str(), err.str()};
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    static std::string read(const std::string& file) {
        QFile f(QString::fromStdString(file));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll().toStdString();
    }
    QTemporaryDir dir;
};

TEST_F(CompareCliTest, RowsAsJsonWithTheWorkedFigures) {
    const CliRun r = run({"compare", "--row", "", "--row", "--frequency biweekly-acc", "--row",
                          "--frequency 2weeks", "--row",
                          "--frequency monthly --compounding semiannual", "--format", "json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"payments\": 300, \"retired\": 25, \"total_interest\": 175258.1967"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"payments\": 482"), std::string::npos);
    EXPECT_NE(r.out.find("\"$120,861.40\""), std::string::npos);
    EXPECT_NE(r.out.find("\"payments\": 638"), std::string::npos);
    EXPECT_NE(r.out.find("\"$169,924.71\""), std::string::npos);
    EXPECT_NE(r.out.find("[\"04 Norm S 1m  \", \"25\", \"25.00\", \"12\", \"$100,000.00\", "
                         "\"10.125\", \"$902.91\", \"$170,873.89\"]"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"messages\": []"), std::string::npos);
}

TEST_F(CompareCliTest, SharedAdditionalPaymentsAndTheirMonth) {
    const CliRun r = run({"compare", "--prepay", "1=10000", "--prepay", "3=5000", "--prepay-month",
                          "4", "--row", "", "--row", "--frequency weekly-acc", "--format", "json"});
    ASSERT_EQ(r.code, 0) << r.err;
    // Monthly: after payment 3 of the year (the fourth month), payments 4 and 28.
    EXPECT_NE(r.out.find("\"applied\": [{\"payment\": 4, \"year\": 1, \"month\": 4, \"amount\": "
                         "10000}, {\"payment\": 28, \"year\": 3, \"month\": 4"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"lower_grid\": [\n    [\" Yr. Mth\", \" Row     1\", \" Yr. Mth\", "
                         "\" Row     2\""),
              std::string::npos);
}

TEST_F(CompareCliTest, LimitsGiveTheWindowsMessages) {
    CliRun r = run({"compare", "--row", "--period 45", "--format", "json"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("\"cells\": [\"01 Norm M 1m  \", \"40\""), std::string::npos);
    EXPECT_EQ(r.err, "Wrong entry, 40 Years limit.\n");
    std::vector<std::string> args = {"compare"};
    for (int i = 0; i < 13; ++i) {
        args.push_back("--row");
        args.push_back("--rate " + std::to_string(5 + i));
    }
    r = run(args);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "12 Row limit.\n");
    EXPECT_NE(r.out.find("12 Norm M 1m"), std::string::npos);
    EXPECT_EQ(r.out.find("13 Norm"), std::string::npos);
    EXPECT_EQ(run({"compare"}).code, 2);
    EXPECT_EQ(run({"compare", "--row", "--frequency yearly"}).code, 2);
}

TEST_F(CompareCliTest, SaveOpenContinueAndSaveAgain) {
    const std::string first = path("first.kcd");
    CliRun r = run({"compare", "--prepay", "2=2500", "--row", "", "--row",
                    "--frequency 1week --days 364", "--save", first});
    ASSERT_EQ(r.code, 0) << r.err;
    const ComparisonFileRead opened = ReadComparisonFile(first, 12);
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.file.sheet.rowCounter, 2);
    EXPECT_EQ(opened.file.daysOption, 2);
    EXPECT_EQ(opened.file.prePayCount, 1);

    // Opened and saved without a new row, the file is the same to the byte.
    const std::string copy = path("copy.KCD");
    r = run({"compare", "--open", first, "--save", copy});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(read(copy), read(first));

    // A row after opening is row 3, with the file's additional payments.
    r = run({"compare", "--open", first, "--row", "--frequency monthly", "--format", "json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"from_file\": true"), std::string::npos);
    EXPECT_NE(r.out.find("\"03 Norm M 1m  \", \"25\", \"*"), std::string::npos);

    // Wrong names and damaged files.
    EXPECT_EQ(run({"compare", "--row", "", "--save", path("x.kmd")}).err,
              "Bad filename, must be in the form MYFILE.KCD\n");
    QFile bad(dir.filePath("bad.kcd"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray::fromStdString(read(first).substr(0, 300)));
    bad.close();
    r = run({"compare", "--open", path("bad.kcd"), "--row", ""});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("File not found or wrong format."), std::string::npos);
    EXPECT_EQ(r.out, "");
}

TEST_F(CompareCliTest, PrintoutAsTextAndAsPdf) {
    CliRun r = run({"compare", "--row", "", "--print", "-", "--header", "Smith family"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 15), "\n Smith family\n");
    EXPECT_NE(
        r.out.find(
            "\n 01 Norm M 1m   25   25.00   12   $100,000.00  10.125    $917.53  $175,258.20\n"),
        std::string::npos);
    const std::string pdf = path("cmp.pdf");
    r = run({"compare", "--row", "", "--prepay", "1=100", "--print", pdf});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string bytes = read(pdf);
    EXPECT_EQ(bytes.substr(0, 8), "%PDF-1.4");
    EXPECT_NE(bytes.find("( 01 Norm M 1m   25  *"), std::string::npos);
    EXPECT_NE(bytes.find("(Yr. Mth Row  1) '"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "%%EOF\n");
}

}  // namespace
}  // namespace bw
