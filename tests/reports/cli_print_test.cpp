// brindlewood-cli table --print: the tables window's printout as text pages or as a PDF file.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sstream>
#include <tuple>

#include "cli/commands.h"
#include "support/file_bytes.h"

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
    // The PDF in the printer font of the settings, centred on the paper asked for: 77 characters
    // of 6 (6.6) points, (595.28 - 462) / 2 and (612 - 508.2) / 2 from the left edge.
    const std::string pdf = dir.filePath("table.pdf").toStdString();
    const std::string folder = dir.path().toStdString();
    for (const auto& [font, paper, expected] :
         {std::tuple{"standard", "a4", "/F1 10 Tf 12 TL 100.00 Tz 66.64 801.89 Td"},
          std::tuple{"courier", "letter", "/F2 11 Tf 12.5 TL 100.00 Tz 51.90 752.00 Td"}}) {
        ASSERT_EQ(cli::RunSettings({"--font", font, "--folder", folder}, out, err), 0);
        ASSERT_EQ(cli::RunTable({"--loan", "--print", pdf, "--paper", paper, "--folder", folder},
                                out, err),
                  0)
            << err.str();
        const std::string bytes = test::ReadBytes(pdf);
        EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
        EXPECT_NE(bytes.find(expected), std::string::npos) << bytes.substr(0, 900);
    }
}

}  // namespace
}  // namespace bw
