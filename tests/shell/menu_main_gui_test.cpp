// The main menu: its controls, the start-up steps, the feature buttons, help and exit.

#include <gtest/gtest.h>

#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include "gui_helpers.h"
#include "shell/change_fnt.h"
#include "shell/dates.h"
#include "shell/help_window.h"
#include "shell/menu_main.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"

namespace bw {
namespace {

class MainMenu : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        mm.ProgramFolder = folder.path().toStdString();
        previousFolder = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    QString file(const QString& name) const { return folder.filePath(name); }
    void writeSettings(const std::string& line) { test::WriteAll(file("Personal.Mtg"), line); }
    std::unique_ptr<MenuMain> load() { return std::make_unique<MenuMain>(ctx); }

    QTemporaryDir folder;
    QString previousFolder;
    MMODULE mm;
    test::RecordingMessagePort port{&mm};
    test::TestFrame frame;
    AppContext ctx{mm, port, frame};
};

TEST_F(MainMenu, HasEveryButtonWithItsCaptionAndAccessKey) {
    auto menu = load();
    const std::pair<const char*, const char*> buttons[] = {
        {"MortCalc", "Mortgage &Tables"},      {"PersonalLoan", "Personal &Loan Tables"},
        {"CompMort", "Mortgage &Comparisons"}, {"MFindFactor", "&Mortgage Affordability"},
        {"PtrFnt", "&Personalize Settings"},   {"HowUse", "&How to Use the Program"},
        {"EndMort", "E&xit Program"},
    };
    for (const auto& [name, caption] : buttons) {
        auto* button = menu->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption) << name;
    }
    EXPECT_EQ(menu->findChildren<QPushButton*>().size(), 7);
}

TEST_F(MainMenu, TitleLabelUsesASerifFont) {
    auto menu = load();
    EXPECT_EQ(menu->Label2->text(), "Brindlewood Win9");
    EXPECT_EQ(menu->Label2->objectName(), "Label2");
    const QString family = QFontInfo(menu->Label2->font()).family();
    EXPECT_TRUE(family == "MS Serif" || family.contains("Serif")) << family.toStdString();
    EXPECT_FALSE(family.contains("Sans")) << family.toStdString();
}

