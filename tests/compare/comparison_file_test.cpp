// Comparison files: the records written, the round trip, the previous format, damaged files.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "compare/comparison_file.h"
#include "compare_fixtures.h"
#include "support/file_bytes.h"

namespace bw {
namespace {

using test::AddRow;
using test::PrePay;

// Three rows, the second with two additional payments; 25 years of additional payments table.
ComparisonFile ThreeRows() {
    ComparisonFile f;
    std::tie(f.prePayYears, f.prePayCount, f.prePayMonth) = std::tuple(25, 2, 12);
    f.prePayTable = PrePay({{1, 10000}, {3, 5000}});
    for (int y = 1; y <= 25; ++y)
        f.prePayTable[static_cast<std::size_t>(y)][1] = Money::fromDouble(y);
    EXPECT_TRUE(AddRow(f.sheet, {}) && AddRow(f.sheet, f.prePayTable) &&
                AddRow(f.sheet, {}, 12, lists::kFrequency[4]));
    std::tie(f.resultRowCount, f.frequency) = std::tuple(3, lists::kFrequency[4]);
    return f;
}

std::string FirstLine(const std::string& bytes) {
    return bytes.substr(0, bytes.find("\r\n"));
}

TEST(ComparisonFile, HeaderAndRecordCount) {
    const ComparisonFile f = ThreeRows();
    const std::string bytes = FormatComparisonFile(f);
    EXPECT_EQ(FirstLine(bytes),
              "100000,10.125,25,\"      Monthly\",\" Biweekly(Acc)\",1,2,25,2,3,10,8,,1,2,2,2,0,0,"
              "0,3,12,\"O\",0");
    // Records end with CR LF; the printout text holds two CR LF per row inside its quotes.
    int records = 0;
    bool quoted = false;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        quoted = quoted != (bytes[i] == '"');
        records += !quoted && bytes[i] == '\r' && bytes[i + 1] == '\n';
    }
    EXPECT_EQ(records, 1 + 25 + 24 + 10 * 8 + 3 + 1 + 492);
    // Year records, then the first upper cell.
    EXPECT_NE(bytes.find("\r\n1,10000\r\n2,0\r\n3,5000\r\n4,0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n25,0\r\n\"01 Norm M 1m  \"\r\n\"25\"\r\n"), std::string::npos);
    // The printout text keeps its line breaks inside the quotes.
    EXPECT_NE(bytes.find("$175,258.20\r\n\r\n 02 Norm"), std::string::npos);
    // The file ends with the 492 lower-grid text records.
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "\r\n\"\",\"\"\r\n");
}

TEST(ComparisonFile, RoundTripIsByteExact) {
    const ComparisonFile f = ThreeRows();
    const std::string bytes = FormatComparisonFile(f);
    const ComparisonFileRead read = ParseComparisonFile(bytes, 5);
    ASSERT_TRUE(read.ok) << read.why;
    EXPECT_TRUE(read.messages.empty() && !read.previousFormat);
    // Everything the file holds comes back: written again, it is the same to the byte.
    EXPECT_EQ(FormatComparisonFile(read.file), bytes);

    // The next row continues as row 4 with its slot after the loaded one.
    ComparisonSheet sheet = read.file.sheet;
    ASSERT_TRUE(AddRow(sheet, PrePay({{2, 700}})));
    EXPECT_EQ(std::tuple(sheet.rowCounter, sheet.upper[3][0].substr(0, 2), sheet.lower[0][3],
                         sheet.lower[1][2]),
              std::tuple(4, "04", " Row     4", " 2    1"));
}

TEST(ComparisonFile, SaveAndReadFromDisk) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("cmp.kcd").toStdString();
    const ComparisonFile f = ThreeRows();
    ASSERT_TRUE(WriteComparisonFile(path, f));
    // Saving again replaces the file whole.
    ASSERT_TRUE(WriteComparisonFile(path, f));
    EXPECT_EQ(test::ReadBytes(path), FormatComparisonFile(f));
    ASSERT_TRUE(ReadComparisonFile(path, 12).ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"cmp.kcd"});

    EXPECT_EQ(ReadComparisonFile(path + ".missing", 12).messages, std::vector<int>{13});
    EXPECT_FALSE(WriteComparisonFile(dir.path().toStdString() + "/no/such/folder/x.kcd", f) ||
                 WriteComparisonFile("", f));
}

