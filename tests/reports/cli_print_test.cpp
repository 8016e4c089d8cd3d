// brindlewood-cli table --print: the same printout as the tables window's "&Print", as text pages
// or as a PDF file.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "cli/commands.h"

namespace bw {
namespace {

std::vector<std::string> Lines(const std::string& page) {
    std::vector<std::string> lines;
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CliPrint, TextPagesSeparatedByFormFeeds) {
    QTemporaryDir dir;
    std::ostringstream out, err;
    const int rc = cli::RunTable({"--view", "all", "--print", "-", "--header", "From a shell",
                                  "--folder", dir.path().toStdString()},
                                 out, err);
    ASSERT_EQ(rc, 0) << err.str();
    std::vector<std::string> pages;
    std::string text = out.str();
    for (std::size_t start = 0;;) {
        const std::size_t ff = text.find('\f', start);
        pages.push_back(text.substr(start, ff == std::string::npos ? ff : ff - start));
        if (ff == std::string::npos) break;
        start = ff + 1;
    }
    ASSERT_EQ(pages.size(), 7u);  // 300 rows with the standard font
    const auto first = Lines(pages[0]);
    ASSERT_GT(first.size(), 25u);
    EXPECT_EQ(first[1], " From a shell");
    EXPECT_EQ(first[10],
              " $100,000.00    10.125%       25                Monthly              Monthly");
    EXPECT_EQ(first[24],
              "    1  1       843.75       73.78     99,926.22        843.75          73.78");
    EXPECT_EQ(first.back(), std::string(39, ' ') + "Page 1");
    const auto last = Lines(pages.back());
    EXPECT_EQ(last.back(),
              " Total:                            $         .00 $  175,258.20  $  100,000.00");
}

TEST(CliPrint, PdfFile) {
    QTemporaryDir dir;
    const std::string pdf = dir.filePath("table.pdf").toStdString();
    std::ostringstream out, err;
    ASSERT_EQ(
        cli::RunTable({"--loan", "--print", pdf, "--folder", dir.path().toStdString()}, out, err),
        0)
        << err.str();
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

}  // namespace
}  // namespace bw
