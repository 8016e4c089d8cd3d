// The window kit: Enter on buttons, accessible names from captions, the scoped hourglass. The
// number box itself is tested through the calculator windows' boxes (support/number_box_suite.h).

#include <gtest/gtest.h>

#include <QCursor>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/window_kit.h"

namespace bw {
namespace {

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
        HourglassCursor second;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace bw
