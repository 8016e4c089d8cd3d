// The desktop program as a whole: command line, start-up, the frame and its dialogs, the help
// file, the personalize dialog and the feature windows opened from the main menu.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <set>

#include "app/desktop_program.h"
#include "shell/a_msgbox.h"
#include "shell/change_fnt.h"
#include "shell/dates.h"
#include "shell/help_window.h"
#include "shell/mdi_container.h"
#include "shell/menu_main.h"
#include "shell/twips.h"
#include "support/gui_drive.h"

namespace bw {
namespace {

using test::ReadAll;
using test::Settle;
using test::WhenModal;
using test::WriteAll;

TEST(ProgramArguments, FolderOptionAndItsDefault) {
    const QString exeDir = "/opt/brindlewood";
    struct Case {
        QStringList args;
        QString folder;
        bool error;
        bool help;
    };
    const Case cases[] = {
        {{"brindlewood"}, exeDir, false, false},
        {{"brindlewood", "--folder", "/tmp/tables"}, "/tmp/tables", false, false},
        {{"brindlewood", "--folder=/srv/b/"}, "/srv/b", false, false},
        {{"brindlewood", "--folder", "sub"}, QDir::current().absoluteFilePath("sub"), false, false},
        {{"brindlewood", "--help"}, exeDir, false, true},
        {{"brindlewood", "--folder"}, {}, true, false},
        {{"brindlewood", "--colour"}, {}, true, false},
        {{"brindlewood", "stray"}, {}, true, false},
    };
    for (const Case& c : cases) {
        const ProgramOptions o = ParseProgramArguments(c.args, exeDir);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(!o.error.isEmpty(), c.error) << what;
        if (c.error) continue;
        EXPECT_EQ(o.folder, c.folder) << what;
        EXPECT_EQ(o.showHelp, c.help) << what;
    }
    EXPECT_TRUE(ParseProgramArguments({"brindlewood"}, exeDir).usage.contains("--folder"));
}

class Program : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
    }
    void TearDown() override {
        program.reset();
        QDir::setCurrent(previous);
    }
    QString file(const QString& name) const { return folder.filePath(name); }
    DesktopProgram& start() {
        program = std::make_unique<DesktopProgram>(folder.path());
        program->show();
        Settle();
        return *program;
    }
    QMdiSubWindow* menuWindow() { return program->frame().subWindowOf(&program->menu()); }

    QTemporaryDir folder;
    QString previous;
    std::unique_ptr<DesktopProgram> program;
};

// The frame shows the menu, and the settings are those of the program's folder (the frame's
// start size and the menu's place: the shell tests).
TEST_F(Program, StartsWithoutSettingsFile) {
    DesktopProgram& p = start();
    EXPECT_EQ(p.frame().windowTitle(), " Brindlewood Menu");
    EXPECT_TRUE(p.menu().isVisible());
    EXPECT_EQ(p.state().CurrencySymbol, "$");
    EXPECT_EQ(p.state().ProgramFolder, folder.path().toStdString());
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());
}

TEST_F(Program, MessageDialogOpensBesideTheFrameCorner) {
    DesktopProgram& p = start();
    p.frame().move(100, 80);
    Settle();
    QPoint shownAt;
    QWidget* parent = nullptr;
    WhenModal([&](QWidget* modal) {
        shownAt = modal->pos();
        parent = modal->parentWidget();
        qobject_cast<AMsgbox*>(modal)->AMsgExit->click();
    });
    p.context().messages.showMessage(5);
    EXPECT_EQ(shownAt, QPoint(100 + 240, 80 + 133));  // 3600, 2000 twips
    EXPECT_EQ(parent, &p.frame());
    EXPECT_EQ(p.state().MessageCode, 5);
}

