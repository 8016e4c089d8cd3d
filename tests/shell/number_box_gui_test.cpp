// The number box and the window kit on a small window of three boxes built the way the
// calculator windows build theirs: an amount box, a rate list with three decimals and a years
// box whose filter judges the first key before the box empties.

#include <gtest/gtest.h>

#include <QCursor>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

#include "shell/number_format.h"
#include "shell/window_kit.h"
#include "support/number_box_suite.h"

namespace bw {
namespace {

class BoxWindow : public QWidget {
  public:
    explicit BoxWindow(AppContext& ctx) {
        InRate->setEditable(true);
        InRate->addItems({QStringLiteral("6.5"), QStringLiteral("7")});
        QWidget* controls[] = {InPrincipal, InRate, InTerm, Calc};
        for (int i = 0; i < 4; ++i) controls[i]->setGeometry(0, 30 * i, 160, 24);
        principal = new NumberBox(InPrincipal, ctx.mm, ctx.messages);
        rate = new NumberBox(InRate, ctx.mm, ctx.messages, {NumberKind::Decimal, 3});
        term = new NumberBox(InTerm, ctx.mm, ctx.messages,
                             {NumberKind::Digits, 0, FilterOrder::FilterFirst});
        const char* formats[] = {"####,,###.00", "###.000", "###"};
        NumberBox* boxes[] = {principal, rate, term};
        QWidget* next[] = {InRate, InTerm, Calc};
        for (int i = 0; i < 3; ++i) {
            boxes[i]->setCaption(QStringLiteral("Box &%1:").arg(i));
            boxes[i]->setNext(next[i]);
            boxes[i]->setStore([this, i, format = formats[i]](std::optional<double> typed) {
                if (typed) value[i] = *typed;
                return Q(FormatNumber(value[i], format));
            });
            connect(boxes[i], &NumberBox::resetRequested, this, [this] { ++resets; });
        }
        EnterPressesButtons(this);
    }
    ~BoxWindow() override { CloseNumberBoxes(this); }

    QLineEdit* InPrincipal = new QLineEdit(this);
    RightAlignedCombo* InRate = new RightAlignedCombo(this);
    QLineEdit* InTerm = new QLineEdit(this);
    QPushButton* Calc = new QPushButton(QStringLiteral("&Calculate"), this);
    NumberBox *principal, *rate, *term;
    double value[3] = {100000, 6.5, 25};
    int resets = 0;
};

struct BoxWindowBoxes {
    using Window = BoxWindow;
    static std::unique_ptr<Window> open(test::WindowContext& c) {
        return c.openWindow<BoxWindow>();
    }
    static std::vector<test::NumberBoxCase> boxes(Window& w) {
        return {{"principal", w.InPrincipal, w.InPrincipal, w.principal->rule(), w.InRate, "1234.5",
                 1234.5, [&w] { return w.value[0]; }},
                {"rate", w.InRate, w.InRate->lineEdit(), w.rate->rule(), w.InTerm, "7.125", 7.125,
                 [&w] { return w.value[1]; }},
                {"years", w.InTerm, w.InTerm, w.term->rule(), w.Calc, "30", 30,
                 [&w] { return w.value[2]; }}};
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

// Another box asked for the reset: this one, left without a key typed into it, keeps its value.
TEST_F(NumberBoxTest, BoxLeftAsShownKeepsItsValueAndIsRewritten) {
    mm.TypingFlag = 1;
    w->InPrincipal->setText("junk");
    w->InPrincipal->setFocus();
    tabAway();
    EXPECT_DOUBLE_EQ(w->value[0], 100000);
    EXPECT_EQ(w->InPrincipal->text(), "100,000.00");
    EXPECT_EQ(mm.TypingFlag, 0);
}

// A limit the window put in place of the typed value is read as typed; Delete is reported.
TEST_F(NumberBoxTest, MarkedTextIsReadWhenLeftAndDeleteIsReported) {
    int deletes = 0;
    QObject::connect(w->term, &NumberBox::deletePressed, [&] { ++deletes; });
    w->InTerm->setFocus();
    pressKey(w->InTerm, Qt::Key_Delete);
    EXPECT_EQ(deletes, 1);
    mm.TypingFlag = 1;
    w->term->showText("40");
    w->term->markEdited();
    w->term->leave();
    EXPECT_DOUBLE_EQ(w->value[2], 40);
}

TEST_F(NumberBoxTest, ClosedBoxNoLongerActs) {
    CloseNumberBoxes(w.get());
    typeInto(w->InPrincipal, "x");
    tabAway();
    EXPECT_EQ(port.beeps, 0);
    EXPECT_EQ(mm.TypingFlag, 0);
}

TEST(WindowKit, EnterPressesTheFocusedButtonNotTheDefault) {
    QDialog dialog;
    auto* yes = new QPushButton("&Yes", &dialog);
    auto* option = new QRadioButton("Annual", &dialog);
    yes->setDefault(true);
    EnterPressesButtons(&dialog);
    EnterPressesButtons(&dialog);  // once is enough; a second call changes nothing
    int clicks = 0;
    QObject::connect(yes, &QPushButton::clicked, [&] { ++clicks; });
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Return);
    EXPECT_TRUE(option->isChecked());
    EXPECT_EQ(clicks, 0);
    yes->setFocus();
    QTest::keyClick(yes, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 1);
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
