#include "app/desktop_program.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>

#include "shell/dialog_message_port.h"
#include "shell/mdi_container.h"
#include "shell/menu_main.h"
#include "shell/program_folder.h"

// The feature windows are built in their own folders; a build without one of them still runs,
// with that menu command doing nothing.
#if __has_include("tables/mortgage_calc.h")
#include "tables/mortgage_calc.h"
#define BW_HAS_TABLES_WINDOW 1
#endif
#if __has_include("compare/mort_comp.h")
#include "compare/mort_comp.h"
#define BW_HAS_COMPARISON_WINDOW 1
#endif
#if __has_include("plan/mort_planner.h")
#include "plan/mort_planner.h"
#define BW_HAS_PLANNER_WINDOW 1
#endif
#if __has_include("afford/mort_find_factor.h")
#include "afford/mort_find_factor.h"
#define BW_HAS_AFFORDABILITY_WINDOW 1
#endif

namespace bw {

ProgramOptions ParseProgramArguments(const QStringList& arguments, const QString& defaultFolder) {
    ProgramOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Brindlewood: mortgage and loan tables, comparisons and affordability.");
    const QCommandLineOption helpOption({"h", "help"}, "Shows this help.");
    const QCommandLineOption versionOption({"v", "version"}, "Shows the program's version.");
    const QCommandLineOption folderOption(
        "folder",
        "The program's folder, where the settings file Personal.Mtg is kept. By default the "
        "program's own folder when you may write there, else your data folder "
        "(~/.local/share/Brindlewood).",
        "DIR");
    const QCommandLineOption checkOption(
        "check-start", "Starts, says what the main menu shows and quits (checks an installation).");
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(folderOption);
    parser.addOption(checkOption);
    // Named as installed, also where no application object has told the parser its name yet.
    options.usage = parser.helpText();
    if (const auto end = options.usage.indexOf(" [options]"); end > 0)
        options.usage.replace(0, end, "Usage: brindlewood");
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = "Unexpected argument: " + parser.positionalArguments().first();
        return options;
    }
    options.showHelp = parser.isSet(helpOption);
    options.showVersion = parser.isSet(versionOption);
    options.checkStart = parser.isSet(checkOption);
    const QString folder = parser.isSet(folderOption) ? parser.value(folderOption) : defaultFolder;
    options.folder = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
    return options;
}

DesktopProgram::DesktopProgram(const QString& folder) {
    mm_.ProgramFolder = folder.toStdString();
    frame_ = std::make_unique<MDIContainer>(mm_);
    port_ = std::make_unique<DialogMessagePort>(mm_, *frame_);
    ctx_ = std::make_unique<AppContext>(AppContext{mm_, *port_, *frame_});

    menu_ = new MenuMain(*ctx_);
    WindowFactories factories;
#ifdef BW_HAS_TABLES_WINDOW
    factories.tables = [](AppContext& ctx) -> QWidget* { return new MortgageCalc(ctx); };
#endif
#ifdef BW_HAS_COMPARISON_WINDOW
    factories.comparison = [](AppContext& ctx) -> QWidget* { return new MortComp(ctx); };
#endif
#ifdef BW_HAS_AFFORDABILITY_WINDOW
    factories.affordability = [](AppContext& ctx) -> QWidget* { return new MortFindFactor(ctx); };
#endif
#ifdef BW_HAS_PLANNER_WINDOW
    factories.planner = [](AppContext& ctx) -> QWidget* { return new MortPlanner(ctx); };
#endif
    menu_->setWindowFactories(std::move(factories));
    frame_->load(menu_);
}

DesktopProgram::~DesktopProgram() {
    // The windows go first: they may still use the shared state and the message dialogs.
    frame_.reset();
}

void DesktopProgram::show() {
    frame_->show();
}

QString DesktopProgram::startReport() const {
    if (!menu_->isVisible()) return {};
    QString report = "main menu shown: " + frame_->frameCaption().trimmed() + "\n";
    report += "program folder: " + QString::fromStdString(mm_.ProgramFolder) + "\n";
    const std::string help = FirstReadableFile(HelpFilePlaces(
        mm_.ProgramFolder, QCoreApplication::applicationDirPath().toStdString(), kHelpFileName));
    report += "help file: " + QString::fromStdString(help.empty() ? "(not found)" : help) + "\n";
    if (menu_->MyName->isVisible()) report += "user name: " + menu_->MyName->text() + "\n";
    return report;
}

bool DesktopProgram::HasTablesWindow() {
#ifdef BW_HAS_TABLES_WINDOW
    return true;
#else
    return false;
#endif
}

bool DesktopProgram::HasComparisonWindow() {
#ifdef BW_HAS_COMPARISON_WINDOW
    return true;
#else
    return false;
#endif
}

bool DesktopProgram::HasPlannerWindow() {
#ifdef BW_HAS_PLANNER_WINDOW
    return true;
#else
    return false;
#endif
}

bool DesktopProgram::HasAffordabilityWindow() {
#ifdef BW_HAS_AFFORDABILITY_WINDOW
    return true;
#else
    return false;
#endif
}

}  // namespace bw