TEST_F(Program, PersonalizeWritesTheSettingsReadAtTheNextStart) {
    start();
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<ChangeFnt*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->InSy->setText(" E ");
        dialog->InMyName->setText("Lee Ames");
        dialog->CPeriod[3]->click();
        dialog->ExitFonts->click();
    });
    program->menu().PtrFnt->click();
    EXPECT_EQ(ReadAll(file("Personal.Mtg")), "0,\"Lee Ames\",\"E\",3\r\n");
    EXPECT_TRUE(program->menu().isVisible());
    EXPECT_EQ(program->frame().windowTitle(), " Brindlewood Menu");
    EXPECT_EQ(program->menu().MyName->text(), "Lee Ames");

    DesktopProgram& again = start();
    EXPECT_EQ(again.state().UserName, "Lee Ames");
    EXPECT_EQ(again.state().CurrencySymbol, "E");
    EXPECT_EQ(again.state().DefaultCompounding, 3);
    EXPECT_TRUE(again.menu().MyName->isVisible());
}

TEST_F(Program, ExitProgramEnds) {
    DesktopProgram& p = start();
    QSignalSpy ended(&p.menu(), &MenuMain::programEnd);
    // By its access key, Alt+X, in the frame (the button itself: the menu tests).
    QApplication::setActiveWindow(&p.frame());
    QTest::keyClick(&p.frame(), Qt::Key_X, Qt::AltModifier);
    QTest::qWait(300);  // a button pressed by its access key shows itself pressed first
    EXPECT_EQ(ended.count(), 1);
}

// The help file that goes with the program.
class HelpFile : public Program {
  protected:
    void SetUp() override {
        Program::SetUp();
        html = ReadAll(BW_SOURCE_HELP_FILE);
        ASSERT_FALSE(html.empty());
    }
    std::string html;
};

TEST_F(HelpFile, IsInstalledNextToTheProgram) {
    EXPECT_EQ(ReadAll(QString(BW_PROGRAM_DIR) + "/Bwluse.hlp"), html);
}

