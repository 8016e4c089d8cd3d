// The desktop program as a whole: command line, start-up, the frame and its dialogs, the help
// file, the personalize dialog and the feature windows opened from the main menu.

#include <gtest/gtest.h>

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <set>

#include "app/desktop_program.h"
#include "shell/mdi_container.h"
#include "shell/menu_main.h"
#include "shell/twips.h"
#include "support/window_context.h"

namespace bw {
namespace {

using test::ReadAll;
using test::Settle;

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

// The help file that goes with the program: installed next to it, every link leads to a section.
TEST(HelpFile, IsInstalledAndItsLinksLeadToSections) {
    const std::string html = ReadAll(BW_SOURCE_HELP_FILE);
    ASSERT_FALSE(html.empty());
    EXPECT_EQ(ReadAll(QString(BW_PROGRAM_DIR) + "/Bwluse.hlp"), html);
    const QString text = QString::fromStdString(html);
    std::set<QString> anchors;
    for (const auto& m : QRegularExpression(R"(<a name="([^"]+)\")").globalMatch(text))
        anchors.insert(m.captured(1));
    int links = 0;
    for (const auto& m : QRegularExpression(R"(href="#([^"]+)\")").globalMatch(text)) {
        ++links;
        EXPECT_TRUE(anchors.count(m.captured(1))) << m.captured(1).toStdString();
    }
    EXPECT_GT(links, 20);
}

// A guide to every window of the program, and every message it can show explained.
TEST(HelpFile, ExplainsEveryWindowAndMessage) {
    const std::string html = ReadAll(BW_SOURCE_HELP_FILE);
    for (const char* text : {"Starting the program and the main menu",
                             "Mortgage Tables and Personal Loan Tables",
                             "Additional payments",
                             "Days in year",
                             "Payment dates",
                             "Quick help",
                             "Opening and saving files",
                             "Printing",
                             "Graphs",
                             "Mortgage Comparisons",
                             "Mortgage Affordability",
                             "Personalize Settings",
                             "No data to print. Calculate.",
                             "Wrong entry, try again.",
                             "Wrong entry, 40 Years limit.",
                             "Wrong entry, 480 Month limit.",
                             "No Data to work with. Calculate.",
                             "Not a valid date, try again.",
                             "No Records to save.",
                             "Must be between 363 and 365.25 days",
                             "12 Row limit."})
        EXPECT_NE(html.find(text), std::string::npos) << text;
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
        {DesktopProgram::HasPlannerWindow(), "MPlanner", " Mortgage Planner", "PExit", 0},
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
        EXPECT_TRUE(c.mode == 0 || p.state().TableMode == c.mode);
        QMdiSubWindow* sub = p.frame().subWindowOf(feature);
        ASSERT_NE(sub, nullptr);
        // Placed by the rule in a frame that has grown to show it whole where the screen
        // allows.
        EXPECT_EQ(sub->pos(), p.frame().placementPixels());
        const QRect shown = sub->geometry().marginsRemoved(sub->contentsMargins());
        const QSize room = p.frame().screen()->availableGeometry().size() -
                           (p.frame().frameGeometry().size() - p.frame().size());
        EXPECT_TRUE(shown.right() < p.frame().width() || p.frame().width() == room.width());
        EXPECT_TRUE(shown.bottom() < p.frame().height() || p.frame().height() == room.height());

        feature->findChild<QPushButton*>(c.exitButton)->click();
        Settle();
        EXPECT_TRUE(p.menu().isVisible());
        EXPECT_EQ(p.frame().windowTitle(), " Brindlewood Menu");
        EXPECT_EQ(p.frame().area()->subWindowList().size(), 1);
    }
}

}  // namespace
}  // namespace bw
