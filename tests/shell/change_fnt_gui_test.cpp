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
    EXPECT_EQ(d->InSy->accessibleName(), "Change the currency symbol");
    EXPECT_EQ(d->InSy->palette().color(QPalette::Base), QColor(255, 255, 0));
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
