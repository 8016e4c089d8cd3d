// The number box and the window kit on a small window of three boxes built the way the
// calculator windows build theirs: an amount box, a rate list with three decimals and a years
// box whose filter judges the first key before the box empties.

#include <gtest/gtest.h>

#include <QCursor>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "shell/number_format.h"
#include "shell/window_kit.h"
#include "support/number_box_suite.h"
#include "support/window_context.h"

namespace bw {
namespace {

class BoxWindow : public QWidget {
  public:
    explicit BoxWindow(AppContext& ctx) : ctx_(ctx) {
        InPrincipal = new QLineEdit(this);
        InRate = new RightAlignedCombo(this);
        InRate->setEditable(true);
        InRate->addItems({QStringLiteral("6.5"), QStringLiteral("7")});
        InTerm = new QLineEdit(this);
        Calc = new QPushButton(QStringLiteral("&Calculate"), this);
        int top = 0;
        for (QWidget* control : {static_cast<QWidget*>(InPrincipal), static_cast<QWidget*>(InRate),
                                 static_cast<QWidget*>(InTerm), static_cast<QWidget*>(Calc)}) {
            control->setGeometry(0, top, 160, 24);
            SetBackground(control, colours::kInput);
            top += 30;
        }
        principal = new NumberBox(InPrincipal, ctx.mm, ctx.messages);
        rate = new NumberBox(InRate, ctx.mm, ctx.messages, {NumberKind::Decimal, 3});
        term = new NumberBox(InTerm, ctx.mm, ctx.messages,
                             {NumberKind::Digits, 0, FilterOrder::FilterFirst});
        principal->setCaption(QStringLiteral(" Principal  amount."));
        rate->setCaption(QStringLiteral("Annual &Rate (%)"));
        term->setCaption(QStringLiteral("Years:"));
        principal->setNext(InRate);
        rate->setNext(InTerm);
        term->setNext(Calc);
        principal->setStore([this](std::optional<double> typed) {
            if (typed) value[0] = *typed;
            return Q(
                RightAlign(ctx_.mm.CurrencySymbol + FormatNumber(value[0], "####,,###.00"), 16));
        });
        rate->setStore([this](std::optional<double> typed) {
            if (typed) value[1] = *typed;
            return Q(RightAlign(FormatNumber(value[1], "###.000"), 14) + "%");
        });
        term->setStore([this](std::optional<double> typed) {
            if (typed) value[2] = *typed;
            return Q(RightAlign(FormatNumber(value[2], "###"), 16));
        });
        for (NumberBox* box : {principal, rate, term})
            connect(box, &NumberBox::resetRequested, this, [this] { ++resets; });
        EnterPressesButtons(this);
    }
    ~BoxWindow() override { CloseNumberBoxes(this); }

    QLineEdit* InPrincipal;
    RightAlignedCombo* InRate;
    QLineEdit* InTerm;
    QPushButton* Calc;
    NumberBox* principal;
    NumberBox* rate;
    NumberBox* term;
    double value[3] = {100000, 6.5, 25};
    int resets = 0;

