// brindlewood-cli table --graph: the balance graph of the tables window as a PNG picture, written
// by the program itself with no display at hand.

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

namespace bw {
namespace {

class CliGraphTest : public ::testing::Test {
  protected:
    // Runs the program the way a shell without a display would: no platform, no display named.
    std::tuple<int, QByteArray, QByteArray> run(QStringList args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
        p.setProcessEnvironment(env);
        p.start(BRINDLEWOOD_CLI,
                QStringList{"table"} + args + QStringList{"--folder", dir_.path()});
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }
    QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    QTemporaryDir dir_;
};

// The bars as drawn: for each run of columns holding the bar colour, the height of its middle
// column's bar-coloured pixels.
std::vector<int> BarHeights(const QImage& image) {
    const auto isBar = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return std::abs(c.red() - 31) < 12 && std::abs(c.green() - 86) < 12 &&
               std::abs(c.blue() - 168) < 12;
    };
    const auto height = [&](int x) {
        int h = 0;
        for (int y = 0; y < image.height(); ++y) h += isBar(x, y) ? 1 : 0;
        return h;
    };
    std::vector<int> heights;
    for (int x = 0; x < image.width();) {
        const int first = x;
        while (x < image.width() && height(x) > 0) ++x;
        if (x == first)
            ++x;
        else
            heights.push_back(height((first + x) / 2));
    }
    return heights;
}

// 25 years: the principal and the balance at the start of years 2 to 25, in proportion, against
// the annuity's balances.
TEST_F(CliGraphTest, WritesTheBalanceGraphWithoutADisplay) {
    const auto [code, out, err] = run({"--graph", file("balance.png")});
    ASSERT_EQ(code, 0) << err.toStdString();
    EXPECT_EQ(out, std::get<1>(run({})));  // the table is printed as always
    const QImage image(file("balance.png"));
    ASSERT_FALSE(image.isNull());
    const std::vector<int> heights = BarHeights(image);
    ASSERT_EQ(heights.size(), 25u);
    const double i = 10.125 / 1200;
    const double payment = 100000 * i / (1 - std::pow(1 + i, -300));
    for (int y = 1; y < 25; ++y) {
        const double growth = std::pow(1 + i, 12 * y);
        const double balance = 100000 * growth - payment * (growth - 1) / i;
        EXPECT_NEAR(static_cast<double>(heights[static_cast<std::size_t>(y)]) / heights[0],
                    balance / 100000, 0.01)
            << "bar " << y + 1;
    }
}

TEST_F(CliGraphTest, NoPictureWhenTheCalculationStopsOrCannotBeWritten) {
    const std::pair<QStringList, int> cases[] = {
        {{"--days", "400"}, 1}, {{"--loan", "--period", "500"}, 1}, {{"--rate", "abc"}, 2}};
    for (const auto& [args, code] : cases) {
        EXPECT_EQ(std::get<0>(run(args + QStringList{"--graph", file("stopped.png")})), code)
            << args.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(file("stopped.png"))) << args.join(' ').toStdString();
    }
    const auto [code, out, err] = run({"--graph", file("no/such/folder/x.png")});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(err.contains("cannot write")) << err.toStdString();
}

}  // namespace
}  // namespace bw
