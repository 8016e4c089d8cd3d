// brindlewood-cli table --graph: the balance graph of the tables window as a PNG picture, written
// by the program itself with no display at hand. (The bars' values: balance_graph_test.)

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <tuple>

namespace bw {
namespace {

// Runs the program the way a shell without a display would: no platform, no display named.
std::tuple<int, QByteArray, QByteArray> RunTable(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    p.setProcessEnvironment(env);
    p.start(BRINDLEWOOD_CLI, QStringList{"table"} + args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// 25 years: the principal and the balance at the start of years 2 to 25 as bars in proportion
// (the tallest column of each run of the bar colour), against the annuity's balances.
TEST(CliGraph, WritesTheBalanceGraphWithoutADisplay) {
    QTemporaryDir dir;
    const QString png = QDir(dir.path()).filePath("balance.png");
    const auto [code, out, err] = RunTable({"--graph", png, "--folder", dir.path()});
    ASSERT_EQ(code, 0) << err.toStdString();
    EXPECT_EQ(out, std::get<1>(RunTable({"--folder", dir.path()})));  // the table as always
    const QImage image(png);
    std::vector<int> heights;
    for (int x = 0, last = 0; x < image.width(); ++x) {
        int h = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb c = image.pixel(x, y);
            h += std::abs(qRed(c) - 31) + std::abs(qGreen(c) - 86) + std::abs(qBlue(c) - 168) < 30;
        }
        if (h > 0 && last == 0) heights.push_back(0);
        if (h > 0) heights.back() = std::max(heights.back(), h);
        last = h;
    }
    ASSERT_EQ(heights.size(), 25u);
    const double i = 10.125 / 1200, payment = 100000 * i / (1 - std::pow(1 + i, -300));
    for (int y = 1; y < 25; ++y) {
        const double growth = std::pow(1 + i, 12 * y);
        EXPECT_NEAR(double(heights[std::size_t(y)]) / heights[0],
                    growth - payment * (growth - 1) / i / 100000, 0.01)
            << "bar " << y + 1;
    }
    const auto [failed, none, why] =
        RunTable({"--graph", dir.path() + "/no/such/x.png", "--folder", dir.path()});
    EXPECT_EQ(failed, 2);
    EXPECT_TRUE(why.contains("cannot write")) << why.toStdString();
}

}  // namespace
}  // namespace bw
