// brindlewood-cli table --graph: the balance graph of the tables window as a PNG picture, written
// by the program itself with no display at hand.

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

namespace bw {
namespace {

struct Result {
    int code;
    QByteArray out;
    QByteArray err;
};

class CliGraphTest : public ::testing::Test {
  protected:
    // Runs the program the way a shell without a display would: no platform, no display named.
    Result run(QStringList args) {
        args << "--folder" << dir_.path();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        p.setProcessEnvironment(env);
        p.start(BRINDLEWOOD_CLI, QStringList{"table"} + args);
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
    const auto columnHasBar = [&](int x) {
        for (int y = 0; y < image.height(); ++y)
            if (isBar(x, y)) return true;
        return false;
    };
    std::vector<int> heights;
    for (int x = 0; x < image.width();) {
        if (!columnHasBar(x)) {
            ++x;
            continue;
        }
        const int first = x;
        while (x < image.width() && columnHasBar(x)) ++x;
        const int middle = (first + x) / 2;
        int height = 0;
        for (int y = 0; y < image.height(); ++y) height += isBar(middle, y) ? 1 : 0;
        heights.push_back(height);
    }
    return heights;
}

// The balance after k monthly payments of `payment` at the monthly rate i.
double Balance(double principal, double i, double payment, int k) {
    const double growth = std::pow(1 + i, k);
    return principal * growth - payment * (growth - 1) / i;
}

TEST_F(CliGraphTest, WritesTheBalanceGraphWithoutADisplay) {
    const Result plain = run({});
    const Result r = run({"--graph", file("balance.png")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, plain.out);  // the table is printed as always

    QImage image(file("balance.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 600);
    EXPECT_GE(image.height(), 350);
    EXPECT_LE(image.width(), 4000);

    // Not blank: a good part of it is drawn.
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(drawn, image.width() * image.height() / 5);

    // 25 years: the principal and the balance at the start of years 2 to 25, in proportion.
    const std::vector<int> heights = BarHeights(image);
    ASSERT_EQ(heights.size(), 25u);
    const double i = 10.125 / 1200;
    const double payment = 100000 * i / (1 - std::pow(1 + i, -300));
    for (int y = 1; y < 25; ++y) {
        const double expected = Balance(100000, i, payment, 12 * y) / 100000;
        EXPECT_NEAR(static_cast<double>(heights[static_cast<std::size_t>(y)]) / heights[0],
                    expected, 0.01)
            << "bar " << y + 1;
    }
}

TEST_F(CliGraphTest, BothViewsDrawTheSameGraph) {
    ASSERT_EQ(run({"--graph", file("annual.png")}).code, 0);
    ASSERT_EQ(run({"--view", "all", "--graph=" + file("all.png")}).code, 0);
    const QImage annual(file("annual.png"));
    const QImage all(file("all.png"));
    ASSERT_FALSE(annual.isNull());
    EXPECT_TRUE(annual == all);
}

TEST_F(CliGraphTest, OneBarForEachYearOfALoanPaidOffEarly) {
    const QStringList prepay{"--prepay", "3=40000", "--view", "all"};
    const Result json = run(prepay + QStringList{"--format", "json"});
    const double retired =
        QJsonDocument::fromJson(json.out).object().value("retired_years").toDouble();
    ASSERT_GT(retired, 5);
    ASSERT_LT(retired, 20);
    ASSERT_EQ(run(prepay + QStringList{"--graph", file("early.png")}).code, 0);
    const std::vector<int> heights = BarHeights(QImage(file("early.png")));
    EXPECT_EQ(heights.size(), static_cast<std::size_t>(std::lround(std::floor(retired + 0.49))));
}

TEST_F(CliGraphTest, ALoanPaidWithinAYearDrawsThePrincipal) {
    ASSERT_EQ(run({"--loan", "--period", "10", "--graph", file("loan.png")}).code, 0);
    const QImage image(file("loan.png"));
    ASSERT_FALSE(image.isNull());
    // Two bar places; the second, the balance after the last payment, is empty.
    EXPECT_EQ(BarHeights(image).size(), 1u);
}

TEST_F(CliGraphTest, NoPictureWhenTheCalculationStopsOrCannotBeWritten) {
    struct Case {
        QStringList args;
        int code;
    };
    const Case cases[] = {
        {{"--days", "400"}, 1},              // message 19
        {{"--loan", "--period", "500"}, 1},  // message 16
        {{"--rate", "abc"}, 2},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args + QStringList{"--graph", file("stopped.png")});
        EXPECT_EQ(r.code, c.code) << c.args.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(file("stopped.png"))) << c.args.join(' ').toStdString();
    }
    const Result r = run({"--graph", file("no/such/folder/x.png")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("cannot write")) << r.err.toStdString();
}

}  // namespace
}  // namespace bw