  private:
    AppContext& ctx_;
};

struct BoxWindowBoxes {
    using Window = BoxWindow;
    static std::unique_ptr<Window> open(test::WindowContext& c) {
        return c.openWindow<BoxWindow>();
    }
    static std::vector<test::NumberBoxCase> boxes(Window& w) {
        return {
            {"principal", w.InPrincipal, w.InPrincipal, w.principal->rule(), w.InRate, "1234.5",
             1234.5, [&w] { return w.value[0]; }},
            {"rate", w.InRate, w.InRate->lineEdit(), w.rate->rule(), w.InTerm, "7.125", 7.125,
             [&w] { return w.value[1]; }},
            {"years", w.InTerm, w.InTerm, w.term->rule(), w.Calc, "30", 30,
             [&w] { return w.value[2]; }},
        };
    }
};

}  // namespace

namespace test {
using BoxWindowTypes = ::testing::Types<BoxWindowBoxes>;
INSTANTIATE_TYPED_TEST_SUITE_P(BoxWindow, NumberBoxSuite, BoxWindowTypes);
}  // namespace test

namespace {

class NumberBoxTest : public ::testing::Test, public test::WindowContext {
  protected:
    std::unique_ptr<BoxWindow> w = openWindow<BoxWindow>();
};

TEST_F(NumberBoxTest, FirstKeyAsksForOneResetAndKeysAreReported) {
    std::vector<int> keys;
    QObject::connect(w->principal, &NumberBox::keyAccepted, [&](int key) { keys.push_back(key); });
    typeInto(w->InPrincipal, "12\b5");
    EXPECT_EQ(w->resets, 1);
    EXPECT_EQ(keys, (std::vector<int>{'1', '2', 8, '5'}));
    EXPECT_EQ(w->InPrincipal->text(), "15");
    EXPECT_TRUE(w->principal->edited());
}

TEST_F(NumberBoxTest, BoxLeftAsShownKeepsItsValueAndIsRewritten) {
    // Another box asked for the reset: this one is left without a key typed into it.
    mm.TypingFlag = 1;
    w->InPrincipal->setText("junk");
    w->InPrincipal->setFocus();
    tabAway();
    EXPECT_DOUBLE_EQ(w->value[0], 100000);
    EXPECT_EQ(w->InPrincipal->text(), "     $100,000.00");
    EXPECT_EQ(mm.TypingFlag, 0);
}

TEST_F(NumberBoxTest, MarkedTextIsReadWhenLeft) {
    mm.TypingFlag = 1;
    w->term->showText("40");
    w->term->markEdited();
    w->term->leave();
    EXPECT_DOUBLE_EQ(w->value[2], 40);
}

TEST_F(NumberBoxTest, DeleteIsReportedAndDeletes) {
    int deletes = 0;
    QObject::connect(w->term, &NumberBox::deletePressed, [&] { ++deletes; });
    w->InTerm->setFocus();
    QApplication::processEvents();
    pressKey(w->InTerm, Qt::Key_Delete);
    EXPECT_EQ(deletes, 1);
    EXPECT_EQ(w->InTerm->text(), "");
    EXPECT_EQ(mm.TypingFlag, 0);
}

TEST_F(NumberBoxTest, ClosedBoxNoLongerActs) {
    CloseNumberBoxes(w.get());
    typeInto(w->InPrincipal, "x");
    tabAway();
    EXPECT_EQ(port.beeps, 0);
    EXPECT_EQ(mm.TypingFlag, 0);
}

TEST_F(NumberBoxTest, EnterPressesTheFocusedButton) {
    int clicks = 0;
    QObject::connect(w->Calc, &QPushButton::clicked, [&] { ++clicks; });
    w->Calc->setFocus();
    pressKey(w->Calc, Qt::Key_Return);
    pressKey(w->Calc, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 2);
}

TEST(WindowKit, EnterInADialogPressesTheFocusedButtonNotTheDefault) {
    QDialog dialog;
    auto* yes = new QPushButton("&Yes", &dialog);
    auto* option = new QRadioButton("Annual", &dialog);
    yes->setDefault(true);
    EnterPressesButtons(&dialog);
    EnterPressesButtons(&dialog);  // once is enough; a second call changes nothing
    int yesClicks = 0;
    QObject::connect(yes, &QPushButton::clicked, [&] { ++yesClicks; });
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Return);
    EXPECT_TRUE(option->isChecked());
    EXPECT_EQ(yesClicks, 0);
}

TEST(WindowKit, CaptionsNameControls) {
    const std::pair<QString, QString> cases[] = {
        {" Principal amount of       the mortgage.", "Principal amount of the mortgage"},
        {"Annual &Rate (%):", "Annual Rate (%)"},
        {"Save && E&xit", "Save & Exit"},
        {"", ""},
    };
    for (const auto& [caption, name] : cases) EXPECT_EQ(AccessibleCaption(caption), name);
}

TEST(WindowKit, HourglassShowsForItsScopeOrUntilRestored) {
    {
        HourglassCursor hourglass;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        hourglass.restore();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    { HourglassCursor hourglass; }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace bw
