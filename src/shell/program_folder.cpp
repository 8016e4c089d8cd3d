#include "shell/program_folder.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "shell/settings_file.h"

#ifndef BW_VERSION
#define BW_VERSION "0"
#endif

namespace bw {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Clean(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath()).toStdString();
}

// An installed copy has its data folder beside the folder of its executable.
bool IsInstalledCopy(const QDir& executableFolder) {
    return QFileInfo(executableFolder.filePath(kInstalledDataFolder)).isDir();
}

}  // namespace

std::string ProgramVersion() {
    return BW_VERSION;
}

bool UserMayWrite(const std::string& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string ResolveProgramFolder(const std::optional<std::string>& option,
                                 const std::string& executableFolder,
                                 const std::string& userDataFolder,
                                 bool (*mayWrite)(const std::string&)) {
    if (option) return Clean(Q(*option));
    const QDir executable(Q(executableFolder));
    if (mayWrite(executableFolder) && !IsInstalledCopy(executable))
        return Clean(Q(executableFolder));

    const QString data = Q(Clean(Q(userDataFolder)));
    QDir().mkpath(data);
    const QString settings = QDir(data).filePath(kSettingsFileName);
    const QString shipped = executable.filePath(kSettingsFileName);
    if (!QFileInfo::exists(settings) && QFileInfo(shipped).isFile()) QFile::copy(shipped, settings);
    return data.toStdString();
}

std::string UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

std::string ProgramFolderFor(const std::optional<std::string>& option) {
    const std::string executable = QCoreApplication::instance()
                                       ? QCoreApplication::applicationDirPath().toStdString()
                                       : QDir::currentPath().toStdString();
    return ResolveProgramFolder(option, executable, UserDataFolder());
}

std::string DialogStartFolder(const std::string& programFolder, const std::string& userDataFolder,
                              const std::string& documentsFolder) {
    if (!programFolder.empty() && !userDataFolder.empty() &&
        Clean(Q(programFolder)) == Clean(Q(userDataFolder)))
        return QFileInfo(Q(documentsFolder)).isDir() ? documentsFolder
                                                     : QDir::homePath().toStdString();
    return programFolder;
}

std::string DialogStartFolder(const std::string& programFolder) {
    return DialogStartFolder(
        programFolder, UserDataFolder(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
}

std::vector<std::string> HelpFilePlaces(const std::string& programFolder,
                                        const std::string& executableFolder,
                                        const std::string& fileName) {
    std::vector<std::string> places;
    const QString installed =
        executableFolder.empty() ? QString() : Q(executableFolder) + "/" + kInstalledDataFolder;
    for (const QString& folder : {Q(programFolder), Q(executableFolder), installed}) {
        if (folder.isEmpty()) continue;
        const std::string place = Clean(QDir(folder).filePath(Q(fileName)));
        if (std::find(places.begin(), places.end(), place) == places.end()) places.push_back(place);
    }
    return places;
}

std::string FirstReadableFile(const std::vector<std::string>& places) {
    for (const std::string& place : places) {
        const QFileInfo info(Q(place));
        if (info.isFile() && info.isReadable()) return place;
    }
    return {};
}

std::string HelpFileMissingText(const std::vector<std::string>& places) {
    std::string text = "The help file was not found. It was looked for in:\n";
    for (const std::string& place : places) text += "  " + place + "\n";
    return text;
}

}  // namespace bw
