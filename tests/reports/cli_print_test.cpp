// brindlewood-cli table --print: the tables window's printout as text pages or as a PDF file.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "cli/commands.h"

namespace bw {
namespace {

TEST(CliPrint, TextPagesSeparatedByFormFeedsOrAPdfFile) {
    QTemporaryDir dir;
    std::ostringstream out, err;
    ASSERT_EQ(cli::RunTable({"--view", "all", "--print", "-", "--header", "From a shell",
                             "--folder", dir.path().toStdString()},
                            out, err),
              0)
        << err.str();
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 6);  // 300 rows in the standard font
    EXPECT_EQ(text.substr(0, 15), "\n From a shell\n");
    EXPECT_NE(text.find("\n    1  1       843.75       73.78     99,926.22        843.75"),
              std::string::npos);
    EXPECT_NE(text.find(std::string(39, ' ') + "Page 6\n\f"), std::string::npos);
    const std::string pdf = dir.filePath("table.pdf").toStdString();
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
