// brindlewood-cli: the program's engines and files from a shell.

#include <QCoreApplication>
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>
#ifdef BW_CLI_GRAPHS
#include <QApplication>
#endif

#include "cli/commands.h"
#include "shell/program_folder.h"

namespace {

const char* kUsage =
    "Usage: brindlewood-cli COMMAND [OPTIONS]\n"
    "Brindlewood's mortgage and loan tables, comparisons, affordability and plans from a shell.\n"
    "\n"
    "Commands:\n"
    "  table     a mortgage or personal loan schedule (brindlewood-cli table --help)\n"
    "  afford    payment, principal or years a mortgage allows (brindlewood-cli afford --help)\n"
    "  compare   up to 12 mortgages side by side (brindlewood-cli compare --help)\n"
    "  plan      a mortgage's whole life: renewals, prepayments, fees and the APR\n"
    "            (brindlewood-cli plan --help)\n"
    "  settings  the personal settings: name, currency symbol, printer font, compounding\n"
    "            (brindlewood-cli settings --help)\n"
    "\n"
    "Options:\n"
    "  -h, --help     shows this help\n"
    "  -v, --version  shows the program's version\n";

// The graph is drawn with widgets, so a run that asks for it gets a QApplication, on the
// offscreen platform where no display is at hand. Every other run stays free of any display.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv,
                                                  const std::vector<std::string>& args) {
#ifdef BW_CLI_GRAPHS
    const bool graph = std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return a == "--graph" || a.rfind("--graph=", 0) == 0;
    });
    if (graph) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }
#else
    (void)args;
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    const auto app = MakeApplication(argc, argv, std::vector<std::string>(argv + 1, argv + argc));
    // The same name as the desktop program: both keep the user's settings in one data folder.
    QCoreApplication::setApplicationName("Brindlewood");
    std::vector<std::string> args(argv + 1, argv + argc);  // without the options Qt took
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version" || args[0] == "-v") {
        std::cout << "brindlewood-cli " << bw::ProgramVersion() << "\n";
        return 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "table") return bw::cli::RunTable(args, std::cout, std::cerr);
    if (command == "afford") return bw::cli::RunAfford(args, std::cout, std::cerr);
    if (command == "compare") return bw::cli::RunCompare(args, std::cout, std::cerr);
    if (command == "plan") return bw::cli::RunPlan(args, std::cout, std::cerr);
    if (command == "settings") return bw::cli::RunSettings(args, std::cout, std::cerr);
    std::cerr << "brindlewood-cli: unknown command '" << command << "'\n" << kUsage;
    return 2;
}