TEST(ComparisonFile, ACurrencySymbolWithAQuoteStillMakesAReadableFile) {
    ComparisonFile f;
    ASSERT_TRUE(f.sheet.addRow(CalculateComparisonRow({.currencySymbol = "\""})));
    const ComparisonFileRead read = ParseComparisonFile(FormatComparisonFile(f), 12);
    ASSERT_TRUE(read.ok) << read.why;
    EXPECT_EQ(read.file.sheet.upper[0][7], "'175,258.20");
}

TEST(ComparisonFile, PreviousFormatOpensAfterMessage9AndKeepsTheMonth) {
    ComparisonFile f = ThreeRows();
    f.prePayMonth = 4;
    std::string bytes = FormatComparisonFile(f);
    const std::string tail = ",4,\"O\",0\r\n";
    const auto at = bytes.find(tail);
    ASSERT_EQ(at, FirstLine(bytes).size() + 2 - tail.size());
    bytes.replace(at, tail.size(), "\r\n");
    const ComparisonFileRead read = ParseComparisonFile(bytes, 9);
    ASSERT_TRUE(read.ok) << read.why;
    EXPECT_EQ(std::tuple(read.previousFormat, read.messages, read.file.prePayMonth),
              std::tuple(true, std::vector<int>{9}, 9));
    EXPECT_EQ(std::tuple(read.file.sheet.printText, read.file.sheet.lower),
              std::tuple(f.sheet.printText, f.sheet.lower));
}

// Replaces header field `index` (1-based) of a well-formed file.
std::string WithHeaderField(const std::string& bytes, int index, const std::string& value) {
    const std::string first = FirstLine(bytes);  // (no field of the header holds a comma)
    QStringList fields = QString::fromStdString(first).split(',');
    fields[index - 1] = QString::fromStdString(value);
    return fields.join(',').toStdString() + bytes.substr(first.size());
}

TEST(ComparisonFile, CountsOutOfRangeAreRefusedWith13) {
    const std::string good = FormatComparisonFile(ThreeRows());
    const std::pair<int, const char*> cases[] = {
        {10, "13"},         {10, "-1"},        {10, "2.5"},   {11, "43"},  {12, "25"}, {8, "46"},
        {8, "-1"},          {9, "46"},         {14, "13"},    {14, "4"},   {16, "41"}, {17, "41"},
        {20, "12"},         {21, "13"},        {22, "0"},     {22, "13"},  {6, "5"},   {7, "3"},
        {4, "\"Monthly\""}, {5, "\"Weekly\""}, {11, "30000"}, {12, "1e9"},
    };
    for (const auto& [field, value] : cases) {
        SCOPED_TRACE(std::to_string(field) + " = " + value);
        const ComparisonFileRead read =
            ParseComparisonFile(WithHeaderField(good, field, value), 12);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.messages, std::vector<int>{13});
    }
    // Counts that fit but do not match the records that follow.
    EXPECT_FALSE(ParseComparisonFile(WithHeaderField(good, 10, "4"), 12).ok);
    EXPECT_FALSE(ParseComparisonFile(WithHeaderField(good, 8, "45"), 12).ok);
}

TEST(ComparisonFile, DamagedFilesAreRefusedNeverCrash) {
    const std::string good = FormatComparisonFile(ThreeRows());
    // Every truncation short of the final line end.
    for (std::size_t cut = 0; cut + 2 < good.size(); cut += 7) {
        const ComparisonFileRead read = ParseComparisonFile(good.substr(0, cut), 12);
        ASSERT_FALSE(read.ok) << cut;
        ASSERT_EQ(read.messages.back(), 13);
    }
    // A text where a number belongs makes the header unreadable in either form.
    const ComparisonFileRead typed = ParseComparisonFile(WithHeaderField(good, 1, "\"x\""), 12);
    EXPECT_EQ(std::tuple(typed.ok, typed.messages), std::tuple(false, std::vector<int>{9, 13}));
    // Random bytes, and random bytes after a good header.
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 200; ++n) {
        std::string junk(static_cast<std::size_t>(n * 37 % 3000), '\0');
        for (char& c : junk) c = static_cast<char>(byte(gen));
        EXPECT_FALSE(ParseComparisonFile(junk, 12).ok);
        EXPECT_FALSE(ParseComparisonFile(FirstLine(good) + "\r\n" + junk, 12).ok);
    }
    // A lost quote swallows the rest of the file.
    std::string quote = good;
    quote.erase(quote.find("\"25\""), 1);
    EXPECT_FALSE(ParseComparisonFile(quote, 12).ok);
}

}  // namespace
}  // namespace bw
