// The window kit: Enter on buttons, accessible names from captions, the scoped hourglass. The
// number box itself is tested through the calculator windows' boxes (support/number_box_suite.h).

#include <gtest/gtest.h>

#include <QCursor>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>

#include "shell/window_kit.h"
#include "support/window_context.h"

namespace bw {
namespace {

TEST(WindowKit, EnterPressesTheFocusedButtonNotTheDefault) {
    auto dialog = std::make_unique<QDialog>();
    auto* yes = new QPushButton("&Yes", dialog.get());
    auto* option = new QRadioButton("Annual", dialog.get());
    yes->setDefault(true);
    EnterPressesButtons(dialog.get());
    EnterPressesButtons(dialog.get());  // once is enough; a second call changes nothing
    QSignalSpy clicks(yes, &QPushButton::clicked);
    dialog = test::ShowActive(std::move(dialog));
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Return);
    EXPECT_TRUE(option->isChecked() && clicks.empty());
    yes->setFocus();
    QTest::keyClick(yes, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks.count(), 1);
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
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        hourglass.restore();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        HourglassCursor second;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace bw
