#pragma once
// Runs a command of brindlewood-cli in-process, in a program folder of its own so that no settings
// file of the machine is read, and keeps its exit code and what it wrote.

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace bw::test {

struct CliRun {
    int code = 0;
    std::string out, err;
    bool has(const std::string& text) const { return out.find(text) != std::string::npos; }
    QJsonObject json() const {
        return QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    }
};

using CliCommand =
    std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

// `command` (cli::RunAfford, cli::RunCompare, ...) with `args` and --folder `folder`.
inline CliRun RunCli(const CliCommand& command, std::vector<std::string> args,
                     const QTemporaryDir& folder) {
    args.insert(args.end(), {"--folder", folder.path().toStdString()});
    std::ostringstream out, err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace bw::test
