// The main menu: the start-up steps, the feature buttons, help, personalize and exit.

#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "shell/change_fnt.h"
#include "shell/help_window.h"
#include "shell/menu_main.h"
#include "support/window_context.h"

namespace bw {
namespace {

class MainMenu : public ::testing::Test, public test::WindowContext {
  protected:
    MainMenu() { mm.ProgramFolder = folder.path().toStdString(); }
    ~MainMenu() override { QDir::setCurrent(previousFolder); }
    QString file(const QString& name) const { return folder.filePath(name); }
    std::unique_ptr<MenuMain> load() { return std::make_unique<MenuMain>(ctx); }

    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
};

// Loading makes the program's folder current and sets the start-up values, then takes the
// settings file where there is one; its name shows under the title.
TEST_F(MainMenu, StartUpTakesTheSettingsFile) {
    mm.PrePayMonth = 3;
    mm.FirstPayDate.clear();
    auto menu = load();
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    EXPECT_EQ(mm.PrePayMonth, 12);
    EXPECT_EQ(mm.FirstPayDate, ShortDateText(QDate::currentDate()));
    EXPECT_TRUE(menu->MyName->isHidden());
    test::WriteBytes(file("Personal.Mtg").toStdString(), "1,\"Jane Q. Public\",\"\xC2\xA3\",3\r\n");
    menu = load();
    EXPECT_EQ(mm.CurrencySymbol + mm.UserName, "\xC2\xA3Jane Q. Public");
    EXPECT_FALSE(menu->MyName->isHidden());
    EXPECT_EQ(menu->MyName->text(), "Jane Q. Public");
}

// Each button opens its window in the frame, one at a time (which window, in which mode: the
// program's test); Enter on the exit button ends the program.
TEST_F(MainMenu, FeatureButtonsHideTheMenuAndShowOneWindowAtATime) {
    auto menu = load();
    menu->show();
    menu->MortCalc->click();  // none built in
    EXPECT_TRUE(menu->isVisible());
    int opened = 0;
    const WindowFactory make = [&opened](AppContext&) -> QWidget* {
        ++opened;
        return new QLabel;
    };
    menu->setWindowFactories({make, make, make, make});
    for (QPushButton* b :
         {menu->MortCalc, menu->PersonalLoan, menu->CompMort, menu->MFindFactor, menu->MPlanner}) {
        b->click();
        EXPECT_TRUE(menu->isHidden());
        EXPECT_EQ(menu->featureWindow(), frame.children.back());
        menu->MortCalc->click();  // one calculator window at a time
        menu->show();             // as its "E&xit to Menu" does
        delete frame.children.back();
    }
    EXPECT_EQ(opened, 5);
    menu = test::ShowActive(std::move(menu));
    QSignalSpy ended(menu.get(), &MenuMain::programEnd);
    menu->EndMort->setFocus();
    QTest::keyClick(menu->EndMort, Qt::Key_Return);
    EXPECT_EQ(ended.count(), 1);
}

// Without a help file the window says where it was looked for.
TEST_F(MainMenu, HowToUseOpensTheHelpFileMaximizedWithTheFocus) {
    auto menu = load();
    menu->HowUse->click();
    EXPECT_TRUE(menu->helpWindow()->HelpText->toPlainText().contains(file("Bwluse.hlp")));
    menu->helpWindow()->close();
    test::WriteBytes(file("Bwluse.hlp").toStdString(), "<html><h1>Using Brindlewood</h1></html>");
    menu->HowUse->click();
    HelpWindow* help = menu->helpWindow();
    EXPECT_TRUE(help->isVisible() && help->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(help->focusWidget(), help->HelpText);
    EXPECT_TRUE(help->HelpText->toPlainText().contains("Using Brindlewood"));
    QApplication::setActiveWindow(help);
    QTest::keyClick(help->HelpText, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

// Closed however, even with Escape, the dialog leaves the menu showing the name in memory.
TEST_F(MainMenu, PersonalizeShowsTheDialogModallyAndTheNameInMemoryAfterwards) {
    auto menu = load();
    menu->show();
    test::ModalDriver<ChangeFnt> driver([](ChangeFnt& d) {
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QTest::keyClicks(d.InMyName, "Lee");
        QTest::keyClick(d.InMyName, Qt::Key_Escape);
    });
    menu->PtrFnt->click();
    EXPECT_TRUE(driver.ran() && menu->isVisible());
    EXPECT_EQ(menu->MyName->text(), "Lee");
    EXPECT_EQ(mm.UserName, "Lee");
}

}  // namespace
}  // namespace bw
