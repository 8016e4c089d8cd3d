// The personalize dialog: its controls, loading, the symbol and name boxes, and the settings
// file written by "E&xit to Menu".

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "shell/change_fnt.h"
#include "support/window_context.h"

namespace bw {
namespace {

class Personalize : public ::testing::Test, public test::WindowContext {
  protected:
    Personalize() { mm.ProgramFolder = folder.path().toStdString(); }
    std::string written() const { return test::ReadAll(folder.filePath("Personal.Mtg")); }
    std::unique_ptr<ChangeFnt> open() { return test::ShowActive(std::make_unique<ChangeFnt>(ctx)); }

    QTemporaryDir folder;
};

QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

TEST_F(Personalize, ControlsHaveTheirCaptionsPlacesAndNames) {
    ChangeFnt d(ctx);
    EXPECT_EQ(d.windowTitle(), "Personalize");
    EXPECT_EQ(d.size(), QSize(Px(3675), Px(4530)));
    const std::tuple<QWidget*, QString, QRect> controls[] = {
        {d.Frame1, "Change interest compound period", Twips(270, 45, 3165, 1140)},
        {d.CPeriod[0], "Monthly", Twips(135, 270, 1095, 285)},
        {d.CPeriod[1], "Bi-Monthly", Twips(135, 540, 1365, 285)},
        {d.CPeriod[2], "Quarterly", Twips(135, 810, 1095, 285)},
        {d.CPeriod[3], "Semi-Annual", Twips(1620, 270, 1410, 285)},
        {d.CPeriod[4], "Annual", Twips(1620, 540, 1095, 285)},
        {d.Frame2, "Change printer fonts", Twips(270, 1305, 3165, 885)},
        {d.PtrFt[0], "Standard printer font.", Twips(135, 270, 2310, 255)},
        {d.PtrFt[1], "Courier New 11 point font.", Twips(135, 540, 2940, 255)},
        {d.Label3, " Change the currency symbol", Twips(270, 2250, 2820, 285)},
        {d.InSy, "$", Twips(3105, 2250, 330, 285)},
        {d.Label2, " Type in your name", Twips(270, 2610, 3165, 600)},
        {d.InMyName, "", Twips(405, 2880, 2940, 285)},
        {d.Label1, "", Twips(0, 4095, 3660, 420)},
        {d.ExitFonts, "E&xit to Menu", Twips(1125, 4140, 1635, 325)},
    };
    for (const auto& [widget, caption, place] : controls) {
        auto* frame = qobject_cast<QGroupBox*>(widget);
        EXPECT_EQ(frame ? frame->title() : test::TextOf(widget), caption);
        EXPECT_EQ(widget->geometry(), place) << caption.toStdString();
    }
    EXPECT_EQ(d.InSy->maxLength(), 2);
    EXPECT_EQ(d.InMyName->maxLength(), 97);
    EXPECT_EQ(d.InSy->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(d.Label3->palette().color(QPalette::Window), QColor(0, 255, 255));
    EXPECT_EQ(d.InSy->accessibleName(), "Change the currency symbol");
    EXPECT_EQ(d.InMyName->accessibleName(), "Type in your name");
}

TEST_F(Personalize, LoadingShowsTheCurrentSettingsAndPlacesTheDialog) {
    mm.DefaultCompounding = 3;
    mm.PrinterFontChoice = 1;
    mm.CurrencySymbol = "DM";
    mm.UserName = "Kim Ode";
    mm.FrameClass = 8670;
    auto d = open();
    EXPECT_EQ(frame.frameCaption(), " Personalize");
    EXPECT_TRUE(d->CPeriod[3]->isChecked());
    EXPECT_TRUE(d->PtrFt[1]->isChecked());
    EXPECT_EQ(d->InSy->text(), "DM");
    EXPECT_EQ(d->InMyName->text(), "Kim Ode");
    EXPECT_EQ(QApplication::focusWidget(), d->InMyName);  // the name box comes first
    EXPECT_EQ(d->pos(), QPoint(267, 133));  // 4000, 2000 twips from the frame's corner
}

TEST_F(Personalize, ChoicesTakeEffectAtOnceAndAreWrittenOnExit) {
    auto d = open();
    test::PickOption(d->CPeriod[4]);
    test::PickOption(d->PtrFt[1]);
    EXPECT_EQ(mm.DefaultCompounding, 4);
    EXPECT_EQ(mm.PrinterFontChoice, 1);
    QTest::keyClicks(d->InMyName, "  Ann \"Lee\" ");
    d->InSy->setFocus();  // reached with the keyboard: the first key empties the box
    QTest::keyClicks(d->InSy, " E");
    EXPECT_EQ(written(), "");  // written only on exit
    d->ExitFonts->setFocus();
    QTest::keyClick(d->ExitFonts, Qt::Key_Return);  // Enter presses the focused button
    EXPECT_EQ(written(), "1,\"  Ann Lee \",\"E\",4\r\n");
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
}

TEST_F(Personalize, ClickIntoTheSymbolBoxEmptiesIt) {
    auto d = open();
    QTest::mouseClick(d->InSy, Qt::LeftButton);
    EXPECT_EQ(d->InSy->text(), "");
    EXPECT_EQ(mm.TypingFlag, 1);
    d->InMyName->setFocus();
    EXPECT_EQ(mm.CurrencySymbol, "");  // taken on leaving the box
    EXPECT_EQ(mm.TypingFlag, 0);
    d->ExitFonts->click();
    EXPECT_EQ(written(), "0,\"\",\"\",0\r\n");
}

TEST_F(Personalize, EnterMovesBetweenTheBoxes) {
    auto d = open();
    QTest::keyClick(d->InMyName, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), d->ExitFonts);
    d->InSy->setFocus();
    QTest::keyClick(d->InSy, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), d->InMyName);
    EXPECT_TRUE(d->isVisible());
}

TEST_F(Personalize, FileThatCannotBeWrittenIsPassedOver) {
    mm.ProgramFolder = folder.filePath("no/such/folder").toStdString();
    auto d = open();
    d->ExitFonts->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(Personalize, ClosedAnotherWayWritesNoFile) {
    mm.DefaultCompounding = 9;  // outside the choices: no option on
    auto d = open();
    for (QRadioButton* b : d->CPeriod) EXPECT_FALSE(b->isChecked());
    test::PickOption(d->CPeriod[2]);
    d->close();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(written(), "");
    EXPECT_EQ(mm.DefaultCompounding, 2);  // the choice was taken at once
}

}  // namespace
}  // namespace bw