TEST_F(HelpFile, EveryLinkLeadsToASection) {
    const QString text = QString::fromStdString(html);
    std::set<QString> anchors;
    for (const auto& m : QRegularExpression(R"(<a name="([^"]+)\")").globalMatch(text)) {
        anchors.insert(m.captured(1));
    }
    int links = 0;
    for (const auto& m : QRegularExpression(R"(href="#([^"]+)\")").globalMatch(text)) {
        ++links;
        EXPECT_TRUE(anchors.count(m.captured(1))) << m.captured(1).toStdString();
    }
    EXPECT_GT(links, 20);
}

TEST_F(HelpFile, HowToUseShowsItMaximizedWithTheFocus) {
    ASSERT_TRUE(QFile::copy(BW_SOURCE_HELP_FILE, file("Bwluse.hlp")));
    DesktopProgram& p = start();
    p.menu().HowUse->click();
    Settle();
    HelpWindow* help = p.menu().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(help->focusWidget(), help->HelpText);
    const QString shown = help->HelpText->toPlainText();
    // A guide to every window of the program.
    for (const char* section :
         {"Starting the program and the main menu", "Mortgage Tables and Personal Loan Tables",
          "Additional payments", "Days in year", "Term", "Payment dates", "Quick help",
          "Opening and saving files", "Printing", "Graphs", "Mortgage Comparisons",
          "Mortgage Affordability", "Personalize Settings", "Messages"}) {
        EXPECT_TRUE(shown.contains(section)) << section;
    }
    // Every message the program can show is explained.
    for (const char* message :
         {"No data to print. Calculate.", "Wrong entry, try again.", "Wrong entry, 40 Years limit.",
          "Wrong entry, 480 Month limit.", "No Data to work with. Calculate.",
          "Not a valid date, try again.", "No Records to save.",
          "Must be between 363 and 365.25 days", "12 Row limit."}) {
        EXPECT_TRUE(shown.contains(message)) << message;
    }
    help->close();
}

// The feature windows this build has, opened from the menu and left by their exit button.
TEST_F(Program, FeatureWindowsOpenFromTheMenuAndReturnToIt) {
    struct Case {
        bool present;
        const char* button;
        const char* caption;
        const char* exitButton;
        int mode;
    };
    const Case cases[] = {
        {DesktopProgram::HasTablesWindow(), "MortCalc", " Mortgage Tables", "MExit", 1},
        {DesktopProgram::HasTablesWindow(), "PersonalLoan", " Loan Tables", "MExit", 2},
        {DesktopProgram::HasComparisonWindow(), "CompMort", " Mortgage Comparison Tables", "MCExit",
         0},
        {DesktopProgram::HasAffordabilityWindow(), "MFindFactor", " Mortgage Affordability",
         "MFExit", 0},
    };
    DesktopProgram& p = start();
    for (const Case& c : cases) {
        if (!c.present) continue;
        SCOPED_TRACE(c.button);
        p.menu().findChild<QPushButton*>(c.button)->click();
        Settle();
        QWidget* feature = p.menu().featureWindow();
        ASSERT_NE(feature, nullptr);
        EXPECT_FALSE(p.menu().isVisible());
        EXPECT_TRUE(feature->isVisible());
        EXPECT_EQ(p.frame().windowTitle(), c.caption);
        if (c.mode != 0) {
            EXPECT_EQ(p.state().TableMode, c.mode);
        }
        QMdiSubWindow* sub = p.frame().subWindowOf(feature);
        ASSERT_NE(sub, nullptr);
        // Placed by the rule in a frame that has grown to show it whole where the screen
        // allows.
        EXPECT_EQ(p.state().FrameClass, FrameClassForHeight(ToTwips(p.frame().height())));
        EXPECT_EQ(sub->pos(), p.frame().placementPixels());
        const QRect shown = sub->geometry().marginsRemoved(sub->contentsMargins());
        const QSize room = p.frame().screen()->availableGeometry().size() -
                           (p.frame().frameGeometry().size() - p.frame().size());
        EXPECT_TRUE(shown.right() < p.frame().width() || p.frame().width() == room.width());
        EXPECT_TRUE(shown.bottom() < p.frame().height() || p.frame().height() == room.height());
        EXPECT_EQ(p.frame().area()->currentSubWindow(), sub);

        auto* exit = feature->findChild<QPushButton*>(c.exitButton);
        ASSERT_NE(exit, nullptr);
        exit->click();
        Settle();
        EXPECT_TRUE(p.menu().isVisible());
        EXPECT_EQ(p.frame().windowTitle(), " Brindlewood Menu");
        EXPECT_EQ(menuWindow()->pos(), p.frame().placementPixels());
        EXPECT_EQ(p.frame().area()->subWindowList().size(), 1);
    }
}

// Pictures of the program's own windows, taken when BW_SCREENSHOTS names a folder.
TEST_F(Program, Screenshots) {
    const QString out = qEnvironmentVariable("BW_SCREENSHOTS");
    if (out.isEmpty()) GTEST_SKIP() << "set BW_SCREENSHOTS to a folder to take screenshots";
    QDir().mkpath(out);
    WriteAll(file("Personal.Mtg"), "0,\"Jane Q. Public\",\"$\",0\r\n");
    ASSERT_TRUE(QFile::copy(BW_SOURCE_HELP_FILE, file("Bwluse.hlp")));
    DesktopProgram& p = start();
    p.frame().grab().save(out + "/main-menu.png");

    auto grabModal = [&](const QString& name, std::function<void(QWidget*)> close) {
        WhenModal([=](QWidget* modal) {
            modal->grab().save(out + "/" + name + ".png");
            close(modal);
        });
    };
    grabModal("message-4", [](QWidget* m) { m->close(); });
    p.context().messages.showMessage(4);
    grabModal("message-34", [](QWidget* m) { m->close(); });
    p.context().messages.showMessage(34);
    grabModal("question-1", [](QWidget* m) { m->close(); });
    p.context().messages.askQuestion(1);
    grabModal("personalize", [](QWidget* m) { m->close(); });
    p.menu().PtrFnt->click();

    p.menu().HowUse->click();
    Settle();
    ASSERT_NE(p.menu().helpWindow(), nullptr);
    p.menu().helpWindow()->resize(1000, 720);
    Settle();
    p.menu().helpWindow()->grab().save(out + "/help-window.png");
    p.menu().helpWindow()->close();

    if (DesktopProgram::HasTablesWindow()) {
        p.menu().MortCalc->click();
        Settle();
        p.frame().grab().save(out + "/frame-with-tables-window.png");
    }
}

}  // namespace
}  // namespace bw
