// brindlewood-cli settings: shows the personal settings, or changes them as the personalize
// dialog does.

#include <QDir>
#include <ostream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "shell/settings_file.h"

namespace bw::cli {
namespace {

const char* kSettingsUsage =
    "usage: brindlewood-cli settings [--name TEXT] [--currency TEXT] [--font standard|courier]\n"
    "  [--compounding monthly|bimonthly|quarterly|semiannual|annual] [--folder DIR]\n"
    "Shows the settings file Personal.Mtg of the program's folder and what it holds; with an\n"
    "option, changes that setting and saves the file first, as Personalize Settings does.\n";

const char* kFontNames[] = {"standard", "courier"};
const char* kCompoundingNames[] = {"monthly", "bimonthly", "quarterly", "semiannual", "annual"};

std::string Checked(const std::string& text, const char* option) {
    if (text.find('"') != std::string::npos)
        throw UsageError(std::string("--") + option + " cannot hold a double quote");
    return text;
}

const char* NameOf(int value, const char* const* names, int count) {
    return value >= 0 && value < count ? names[value] : "(none)";
}

}  // namespace

int RunSettings(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    return RunCommand("settings", kSettingsUsage, argv, out, err, [&] {
        const Args args(argv, {"name", "currency", "font", "compounding", "folder"}, {});
        const std::string path = QDir(QString::fromStdString(ProgramFolder(args)))
                                     .filePath(kSettingsFileName)
                                     .toStdString();
        Settings s = ReadSettings(path);
        if (auto name = args.get("name")) s.userName = Checked(*name, "name");
        if (auto currency = args.get("currency")) s.currencySymbol = Checked(*currency, "currency");
        if (auto font = args.get("font")) {
            if (*font != kFontNames[0] && *font != kFontNames[1])
                throw UsageError("--font is standard or courier");
            s.printerFontChoice = *font == kFontNames[1] ? 1 : 0;
        }
        if (auto compounding = args.get("compounding")) {
            int index = 0;
            while (index < 5 && *compounding != kCompoundingNames[index]) ++index;
            if (index == 5) throw UsageError("unknown compounding '" + *compounding + "'");
            s.defaultCompounding = static_cast<std::int16_t>(index);
        }
        const bool change =
            args.has("name") || args.has("currency") || args.has("font") || args.has("compounding");
        if (change && !WriteSettings(path, s)) {
            err << "brindlewood-cli settings: cannot write " << path << "\n";
            return 1;
        }
        out << "settings file: " << path << "\n"
            << "name: " << s.userName << "\n"
            << "currency: " << (s.currencySymbol.empty() ? "$" : s.currencySymbol) << "\n"
            << "font: " << NameOf(s.printerFontChoice, kFontNames, 2) << "\n"
            << "compounding: " << NameOf(s.defaultCompounding, kCompoundingNames, 5) << "\n";
        return 0;
    });
}

}  // namespace bw::cli