TEST_F(MainMenu, StartUpWithoutSettingsFile) {
    mm.PrePayMonth = 3;
    mm.CurrencySymbol = "x";
    auto menu = load();
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    EXPECT_EQ(mm.CurrencySymbol, "$");
    EXPECT_EQ(mm.UserName, "");
    EXPECT_EQ(mm.PrinterFontChoice, 0);
    EXPECT_EQ(mm.DefaultCompounding, 0);
    EXPECT_TRUE(menu->MyName->isHidden());
    EXPECT_EQ(mm.PrePayMonth, 12);
    EXPECT_EQ(mm.FirstPayDate, ShortDateText(QDate::currentDate()));
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(MainMenu, StartUpReadsTheSettingsFile) {
    struct Case {
        const char* line;
        int font;
        const char* name;
        const char* symbol;
        int compounding;
    };
    const Case cases[] = {
        {"1,\"Jane Q. Public\",\"\xC2\xA3\",3\r\n", 1, "Jane Q. Public", "\xC2\xA3", 3},
        {"0,\"Ann, Lee\",\"DM\",4\r\n", 0, "Ann, Lee", "DM", 4},
        // More than four fields: read as if it had four.
        {"1,\"Bo\",\"kr\",2,\"extra\",7,8\r\n", 1, "Bo", "kr", 2},
        // An empty symbol starts with "$"; an empty name keeps the label hidden.
        {"0,\"\",\"\",1\r\n", 0, "", "$", 1},
        // Damaged lines: the settings file tests.
        {"garbage", 0, "", "$", 0},
    };
    for (const Case& c : cases) {
        writeSettings(c.line);
        mm = MMODULE{};
        mm.ProgramFolder = folder.path().toStdString();
        auto menu = load();
        EXPECT_EQ(mm.PrinterFontChoice, c.font) << c.line;
        EXPECT_EQ(mm.UserName, c.name) << c.line;
        EXPECT_EQ(mm.CurrencySymbol, c.symbol) << c.line;
        EXPECT_EQ(mm.DefaultCompounding, c.compounding) << c.line;
        EXPECT_EQ(menu->MyName->isHidden(), std::string(c.name).empty()) << c.line;
        EXPECT_EQ(menu->MyName->text().toStdString(), c.name) << c.line;
    }
}

TEST_F(MainMenu, ProgramFolderThatDoesNotExistIsPassedOver) {
    mm.ProgramFolder = folder.filePath("missing").toStdString();
    const QString before = QDir::currentPath();
    auto menu = load();
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_EQ(mm.CurrencySymbol, "$");
    EXPECT_EQ(mm.PrePayMonth, 12);
    EXPECT_FALSE(mm.FirstPayDate.empty());
}

TEST_F(MainMenu, FeatureButtonsSetTheModeHideTheMenuAndShowTheWindow) {
    auto menu = load();
    menu->show();
    std::vector<int> modesSeen;
    int comparisons = 0;
    int affordability = 0;
    WindowFactories factories;
    factories.tables = [&](AppContext& c) -> QWidget* {
        modesSeen.push_back(c.mm.TableMode);
        return new QLabel("tables");
    };
    factories.comparison = [&](AppContext&) -> QWidget* {
        ++comparisons;
        return new QLabel("comparison");
    };
    factories.affordability = [&](AppContext&) -> QWidget* {
        ++affordability;
        return new QLabel("affordability");
    };
    menu->setWindowFactories(factories);

    struct Case {
        QPushButton* button;
        int mode;
    };
    for (const Case& c : {Case{menu->MortCalc, 1}, Case{menu->PersonalLoan, 2},
                          Case{menu->CompMort, 0}, Case{menu->MFindFactor, 0}}) {
        const std::size_t shownBefore = frame.children.size();
        c.button->click();
        EXPECT_TRUE(menu->isHidden()) << c.button->objectName().toStdString();
        ASSERT_EQ(frame.children.size(), shownBefore + 1);
        QWidget* window = frame.children.back();
        EXPECT_EQ(menu->featureWindow(), window);
        if (c.mode != 0) {
            EXPECT_EQ(mm.TableMode, c.mode);
        }
        // One calculator window at a time.
        menu->MortCalc->click();
        EXPECT_EQ(frame.children.size(), shownBefore + 1);
        // Its "E&xit to Menu" shows the menu again.
        menu->show();
        delete window;
    }
    EXPECT_EQ(modesSeen, (std::vector<int>{1, 2}));
    EXPECT_EQ(comparisons, 1);
    EXPECT_EQ(affordability, 1);
}

TEST_F(MainMenu, FeatureMissingFromTheBuildLeavesTheMenuShown) {
    auto menu = load();
    menu->show();
    for (QPushButton* b : {menu->MortCalc, menu->PersonalLoan, menu->CompMort, menu->MFindFactor}) {
        b->click();
        EXPECT_TRUE(menu->isVisible());
    }
    EXPECT_TRUE(frame.children.empty());
}

TEST_F(MainMenu, ExitProgramEndsTheProgram) {
    auto menu = load();
    QSignalSpy ended(menu.get(), &MenuMain::programEnd);
    menu->EndMort->click();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(MainMenu, HowToUseOpensTheHelpFileMaximizedWithTheFocus) {
    test::WriteAll(file("Bwluse.hlp"),
                   "<html><body><h1>Using Brindlewood</h1><p><a href=\"#menu\">Main menu</a></p>"
                   "<h2 id=\"menu\">The main menu</h2></body></html>");
    auto menu = load();
    menu->HowUse->click();
    HelpWindow* help = menu->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->focusWidget(), help->HelpText);
    EXPECT_TRUE(help->HelpText->toPlainText().contains("Using Brindlewood"));
    EXPECT_TRUE(port.messages.empty());

    // Escape closes it; pressed again, the guide comes back.
    QApplication::setActiveWindow(help);
    QTest::keyClick(help->HelpText, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    QApplication::processEvents();
    menu->HowUse->click();
    ASSERT_NE(menu->helpWindow(), nullptr);
    EXPECT_TRUE(menu->helpWindow()->isVisible());
}

TEST_F(MainMenu, HelpFileMissingNamesWhereItWasLookedFor) {
    auto menu = load();
    menu->HowUse->click();
    ASSERT_NE(menu->helpWindow(), nullptr);
    EXPECT_TRUE(menu->helpWindow()->HelpText->toPlainText().contains(file("Bwluse.hlp")));
    menu->helpWindow()->close();
}

TEST_F(MainMenu, PersonalizeShowsTheDialogModallyAndTheMenuAgain) {
    auto menu = load();
    menu->show();
    bool menuHiddenMeanwhile = false;
    QString captionMeanwhile;
    test::WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<ChangeFnt*>(modal);
        ASSERT_NE(dialog, nullptr);
        menuHiddenMeanwhile = menu->isHidden();
        captionMeanwhile = frame.frameCaption();
        dialog->InMyName->setText("Pat Doe");
        dialog->ExitFonts->click();
    });
    menu->PtrFnt->click();
    EXPECT_TRUE(menuHiddenMeanwhile);
    EXPECT_EQ(captionMeanwhile, " Personalize");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_FALSE(menu->MyName->isHidden());
    EXPECT_EQ(menu->MyName->text(), "Pat Doe");
    EXPECT_EQ(test::ReadAll(file("Personal.Mtg")), "0,\"Pat Doe\",\"$\",0\r\n");
}

TEST_F(MainMenu, PersonalizeClosedByItsCloseBoxRestoresTheMenuCaption) {
    auto menu = load();
    menu->show();
    test::WhenModal([](QWidget* modal) { modal->close(); });
    menu->PtrFnt->click();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_FALSE(QFile::exists(file("Personal.Mtg")));
}

}  // namespace
}  // namespace bw
