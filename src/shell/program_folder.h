#pragma once
// Where the program lives: its version, its folder (settings file, the file dialog's first
// folder), and the places its help file is looked for. Both programs share these rules.

#include <optional>
#include <string>
#include <vector>

namespace bw {

// The version of this build ("1.0").
std::string ProgramVersion();

// Where an installed copy keeps its data files, relative to the folder of its executable.
inline constexpr const char* kInstalledDataFolder = "../share/brindlewood";

// True when the current user may create files in `folder`.
bool UserMayWrite(const std::string& folder);

// The program's folder:
// - `option` (--folder) when given, made absolute;
// - else the executable's folder when the user may write there and it is not an installed copy
//   (one with ../share/brindlewood beside it): a build or a portable copy;
// - else `userDataFolder`, created when missing. A settings file found only beside the
//   executable is copied there as the starting values.
// `mayWrite` tells whether the user may write a folder.
std::string ResolveProgramFolder(const std::optional<std::string>& option,
                                 const std::string& executableFolder,
                                 const std::string& userDataFolder,
                                 bool (*mayWrite)(const std::string&) = UserMayWrite);

// The same with the running program's executable folder and the user's data folder
// (QStandardPaths::AppDataLocation).
std::string ProgramFolderFor(const std::optional<std::string>& option);

// The user's data folder (QStandardPaths::AppDataLocation) of the running program.
std::string UserDataFolder();

// The folder the file dialog opens in when no folder has been used yet: the program's folder,
// or the user's documents folder (the home folder when there is none) when the program's folder is
// the user's (hidden) data folder.
std::string DialogStartFolder(const std::string& programFolder, const std::string& userDataFolder,
                              const std::string& documentsFolder);
// The same with the running program's folders.
std::string DialogStartFolder(const std::string& programFolder);

// The places the help file `fileName` is looked for, in order, without repeats: the program's
// folder, the executable's folder, and an installed copy's data folder.
std::vector<std::string> HelpFilePlaces(const std::string& programFolder,
                                        const std::string& executableFolder,
                                        const std::string& fileName);

// The first of `places` that is a readable file; empty when none is.
std::string FirstReadableFile(const std::vector<std::string>& places);

// The text shown when the help file is in none of `places`.
std::string HelpFileMissingText(const std::vector<std::string>& places);

}  // namespace bw
