// brindlewood-cli table --graph in-process, where no QApplication runs (and in builds without the
// desktop layer): a usage error, never a crash and never a picture.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "cli/commands.h"

namespace bw::cli {
namespace {

TEST(GraphOption, WithoutAGuiApplicationIsAUsageError) {
    QTemporaryDir dir;
    const std::string picture = QDir(dir.path()).filePath("g.png").toStdString();
    std::ostringstream out, err;
    const int code = RunTable({"--graph", picture, "--folder", dir.path().toStdString()}, out, err);
    EXPECT_EQ(code, 2);
#ifdef BW_CLI_GRAPHS
    EXPECT_NE(err.str().find("QApplication"), std::string::npos) << err.str();
#else
    EXPECT_NE(err.str().find("desktop build"), std::string::npos) << err.str();
#endif
    EXPECT_NE(err.str().find("(see brindlewood-cli table --help)"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(picture)));
}

}  // namespace
}  // namespace bw::cli
