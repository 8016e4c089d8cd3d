// The personalize dialog: loading the settings, the choices and boxes, and the settings file
// written by "E&xit to Menu".

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>

#include "shell/change_fnt.h"
#include "support/window_context.h"

namespace bw {
namespace {

class Personalize : public ::testing::Test, public test::WindowContext {
  protected:
    Personalize() { mm.ProgramFolder = folder.path().toStdString(); }
    std::string written() const {
        return test::ReadBytes(folder.filePath("Personal.Mtg").toStdString());
    }
    QTemporaryDir folder;
};

// The dialog shows the current settings; choices take effect at once; the symbol box is emptied
// by a click or by the first key when reached with the keyboard, and taken on leaving; Enter
// moves from box to box and presses the focused button.
TEST_F(Personalize, ShowsTheSettingsTakesChoicesAtOnceAndWritesThemOnExit) {
    mm.DefaultCompounding = 3;
    mm.PrinterFontChoice = 1;
    mm.UserName = "Kim";
    mm.FrameClass = 8670;
    auto d = openWindow<ChangeFnt>();
    EXPECT_EQ(frame.frameCaption(), " Personalize");
    EXPECT_TRUE(d->CPeriod[3]->isChecked() && d->PtrFt[1]->isChecked());
    // 4000, 2000 twips from the frame's corner.
    EXPECT_EQ(
        std::tuple(d->InSy->text() + d->InMyName->text(), QApplication::focusWidget(), d->pos()),
        std::tuple("$Kim", (QWidget*)d->InMyName, QPoint(267, 133)));
    test::PickOption(d->CPeriod[4]);
    test::PickOption(d->PtrFt[0]);
    EXPECT_EQ(mm.DefaultCompounding * 10 + mm.PrinterFontChoice, 40);
    d->InSy->setFocus();
    test::TypeKeys(d->InSy, "E\n");
    EXPECT_EQ(mm.CurrencySymbol, "E");
    QTest::mouseClick(d->InSy, Qt::LeftButton);
    EXPECT_EQ(d->InSy->text(), "");
    test::TypeKeys(d->InSy, "\n");
    d->InMyName->selectAll();
    test::TypeKeys(d->InMyName, " \"Ann\" \n");
    EXPECT_EQ(written(), "");  // written only on exit
    QTest::keyClick(d->ExitFonts, Qt::Key_Return);
    EXPECT_EQ(std::tuple(written(), d->result(), frame.frameCaption()),
              std::tuple("0,\" Ann \",\"\",4\r\n", int(QDialog::Accepted), " Brindlewood Menu"));
}

// Closed another way the dialog writes no file; a file that cannot be written is passed over.
TEST_F(Personalize, ClosedAnotherWayOrUnwritableWritesNothing) {
    mm.DefaultCompounding = 9;  // outside the choices: no option on
    auto d = openWindow<ChangeFnt>();
    for (QRadioButton* b : d->CPeriod) EXPECT_FALSE(b->isChecked());
    d->close();
    EXPECT_EQ(std::pair(d->result(), written()), std::pair(int(QDialog::Rejected), std::string()));
    mm.ProgramFolder = folder.filePath("no/such/folder").toStdString();
    d = openWindow<ChangeFnt>();
    d->ExitFonts->click();
    EXPECT_TRUE(d->result() == QDialog::Accepted && port.messages.empty());
}

}  // namespace
}  // namespace bw
