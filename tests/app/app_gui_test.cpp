// The desktop program as a whole: command line, start-up, the help file and the feature windows
// opened from the main menu.

#include <gtest/gtest.h>

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <set>

#include "app/desktop_program.h"
#include "shell/mdi_container.h"
#include "shell/menu_main.h"
#include "support/window_context.h"

namespace bw {
namespace {

using test::Settle;

// What the command line asks for: the folder, or "help", "version", "check" or "error" (the usage
// text: the app_help test).
TEST(ProgramArguments, FolderOptionAndItsDefault) {
    const QString exe = "/opt/brindlewood";
    // clang-format off
    const std::pair<QStringList, QString> cases[] = {
        {{}, exe}, {{"--folder", "/tmp/tables"}, "/tmp/tables"}, {{"--folder=/srv/b/"}, "/srv/b"},
        {{"--folder", "sub"}, QDir::current().absoluteFilePath("sub")}, {{"--help"}, "help"},
        {{"-v"}, "version"}, {{"--check-start"}, "check"}, {{"--folder"}, "error"},
        {{"--colour"}, "error"}, {{"stray"}, "error"}};
    // clang-format on
    for (const auto& [args, want] : cases) {
        const ProgramOptions o = ParseProgramArguments(QStringList{"brindlewood"} + args, exe);
        const QString got = !o.error.isEmpty() ? "error"
                            : o.showHelp       ? "help"
                            : o.showVersion    ? "version"
                            : o.checkStart     ? "check"
                                               : o.folder;
        EXPECT_EQ(got, want) << args.join(' ').toStdString();
    }
}

// The help file that goes with the program: installed next to it, every link leads to a section,
// and every window and message of the program is explained.
TEST(HelpFile, IsInstalledExplainsEveryWindowAndMessageAndItsLinksLeadToSections) {
    const QString html = QString::fromStdString(test::ReadBytes(BW_SOURCE_HELP_FILE));
    ASSERT_FALSE(html.isEmpty());
    EXPECT_EQ(QString::fromStdString(test::ReadBytes(BW_PROGRAM_DIR "/Bwluse.hlp")), html);
    for (const QString& text :
         QString("Starting the program and the main menu|Mortgage Tables and Personal Loan Tables|"
                 "Additional payments|Days in year|Payment dates|Quick help|"
                 "Opening and saving files|Printing|Graphs|Mortgage Comparisons|"
                 "Mortgage Affordability|Personalize Settings|No data to print. Calculate.|"
                 "Wrong entry, try again.|Wrong entry, 40 Years limit.|"
                 "Wrong entry, 480 Month limit.|No Data to work with. Calculate.|"
                 "Not a valid date, try again.|No Records to save.|"
                 "Must be between 363 and 365.25 days|12 Row limit.")
             .split('|'))
        EXPECT_TRUE(html.contains(text)) << text.toStdString();
    std::set<QString> anchors;
    for (const auto& m : QRegularExpression(R"(<a name="([^"]+)\")").globalMatch(html))
        anchors.insert(m.captured(1));
    for (const auto& m : QRegularExpression(R"(href="#([^"]+)\")").globalMatch(html))
        EXPECT_TRUE(anchors.count(m.captured(1))) << m.captured(1).toStdString();
    EXPECT_GT(html.count("href=\"#"), 20);
}

// The program starts with the menu and the settings of its folder; the feature windows this
// build has open from the menu, placed in the frame, and return to it by their exit button.
TEST(Program, StartsWithTheMenuAndOpensTheFeatureWindowsFromIt) {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    DesktopProgram p(folder.path());
    p.show();
    Settle();
    EXPECT_EQ(std::tuple(p.menu().isVisible(), p.frame().windowTitle(), QDir::currentPath()),
              std::tuple(true, QString(" Brindlewood Menu"), QDir(folder.path()).canonicalPath()));
    const std::tuple<bool, const char*, const char*, const char*, int> cases[] = {
        {DesktopProgram::HasTablesWindow(), "MortCalc", " Mortgage Tables", "MExit", 1},
        {DesktopProgram::HasTablesWindow(), "PersonalLoan", " Loan Tables", "MExit", 2},
        {DesktopProgram::HasComparisonWindow(), "CompMort", " Mortgage Comparison Tables", "MCExit",
         0},
        {DesktopProgram::HasAffordabilityWindow(), "MFindFactor", " Mortgage Affordability",
         "MFExit", 0},
        {DesktopProgram::HasPlannerWindow(), "MPlanner", " Mortgage Planner", "PExit", 0}};
    for (const auto& [present, button, caption, exitButton, mode] : cases) {
        if (!present) continue;
        SCOPED_TRACE(button);
        p.menu().findChild<QPushButton*>(button)->click();
        Settle();
        QWidget* feature = p.menu().featureWindow();
        ASSERT_NE(feature, nullptr);
        EXPECT_TRUE(feature->isVisible() && !p.menu().isVisible() &&
                    p.frame().windowTitle() == caption &&
                    (mode == 0 || p.state().TableMode == mode));
        QMdiSubWindow* sub = p.frame().subWindowOf(feature);
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->pos(), p.frame().placementPixels());
        feature->findChild<QPushButton*>(exitButton)->click();
        Settle();
        EXPECT_TRUE(p.menu().isVisible() && p.frame().area()->subWindowList().size() == 1 &&
                    p.frame().windowTitle() == " Brindlewood Menu");
    }
    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace bw
