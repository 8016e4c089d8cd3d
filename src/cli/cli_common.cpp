#include "cli/cli_common.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <ostream>

#include "cli/text_pdf.h"
#include "reports/page_model.h"
#include "reports/text_backend.h"
#include "shell/messages.h"
#include "shell/program_folder.h"

namespace bw::cli {

namespace {

const std::map<std::string, int> kCompoundingNames = {
    {"monthly", 0}, {"bimonthly", 1}, {"quarterly", 2}, {"semiannual", 3}, {"annual", 4}};
const std::map<std::string, int> kFrequencyNames = {{"monthly", 0},      {"semimonthly", 1},
                                                    {"2weeks", 2},       {"1week", 3},
                                                    {"biweekly-acc", 4}, {"weekly-acc", 5}};

}  // namespace

std::string CompoundingByName(const std::string& name) {
    auto it = kCompoundingNames.find(name);
    if (it == kCompoundingNames.end()) throw UsageError("unknown compounding '" + name + "'");
    return lists::kCompounding[static_cast<std::size_t>(it->second)];
}

std::string FrequencyByName(const std::string& name) {
    auto it = kFrequencyNames.find(name);
    if (it == kFrequencyNames.end()) throw UsageError("unknown frequency '" + name + "'");
    return lists::kFrequency[static_cast<std::size_t>(it->second)];
}

std::optional<DaysSetting> DaysFromText(const std::string& text, DaysMatch match) {
    const auto v = ParseNumberText(text);
    if (!v) throw UsageError("--days needs a number");
    static const char* const kFixed[] = {"365.25", "365", "364", "363"};
    static const double kFixedValues[] = {365.25, 365, 364, 363};
    for (std::int16_t option = 0; option < 4; ++option) {
        const bool same =
            match == DaysMatch::ByText ? text == kFixed[option] : *v == kFixedValues[option];
        if (same) return DaysForOption(option);
    }
    const bool inRange = match == DaysMatch::ByText ? *v >= 363 && *v <= 365.25
                                                    : DaysInRange(static_cast<float>(*v));
    if (!inRange) return std::nullopt;
    return DaysForOption(4, static_cast<float>(*v));
}

std::int16_t PrePayMonthOption(const Args& args) {
    const double month = args.number("prepay-month", 1);
    if (month != std::floor(month) || month < 1 || month > 12)
        throw UsageError("--prepay-month is a whole number from 1 to 12");
    return month == 1 ? 12 : static_cast<std::int16_t>(month - 1);
}

PrePayOptions ReadPrePayOptions(const std::vector<std::string>& entries, double period) {
    PrePayOptions p;
    std::int16_t years = 0;
    ToInt16(period, years);
    p.years = std::clamp<std::int16_t>(years, 0, kYearLastRow);
    for (int y = 1; y <= p.years; ++y)
        p.table[static_cast<std::size_t>(y)][1] = Money::fromDouble(y);
    for (const auto& entry : entries) {
        const auto eq = entry.find('=');
        auto year = ParseNumberText(entry.substr(0, eq == std::string::npos ? 0 : eq));
        auto amount =
            eq == std::string::npos ? std::nullopt : ParseNumberText(entry.substr(eq + 1));
        if (!year || !amount || *year != std::floor(*year) || *year < 1 || *year > kYearLastRow ||
            *amount < 0 || *amount > 1e12)
            throw UsageError("--prepay takes YEAR=AMOUNT, a year from 1 to 45");
        auto& row = p.table[static_cast<std::size_t>(*year)];
        row[1] = Money::fromDouble(*year);
        row[2] = Money::fromDouble(std::round(*amount * 100) / 100);
    }
    for (int y = 1; y <= p.years; ++y)
        if (p.table[static_cast<std::size_t>(y)][2] > Money()) ++p.count;
    return p;
}

std::string ProgramFolder(const Args& args) {
    return ProgramFolderFor(args.get("folder"));
}

std::string UpperExtension(const std::string& path) {
    const std::string base = path.substr(path.find_last_of('/') + 1);
    const auto point = base.find('.');
    std::string extension = point == std::string::npos ? "" : base.substr(point);
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension;
}

Paper PaperOption(const Args& args) {
    const auto paper = args.get("paper");
    if (!paper) return DefaultPaper();
    if (*paper == "a4") return Paper::A4;
    if (*paper == "letter") return Paper::Letter;
    throw UsageError("--paper is a4 or letter");
}

void WritePrintout(const Printout& printout, const std::string& target, Paper paper,
                   std::ostream& out) {
    if (target == "-") {
        out << RenderText(printout.pages());
        return;
    }
    const std::string pdf = TextPdf(printout.pages(), paper);
    QFile file(QString::fromStdString(target));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(pdf.data(), static_cast<qint64>(pdf.size())) != static_cast<qint64>(pdf.size()))
        throw UsageError("cannot write " + target);
}

int RunCommand(const std::string& name, const char* usage, const std::vector<std::string>& argv,
               std::ostream& out, std::ostream& err, const std::function<int()>& body) {
    try {
        for (const auto& a : argv)
            if (a == "--help" || a == "-h") {
                out << usage;
                return 0;
            }
        return body();
    } catch (const UsageError& e) {
        err << "brindlewood-cli " << name << ": " << e.what() << " (see brindlewood-cli " << name
            << " --help)\n";
        return 2;
    } catch (const Stop& s) {
        err << MessageText(s.message) << "\n";
        return 1;
    } catch (const CurrencyOverflow&) {
        err << MessageText(4) << "\n";
        return 1;
    }
}

}  // namespace bw::cli
