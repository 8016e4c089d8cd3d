// The tables window as a person meets it: from a click on "&Calculate" to the painted schedule of
// a 40-year weekly mortgage in the all-payments view. Runs offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <cstdint>
#include <memory>

#include "shell/app_context.h"
#include "shell/message_port.h"
#include "shell/mmodule.h"
#include "shell/ms_grid.h"
#include "tables/mortgage_calc.h"

namespace {

class QuietPort : public bw::MessagePort {
  public:
    void showMessage(int) override {}
    bool askQuestion(int) override { return false; }
    void beep() override {}
};

class BareFrame : public bw::AppFrame {
  public:
    void setFrameCaption(const QString& caption) override { caption_ = caption; }
    QString frameCaption() const override { return caption_; }
    void showChild(QWidget* window) override { window->show(); }
    void showMainMenu() override {}
    QPoint frameOrigin() const override { return {0, 0}; }
    QWidget* dialogParent() override { return nullptr; }

  private:
    QString caption_;
};

// Counts the paint events of the widget it watches.
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
    std::int64_t count = 0;
};

void BM_CalculateAndShow40YearWeekly(benchmark::State& state) {
    bw::MMODULE mm;
    mm.CurrencySymbol = "$";
    mm.PrePayMonth = 12;
    QuietPort port;
    BareFrame frame;
    bw::AppContext ctx{mm, port, frame};
    mm.TableMode = 1;
    auto window = std::make_unique<bw::MortgageCalc>(ctx);
    window->show();
    QApplication::processEvents();
    mm.LoanInputs[3] = 40;
    window->showPeriod();
    window->setFrequencyText("      1 Week");
    window->selectRowView(2);
    window->MCalc->click();  // the window already shows a schedule
    QApplication::processEvents();
    if (window->MGrid->rows() < 1900) state.SkipWithError("no 40-year weekly schedule shown");

    PaintCounter paints;
    window->MGrid->viewport()->installEventFilter(&paints);
    for (auto _ : state) {
        window->MCalc->click();
        QApplication::processEvents();  // the pending paints, the grid's among them
    }
    window->MGrid->viewport()->removeEventFilter(&paints);
    if (paints.count < state.iterations()) state.SkipWithError("the grid was not painted");
    state.counters["grid_rows"] = window->MGrid->rows();
    state.counters["grid_paints"] =
        benchmark::Counter(static_cast<double>(paints.count), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CalculateAndShow40YearWeekly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
