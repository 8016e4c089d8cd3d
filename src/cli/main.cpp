// brindlewood-cli: the program's engines and files from a shell.

#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

const char* kUsage =
    "usage: brindlewood-cli COMMAND [OPTIONS]\n"
    "commands:\n"
    "  table    a mortgage or personal loan schedule (brindlewood-cli table --help)\n"
    "  afford   payment, principal or years a mortgage allows (brindlewood-cli afford --help)\n"
    "  compare  up to 12 mortgages side by side (brindlewood-cli compare --help)\n";

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "table") return bw::cli::RunTable(args, std::cout, std::cerr);
    if (command == "afford") return bw::cli::RunAfford(args, std::cout, std::cerr);
    if (command == "compare") return bw::cli::RunCompare(args, std::cout, std::cerr);
    std::cerr << "brindlewood-cli: unknown command '" << command << "'\n" << kUsage;
    return 2;
}
